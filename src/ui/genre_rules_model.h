#pragma once

#include "listing/genre_rule.h"

#include <QAbstractTableModel>
#include <QString>

#include <optional>
#include <vector>

namespace quorrin::ui {

// The rows of the genre dialog: keyword, label and the "拡張子だけ" check.
// The rules keep their bytes; a cell the user does not edit goes back to
// the file exactly as it came, even when it is not valid in the code page.
class GenreRulesModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { keywordColumn, labelColumn, extensionColumn, columnCount_ };

    explicit GenreRulesModel(std::vector<listing::GenreRule> rules, QObject* parent = nullptr);

    const std::vector<listing::GenreRule>& rules() const { return rules_; }
    void setRules(std::vector<listing::GenreRule> rules);
    // An empty rule before `row`.
    void insertRule(int row);
    void removeRule(int row);
    // Swaps the rule with its neighbour above (-1) or below (+1).
    void moveRule(int row, int step);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::vector<listing::GenreRule> rules_;
};

// The first cell that stops the table from being kept, and why: every rule
// needs a keyword and a label.
struct GenreTableProblem {
    int row;
    int column;
    QString text;
};
std::optional<GenreTableProblem> findGenreTableProblem(const std::vector<listing::GenreRule>& rules);

} // namespace quorrin::ui
