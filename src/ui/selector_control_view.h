#pragma once

#include <QComboBox>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin::ui {

// A drop-down list without an edit part that shows a headless selector's
// rows (drives, preset filters) and hands choices and typing back to it.
class SelectorControlView : public QComboBox {
public:
    struct Bindings {
        const std::vector<std::string>* items = nullptr;
        std::function<int()> itemIndex;
        std::function<void(int index)> chooseByUser;
        // True when the control used the key; "\b" stands for Backspace.
        std::function<bool(std::string_view key)> typeKey;
        std::function<QIcon(int row)> icon;
    };

    explicit SelectorControlView(QWidget* parent);

    void bind(Bindings bindings) { bindings_ = std::move(bindings); }
    // Shows the control's rows and selected row again; rows are rebuilt (and
    // their glyphs looked up) only when they changed.
    void refresh();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Bindings bindings_;
    std::vector<std::string> shown_;
    bool showing_ = false;
};

} // namespace quorrin::ui
