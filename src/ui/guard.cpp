#include "ui/guard.h"

#include <QWidget>
#include <QtGlobal>

namespace quorrin::ui {

void reportError(QWidget* origin, const std::string& message)
{
    auto* sink = origin != nullptr ? dynamic_cast<ErrorSink*>(origin->window()) : nullptr;
    if (sink != nullptr)
        sink->showError(message);
    else
        qWarning("%s", message.c_str());
}

} // namespace quorrin::ui
