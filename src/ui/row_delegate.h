#pragma once

#include <QStyledItemDelegate>

#include <functional>

class QFontMetrics;

namespace quorrin::ui {

// Where the baseline of a text line stands in a row `rowHeight` pixels high:
// centred where the font's full height fits, otherwise as low as the
// descent allows, so underscores and descenders stay whole and only the
// empty space above the tallest glyphs is given up.
int rowBaseline(const QFontMetrics& metrics, int rowHeight);

// Rows of one fixed height with the text 2 pixels from the left edge (deeper
// for an indented tree row), so the lists read like the classic list boxes;
// the text sits on rowBaseline.
class RowDelegate final : public QStyledItemDelegate {
public:
    RowDelegate(QObject* parent, int rowHeight, std::function<int(int row)> indent = {});

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int margin(int row) const { return 2 + (indent_ ? indent_(row) : 0); }

    int rowHeight_;
    std::function<int(int)> indent_;
};

} // namespace quorrin::ui
