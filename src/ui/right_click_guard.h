#pragma once

#include <QObject>

namespace quorrin::ui {

// Installed on a list's viewport: the right mouse button only opens the
// list's pop-up menu, so it must not select a row (or move into a folder)
// first. The menu itself comes from the context-menu event, which the
// guard lets through.
class RightClickGuard final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace quorrin::ui
