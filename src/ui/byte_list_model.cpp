#include "ui/byte_list_model.h"

namespace quorrin::ui {

void ByteListModel::setSource(const std::vector<std::string>* rows)
{
    beginResetModel();
    rows_ = rows;
    endResetModel();
}

void ByteListModel::refresh()
{
    beginResetModel();
    endResetModel();
}

int ByteListModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || rows_ == nullptr)
        return 0;
    return static_cast<int>(rows_->size());
}

QVariant ByteListModel::data(const QModelIndex& index, int role) const
{
    if (rows_ == nullptr || !index.isValid() || static_cast<std::size_t>(index.row()) >= rows_->size())
        return {};
    if (role == Qt::DecorationRole && icons_)
        return icons_(index.row());
    if (role != Qt::DisplayRole)
        return {};
    const std::string& row = (*rows_)[static_cast<std::size_t>(index.row())];
    return QString::fromLocal8Bit(row.data(), static_cast<qsizetype>(row.size()));
}

} // namespace quorrin::ui
