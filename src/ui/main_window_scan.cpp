#include "ui/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <utility>

namespace quorrin::ui {

namespace {

// So many unreadable folders are named; the rest are counted.
constexpr std::size_t namedUnreadableFolders = 5;

std::string unreadableFoldersNotice(const std::vector<std::string>& folders)
{
    std::string text = "読み込めなかったサブフォルダが " + std::to_string(folders.size()) + " 個あります。";
    const std::size_t named = std::min(folders.size(), namedUnreadableFolders);
    for (std::size_t i = 0; i < named; ++i)
        text += "\n" + folders[i];
    if (folders.size() > named)
        text += "\nほか " + std::to_string(folders.size() - named) + " 個";
    return text;
}

} // namespace

void TForm1::buildScanMenu(QMenu* menu)
{
    subfoldersAction_ = menu->addAction(QStringLiteral("サブフォルダも含める"), this,
                                        [this] { userAction([&] { ScanSubfoldersClick(); }); });
    subfoldersAction_->setObjectName(QStringLiteral("ScanSubfolders"));
    subfoldersAction_->setCheckable(true);

    QMenu* depth = menu->addMenu(QStringLiteral("サブフォルダの深さ"));
    depth->setObjectName(QStringLiteral("ScanDepth"));
    auto* group = new QActionGroup(depth);
    const std::pair<QString, std::int32_t> choices[] = {{QStringLiteral("すべて"), 0},
                                                        {QStringLiteral("1"), 1},
                                                        {QStringLiteral("2"), 2},
                                                        {QStringLiteral("3"), 3},
                                                        {QStringLiteral("5"), 5}};
    for (const auto& [text, levels] : choices) {
        QAction* action = depth->addAction(text, this, [this, levels] { userAction([&] { ScanDepthClick(levels); }); });
        action->setCheckable(true);
        action->setData(levels);
        action->setObjectName(QStringLiteral("ScanDepth%1").arg(levels));
        group->addAction(action);
        depthActions_.push_back(action);
    }
    showScanChoice();
}

void TForm1::showScanChoice()
{
    subfoldersAction_->setChecked(scan_.subfolders);
    // A depth stored by hand that the menu does not offer checks none.
    for (QAction* action : depthActions_) {
        action->setChecked(action->data().toInt() == scan_.depth);
        action->setEnabled(scan_.subfolders);
    }
}

void TForm1::ScanSubfoldersClick()
{
    scan_.subfolders = subfoldersAction_->isChecked();
    showScanChoice();
    ReadFoldersBelow(true);
    FileListBox1Change();
}

void TForm1::ScanDepthClick(std::int32_t depth)
{
    scan_.depth = depth;
    showScanChoice();
    if (!scan_.subfolders)
        return;
    ReadFoldersBelow(true);
    FileListBox1Change();
}

void TForm1::ReadFoldersBelow(bool always)
{
    if (!always && walkedRead_ == FileListBox1.readCount())
        return;
    walkedRead_ = FileListBox1.readCount();
    // Released first: the old tree must not sit beside the new one.
    tree_ = {};
    if (!scan_.subfolders)
        return;
    tree_ =
        browse::readFoldersBelow(services_.fileSystem, services_.rules, FileListBox1.CurrentDir(), FileListBox1.Mask(),
                                 FileListBox1.FileType(), browse::WalkOptions{scan_.subfolders, scan_.depth, 0}, {});
    if (!tree_.unreadable.empty())
        errorDisplay_->showNotice(unreadableFoldersNotice(tree_.unreadable));
}

} // namespace quorrin::ui
