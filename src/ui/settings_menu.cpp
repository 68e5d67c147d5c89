#include "ui/main_window.h"

#include "ui/genre_rules_dialog.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include <utility>
#include <vector>

namespace quorrin::ui {

namespace {

using listing::DateStyle;
using listing::LineEnd;
using listing::SortKey;
using listing::TextEncoding;

template <typename Choice> using MenuChoices = std::vector<std::pair<Choice, const char*>>;

const MenuChoices<TextEncoding> encodingChoices{
    {TextEncoding::system, "システム標準"},     {TextEncoding::utf8, "UTF-8"},
    {TextEncoding::utf8Bom, "UTF-8 (BOM付き)"}, {TextEncoding::shiftJis, "Shift_JIS"},
    {TextEncoding::utf16le, "UTF-16LE"},
};
const MenuChoices<LineEnd> lineEndChoices{{LineEnd::crlf, "CR+LF"}, {LineEnd::lf, "LF"}};
const MenuChoices<DateStyle> dateChoices{{DateStyle::system, "システムの形式"}, {DateStyle::iso, "ISO 8601"}};
const MenuChoices<SortKey> sortChoices{
    {SortKey::name, "名前"}, {SortKey::natural, "名前 (数字順)"}, {SortKey::size, "サイズ"},
    {SortKey::date, "日付"}, {SortKey::genre, "オプション"},      {SortKey::ext, "拡張子"},
};

} // namespace

QString encodingMenuName(TextEncoding encoding)
{
    for (const auto& [choice, name] : encodingChoices)
        if (choice == encoding)
            return QString::fromUtf8(name);
    return {};
}

// One submenu of radio items; choosing one stores it and rebuilds the
// listing like any other change. The items are named after the submenu and
// their place, so tests can find them.
template <typename Choice>
QMenu* TForm1::addChoiceMenu(QMenu* parent, const QString& title, const QString& name,
                             const std::vector<std::pair<Choice, const char*>>& choices,
                             Choice listing::OutputOptions::*field)
{
    QMenu* menu = parent->addMenu(title);
    menu->setObjectName(name);
    auto* group = new QActionGroup(menu);
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const Choice choice = choices[i].first;
        QAction* action = menu->addAction(QString::fromUtf8(choices[i].second));
        action->setObjectName(name + QString::number(i));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, choice, field] {
            userAction([&] {
                output_.*field = choice;
                rebuildListing();
            });
        });
        outputMenuSync_.push_back([this, action, choice, field] { action->setChecked(output_.*field == choice); });
    }
    return menu;
}

// One check item for an output choice that is on or off.
void TForm1::addOutputCheck(QMenu* menu, const QString& title, const QString& name, bool listing::OutputOptions::*field)
{
    QAction* action = menu->addAction(title);
    action->setObjectName(name);
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, field](bool checked) {
        userAction([&] {
            output_.*field = checked;
            rebuildListing();
        });
    });
    outputMenuSync_.push_back([this, action, field] { action->setChecked(output_.*field); });
}

void TForm1::buildSettingsMenu()
{
    QMenu* settings = menuBar()->addMenu(QStringLiteral("設定"));
    settings->setObjectName(QStringLiteral("Settings1"));
    addChoiceMenu(settings, QStringLiteral("文字コード"), QStringLiteral("Encoding"), encodingChoices,
                  &listing::OutputOptions::encoding);
    addChoiceMenu(settings, QStringLiteral("改行"), QStringLiteral("LineEnd"), lineEndChoices,
                  &listing::OutputOptions::lineEnd);
    addOutputCheck(settings, QStringLiteral("見出し行を付ける"), QStringLiteral("Header"),
                   &listing::OutputOptions::header);
    addChoiceMenu(settings, QStringLiteral("日付の形式"), QStringLiteral("Dates"), dateChoices,
                  &listing::OutputOptions::dates);
    QMenu* sort = addChoiceMenu(settings, QStringLiteral("並べ替え"), QStringLiteral("Sort"), sortChoices,
                                &listing::OutputOptions::sort);
    sort->addSeparator();
    addOutputCheck(sort, QStringLiteral("降順"), QStringLiteral("Descending"), &listing::OutputOptions::descending);
    settings->addSeparator();
    buildScanMenu(settings);
    settings->addSeparator();
    QAction* genre = settings->addAction(QStringLiteral("ジャンルの規則…"));
    genre->setObjectName(QStringLiteral("GenreRules"));
    connect(genre, &QAction::triggered, this, handler(&TForm1::editGenreRules));
    syncSettingsMenu();
}

void TForm1::editGenreRules()
{
    GenreRulesDialog dialog(services_.rules, genre_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    genre_ = dialog.table();
    classifier_ = listing::CategoryClassifier(services_.rules, genre_);
    ++classifierVersion_;
    rebuildListing();
}

void TForm1::syncSettingsMenu()
{
    for (const auto& sync : outputMenuSync_)
        sync();
}

} // namespace quorrin::ui
