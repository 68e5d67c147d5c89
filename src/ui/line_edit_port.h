#pragma once

#include "browse/edit_box_port.h"

class QLineEdit;

namespace quorrin::ui {

// The mask box as the file list sees it.
class LineEditPort final : public browse::EditBoxPort {
public:
    explicit LineEditPort(QLineEdit& edit) : edit_(edit) {}
    void setText(const std::string& text) override;
    void selectAll() override;

private:
    QLineEdit& edit_;
};

} // namespace quorrin::ui
