#include "ui/view_place.h"

#include <QScrollBar>

namespace quorrin::ui {

ViewPlace::ViewPlace(QAbstractItemView* view, bool withCurrentRow)
    : view_(view), horizontal_(view->horizontalScrollBar()->value()), vertical_(view->verticalScrollBar()->value())
{
    if (withCurrentRow && view->currentIndex().isValid())
        currentRow_ = view->currentIndex().row();
}

void ViewPlace::restore() const
{
    if (view_ == nullptr)
        return;
    // New rows are laid out lazily; the scroll range must be known first.
    view_->doItemsLayout();
    if (currentRow_ >= 0 && currentRow_ < view_->model()->rowCount())
        view_->setCurrentIndex(view_->model()->index(currentRow_, 0));
    view_->horizontalScrollBar()->setValue(horizontal_);
    view_->verticalScrollBar()->setValue(vertical_);
}

} // namespace quorrin::ui
