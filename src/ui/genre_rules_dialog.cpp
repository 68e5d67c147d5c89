#include "ui/genre_rules_dialog.h"

#include "ui/genre_rules_model.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace quorrin::ui {

namespace {

QPushButton* addButton(QBoxLayout* layout, const QString& text, const QString& name)
{
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

} // namespace

GenreRulesDialog::GenreRulesDialog(const text::TextRules& rules, const listing::GenreTable& table, QWidget* parent)
    : QDialog(parent), rules_(rules),
      model_(new GenreRulesModel(table ? *table : listing::standardGenreRules(rules), this)), view_(new QTableView),
      tryName_(new QLineEdit), tryLabel_(new QLabel), problem_(new QLabel)
{
    setWindowTitle(QStringLiteral("ジャンルの規則"));

    view_->setObjectName(QStringLiteral("GenreTable"));
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setTabKeyNavigation(false);
    view_->horizontalHeader()->setSectionResizeMode(GenreRulesModel::keywordColumn, QHeaderView::Stretch);
    view_->horizontalHeader()->setSectionResizeMode(GenreRulesModel::labelColumn, QHeaderView::Stretch);
    view_->horizontalHeader()->setSectionResizeMode(GenreRulesModel::extensionColumn, QHeaderView::ResizeToContents);
    // One line of text per row, whatever the cells hold.
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);

    auto* buttons = new QVBoxLayout;
    connect(addButton(buttons, QStringLiteral("追加(&A)"), QStringLiteral("AddRule")), &QPushButton::clicked, this,
            &GenreRulesDialog::addRule);
    connect(addButton(buttons, QStringLiteral("削除(&D)"), QStringLiteral("RemoveRule")), &QPushButton::clicked, this,
            &GenreRulesDialog::removeRule);
    connect(addButton(buttons, QStringLiteral("上へ(&U)"), QStringLiteral("MoveUp")), &QPushButton::clicked, this,
            [this] { moveRule(-1); });
    connect(addButton(buttons, QStringLiteral("下へ(&N)"), QStringLiteral("MoveDown")), &QPushButton::clicked, this,
            [this] { moveRule(+1); });
    buttons->addSpacing(12);
    connect(addButton(buttons, QStringLiteral("標準に戻す(&R)"), QStringLiteral("Standard")), &QPushButton::clicked,
            this, &GenreRulesDialog::restoreStandard);
    buttons->addStretch();
    // Delete in the table, not in a cell being edited, removes the row.
    auto* remove = new QShortcut(QKeySequence::Delete, view_, this, &GenreRulesDialog::removeRule);
    remove->setContext(Qt::WidgetShortcut);

    auto* tableRow = new QHBoxLayout;
    tableRow->addWidget(view_, 1);
    tableRow->addLayout(buttons);

    auto* tryRow = new QHBoxLayout;
    auto* tryCaption = new QLabel(QStringLiteral("試す(&T):"));
    tryCaption->setBuddy(tryName_);
    tryName_->setObjectName(QStringLiteral("TryName"));
    tryName_->setPlaceholderText(QStringLiteral("ファイル名"));
    tryLabel_->setObjectName(QStringLiteral("TryLabel"));
    tryLabel_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("ミュージック")));
    tryRow->addWidget(tryCaption);
    tryRow->addWidget(tryName_, 1);
    tryRow->addWidget(new QLabel(QStringLiteral("→")));
    tryRow->addWidget(tryLabel_);

    problem_->setObjectName(QStringLiteral("GenreProblem"));
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: #b00000"));
    problem_->hide();

    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    box->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    box->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tableRow, 1);
    layout->addLayout(tryRow);
    layout->addWidget(problem_);
    layout->addWidget(box);

    connect(model_, &QAbstractItemModel::dataChanged, this, &GenreRulesDialog::tableChanged);
    connect(model_, &QAbstractItemModel::modelReset, this, &GenreRulesDialog::tableChanged);
    connect(model_, &QAbstractItemModel::rowsInserted, this, &GenreRulesDialog::tableChanged);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, &GenreRulesDialog::tableChanged);
    connect(model_, &QAbstractItemModel::rowsMoved, this, &GenreRulesDialog::tableChanged);
    connect(tryName_, &QLineEdit::textChanged, this, &GenreRulesDialog::showTry);

    // Wide enough for the columns' captions and a few words each, tall
    // enough for a dozen rows; the table scrolls beyond.
    view_->setMinimumSize(fontMetrics().horizontalAdvance(QStringLiteral("キーワード")) * 6,
                          view_->verticalHeader()->defaultSectionSize() * 12);
    select(0, GenreRulesModel::keywordColumn);
    showTry();
    adjustSize();
}

listing::GenreTable GenreRulesDialog::table() const
{
    if (model_->rules() == listing::standardGenreRules(rules_))
        return std::nullopt;
    return model_->rules();
}

void GenreRulesDialog::accept()
{
    // A cell still being edited counts as the user sees it; its editor
    // would hand the text over only once it loses the focus.
    if (QWidget* editor = view_->indexWidget(view_->currentIndex()))
        view_->itemDelegate()->setModelData(editor, model_, view_->currentIndex());
    if (const auto problem = findGenreTableProblem(model_->rules())) {
        problem_->setText(problem->text);
        problem_->show();
        select(problem->row, problem->column);
        return;
    }
    QDialog::accept();
}

void GenreRulesDialog::addRule()
{
    const int row = view_->currentIndex().isValid() ? view_->currentIndex().row() + 1 : model_->rowCount();
    model_->insertRule(row);
    select(row, GenreRulesModel::keywordColumn);
    view_->edit(view_->currentIndex());
}

void GenreRulesDialog::removeRule()
{
    const QModelIndex current = view_->currentIndex();
    if (!current.isValid())
        return;
    model_->removeRule(current.row());
    select(std::min(current.row(), model_->rowCount() - 1), current.column());
}

void GenreRulesDialog::moveRule(int step)
{
    const QModelIndex current = view_->currentIndex();
    const int target = current.row() + step;
    if (!current.isValid() || target < 0 || target >= model_->rowCount())
        return;
    model_->moveRule(current.row(), step);
    select(target, current.column());
}

void GenreRulesDialog::restoreStandard()
{
    model_->setRules(listing::standardGenreRules(rules_));
    select(0, GenreRulesModel::keywordColumn);
}

void GenreRulesDialog::tableChanged()
{
    classifier_.reset();
    problem_->hide();
    showTry();
}

void GenreRulesDialog::showTry()
{
    const QString name = tryName_->text();
    if (name.isEmpty()) {
        tryLabel_->setText(QStringLiteral("ラベル"));
        tryLabel_->setEnabled(false);
        return;
    }
    if (!classifier_)
        classifier_.emplace(rules_, table());
    const std::string label = classifier_->StrFind(name.toLocal8Bit().toStdString());
    tryLabel_->setEnabled(true);
    tryLabel_->setText(label.empty() ? QStringLiteral("（なし）") : QString::fromLocal8Bit(label));
}

void GenreRulesDialog::select(int row, int column)
{
    // The table keeps the keyboard after every button, so the arrows,
    // F2 and Delete go on working on the rows.
    view_->setFocus();
    if (row < 0)
        return;
    view_->setCurrentIndex(model_->index(row, column));
}

} // namespace quorrin::ui
