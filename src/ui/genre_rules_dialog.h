#pragma once

#include "listing/category_classifier.h"
#include "listing/genre_rule.h"
#include "text/text_rules.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QTableView;

namespace quorrin::ui {

class GenreRulesModel;

// "ジャンルの規則…": the user's genre table, edited row by row, with a
// line that classifies a typed name as the table stands. OK keeps the
// table only when every row can be kept, and says which row stops it.
class GenreRulesDialog final : public QDialog {
    Q_OBJECT
public:
    GenreRulesDialog(const text::TextRules& rules, const listing::GenreTable& table, QWidget* parent = nullptr);

    // The table after OK; a table equal to the built-in one is the
    // built-in one.
    listing::GenreTable table() const;

    void accept() override;

private:
    void addRule();
    void removeRule();
    void moveRule(int step);
    void restoreStandard();
    void tableChanged();
    void showTry();
    void select(int row, int column);

    const text::TextRules& rules_;
    GenreRulesModel* model_;
    QTableView* view_;
    QLineEdit* tryName_;
    QLabel* tryLabel_;
    QLabel* problem_;
    std::optional<listing::CategoryClassifier> classifier_; // for the current table, made when first asked
};

} // namespace quorrin::ui
