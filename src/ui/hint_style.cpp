#include "ui/hint_style.h"

namespace quorrin::ui {

int HintStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const
{
    if (hint == SH_ToolTip_WakeUpDelay)
        return wakeUpDelayMs;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

} // namespace quorrin::ui
