#pragma once

#include "ui/byte_list_model.h"

#include <QListView>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin::ui {

// A list box that shows a headless control's Items and hands the user's
// selections and typing back to it; the control decides what they mean.
class ListControlView : public QListView {
public:
    // Rows laid out in one turn of the event loop; a folder up to this size
    // is laid out whole, as soon as it is shown.
    static constexpr int hugeListBatch = 100'000;

    struct Bindings {
        const std::vector<std::string>* items = nullptr;
        std::function<int()> itemIndex;
        std::function<void(int index)> selectByUser;
        // "\b" for Backspace, else the typed characters in the code page.
        std::function<void(std::string_view key)> typeKey;
        // Enter or a double click on a row: the control opens the selected
        // row, which also retries one whose opening failed.
        std::function<void()> open;
        // Indentation in pixels and glyph of a row, for the directory tree.
        std::function<int(int row)> indent;
        std::function<QIcon(int row)> icon;
    };

    ListControlView(QWidget* parent, int rowHeight);

    void bind(Bindings bindings);
    // Shows the control's rows and selected item again, after it changed.
    void refresh();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    // Runs a control's answer once the view is out of its own event
    // handling, after any selection handed over before it.
    void later(std::function<void()> action);

    ByteListModel model_;
    Bindings bindings_;
    bool showing_ = false; // a change made by refresh(), not by the user
};

} // namespace quorrin::ui
