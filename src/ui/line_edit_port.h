#pragma once

#include "browse/edit_box_port.h"

#include <QString>

#include <string>

class QLineEdit;

namespace quorrin::ui {

// The mask box as the file list sees it. A name whose bytes are no valid
// text in the code page shows with replacement characters; while the box
// still shows it unedited, its text is the name's real bytes, so that Enter
// finds the very file. Once the user edits the box, the text is taken as
// typed.
class LineEditPort final : public browse::EditBoxPort {
public:
    explicit LineEditPort(QLineEdit& edit) : edit_(edit) {}
    void setText(const std::string& text) override;
    void selectAll() override;
    std::string text() const;

private:
    QLineEdit& edit_;
    std::string bytes_;
    QString shown_;
};

} // namespace quorrin::ui
