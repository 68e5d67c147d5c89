#pragma once

#include <QAbstractItemView>
#include <QPointer>

namespace quorrin::ui {

// Where the user is in a list view: its scroll offsets and, when asked,
// its current row. Taken before the view shows new rows for a change the
// user did not make, and put back afterwards, so such a change moves
// nothing under the user's eyes.
class ViewPlace {
public:
    ViewPlace(QAbstractItemView* view, bool withCurrentRow);
    // The current row first: making a row current scrolls to it.
    void restore() const;

private:
    QPointer<QAbstractItemView> view_;
    int horizontal_;
    int vertical_;
    int currentRow_ = -1;
};

} // namespace quorrin::ui
