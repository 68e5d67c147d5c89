#include "ui/row_delegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

namespace quorrin::ui {

int rowBaseline(const QFontMetrics& metrics, int rowHeight)
{
    if (metrics.height() <= rowHeight)
        return (rowHeight - metrics.height()) / 2 + metrics.ascent();
    return rowHeight - metrics.descent();
}

RowDelegate::RowDelegate(QObject* parent, int rowHeight, std::function<int(int)> indent)
    : QStyledItemDelegate(parent), rowHeight_(rowHeight), indent_(std::move(indent))
{
}

QSize RowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return QSize(QStyledItemDelegate::sizeHint(option, index).width() + margin(index.row()), rowHeight_);
}

void RowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    item.rect.setLeft(option.rect.left() + margin(index.row()));
    const QStyle* style = item.widget != nullptr ? item.widget->style() : QApplication::style();
    const QRect textArea = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
    const QString text = item.text;

    // The style draws the selection, focus and glyph; the text is drawn here
    // because the style centres a line taller than the row and so cuts off
    // what hangs below the baseline.
    item.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    const int inner = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, item.widget) + 1;
    const QFontMetrics metrics(item.font);
    const QPalette::ColorGroup group = !(item.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (item.state & QStyle::State_Active) ? QPalette::Normal
                                                                             : QPalette::Inactive;
    const bool selected = (item.state & QStyle::State_Selected) != 0;
    painter->save();
    painter->setFont(item.font);
    painter->setPen(item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(QPoint(textArea.left() + inner, option.rect.top() + rowBaseline(metrics, option.rect.height())),
                      metrics.elidedText(text, item.textElideMode, textArea.width() - 2 * inner));
    painter->restore();
}

} // namespace quorrin::ui
