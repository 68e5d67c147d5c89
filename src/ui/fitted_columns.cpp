#include "ui/fitted_columns.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QTreeView>

#include <algorithm>
#include <numeric>

namespace quorrin::ui {

namespace {

void fit(QTreeView& view)
{
    QHeaderView& header = *view.header();
    QList<int> needs;
    for (int column = 1; column < header.count(); ++column) {
        const int content = static_cast<QAbstractItemView&>(view).sizeHintForColumn(column);
        needs << std::max(content, header.sectionSizeHint(column));
    }
    const QList<int> widths = fittedColumnWidths(view.viewport()->width(), needs);
    for (int column = 0; column < widths.size(); ++column)
        header.resizeSection(column, widths[column]);
}

} // namespace

QList<int> fittedColumnWidths(int available, const QList<int>& othersNeed)
{
    const int widest = othersNeed.isEmpty() ? 0 : *std::max_element(othersNeed.begin(), othersNeed.end());
    auto capped = [&](int cap) {
        QList<int> widths{0};
        for (const int need : othersNeed)
            widths << std::min(need, cap);
        widths[0] = available - std::accumulate(widths.begin() + 1, widths.end(), 0);
        return widths;
    };
    // The largest cap that still leaves the name at least as wide.
    for (int cap = widest; cap > 0; --cap) {
        const QList<int> widths = capped(cap);
        if (widths[0] >= cap)
            return widths;
    }
    return capped(0);
}

void fitColumnsToView(QFileDialog& dialog)
{
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (view == nullptr || model == nullptr)
        return;
    view->header()->setStretchLastSection(false);
    QObject::connect(model, &QFileSystemModel::directoryLoaded, view, [view] { fit(*view); });
    // Also once the dialog is laid out, before the folder is read.
    QObject::connect(view->header(), &QHeaderView::geometriesChanged, view, [view] { fit(*view); });
}

} // namespace quorrin::ui
