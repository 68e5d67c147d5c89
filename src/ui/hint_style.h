#pragma once

#include <QProxyStyle>

namespace quorrin::ui {

// The platform style with the program's hint timing: a hint appears after
// the pointer has rested half a second.
class HintStyle : public QProxyStyle {
public:
    static constexpr int wakeUpDelayMs = 500;
    static constexpr int shownForMs = 2500;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
};

} // namespace quorrin::ui
