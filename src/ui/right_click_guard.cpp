#include "ui/right_click_guard.h"

#include <QMouseEvent>

namespace quorrin::ui {

bool RightClickGuard::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
            return true;
        break;
    case QEvent::MouseMove:
        // A drag with the right button held would select the rows it crosses.
        if ((static_cast<QMouseEvent*>(event)->buttons() & Qt::RightButton) != 0)
            return true;
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quorrin::ui
