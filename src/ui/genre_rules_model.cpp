#include "ui/genre_rules_model.h"

#include <utility>

namespace quorrin::ui {

namespace {

QString textOf(const std::string& bytes)
{
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

GenreRulesModel::GenreRulesModel(std::vector<listing::GenreRule> rules, QObject* parent)
    : QAbstractTableModel(parent), rules_(std::move(rules))
{
}

void GenreRulesModel::setRules(std::vector<listing::GenreRule> rules)
{
    beginResetModel();
    rules_ = std::move(rules);
    endResetModel();
}

void GenreRulesModel::insertRule(int row)
{
    beginInsertRows({}, row, row);
    rules_.insert(rules_.begin() + row, listing::GenreRule{});
    endInsertRows();
}

void GenreRulesModel::removeRule(int row)
{
    beginRemoveRows({}, row, row);
    rules_.erase(rules_.begin() + row);
    endRemoveRows();
}

void GenreRulesModel::moveRule(int row, int step)
{
    const int other = row + step;
    if (row < 0 || other < 0 || other >= rowCount() || row >= rowCount())
        return;
    // Qt names the place before which the row lands, in the old order.
    const int upper = std::min(row, other);
    beginMoveRows({}, upper + 1, upper + 1, {}, upper);
    std::swap(rules_[static_cast<std::size_t>(row)], rules_[static_cast<std::size_t>(other)]);
    endMoveRows();
}

int GenreRulesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rules_.size());
}

int GenreRulesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columnCount_;
}

QVariant GenreRulesModel::data(const QModelIndex& index, int role) const
{
    const listing::GenreRule& rule = rules_[static_cast<std::size_t>(index.row())];
    if (index.column() == extensionColumn)
        return role == Qt::CheckStateRole ? QVariant(rule.extensionOnly ? Qt::Checked : Qt::Unchecked) : QVariant();
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return textOf(index.column() == keywordColumn ? rule.keyword : rule.label);
}

bool GenreRulesModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    listing::GenreRule& rule = rules_[static_cast<std::size_t>(index.row())];
    if (index.column() == extensionColumn) {
        if (role != Qt::CheckStateRole)
            return false;
        rule.extensionOnly = value.value<Qt::CheckState>() == Qt::Checked;
    } else {
        if (role != Qt::EditRole)
            return false;
        const QString text = value.toString();
        std::string& field = index.column() == keywordColumn ? rule.keyword : rule.label;
        // An edit that leaves the text as shown keeps the bytes it came with.
        if (text == textOf(field))
            return true;
        field = text.toLocal8Bit().toStdString();
    }
    emit dataChanged(index, index);
    return true;
}

QVariant GenreRulesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (section) {
    case keywordColumn: return QStringLiteral("キーワード");
    case labelColumn: return QStringLiteral("ラベル");
    default: return QStringLiteral("拡張子だけ");
    }
}

Qt::ItemFlags GenreRulesModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() == extensionColumn ? base | Qt::ItemIsUserCheckable : base | Qt::ItemIsEditable;
}

std::optional<GenreTableProblem> findGenreTableProblem(const std::vector<listing::GenreRule>& rules)
{
    for (std::size_t i = 0; i < rules.size(); ++i) {
        const int row = static_cast<int>(i);
        const QString number = QString::number(i + 1);
        if (rules[i].keyword.empty())
            return GenreTableProblem{
                row, GenreRulesModel::keywordColumn,
                QStringLiteral("%1 行目のキーワードが空です。どの名前に付けるかが決まりません。").arg(number)};
        if (rules[i].label.empty())
            return GenreTableProblem{
                row, GenreRulesModel::labelColumn,
                QStringLiteral("%1 行目のラベルが空です。一覧に書く言葉を入れてください。").arg(number)};
    }
    return std::nullopt;
}

} // namespace quorrin::ui
