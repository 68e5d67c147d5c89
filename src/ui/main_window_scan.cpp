#include "compose/listing_composer.h"
#include "ui/byte_list_model.h"
#include "ui/main_window.h"
#include "ui/paced_progress.h"
#include "ui/view_place.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QShortcut>

#include <chrono>
#include <memory>
#include <utility>

namespace quorrin::ui {

namespace {

// So many unreadable folders are named; the rest are counted.
constexpr std::size_t namedUnreadableFolders = 5;

// 123456 as "123,456".
QString groupedCount(std::size_t count)
{
    QString digits = QString::number(count);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return digits;
}

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
    // Esc stops a read; it is only taken while one runs.
    cancelShortcut_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    cancelShortcut_->setEnabled(false);
    connect(cancelShortcut_, &QShortcut::activated, this, handler(&TForm1::CancelReads));
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
    CancelFolderRead();
    // A read for a change on disk shows the tree it had until the new one
    // is in, so the listing never loses its lines in between.
    if (!following_ || !scan_.subfolders)
        replaceTree({});
    if (!scan_.subfolders) {
        // Only to count the listed folder among the unwatched when the
        // system has no watch left for it.
        treeWatch_ = services_.fileSystem.watchTree(FileListBox1.CurrentDir());
        return;
    }
    const std::uint64_t generation = ++walkGeneration_;
    quietWalk_ = following_;
    setWalking(true);
    // Begun before the walk reads anything; each folder joins it as the
    // walk comes to it.
    std::shared_ptr<platform::TreeWatch> watch = services_.fileSystem.watchTree(FileListBox1.CurrentDir());
    walker_ = std::jthread([this, generation, watch, snapshot = listingSnapshot(), &fs = services_.fileSystem,
                            &rules = services_.rules, dir = FileListBox1.CurrentDir(), mask = FileListBox1.Mask(),
                            type = FileListBox1.FileType(),
                            options = browse::WalkOptions{true, scan_.depth, 0}](std::stop_token stop) {
        auto tree = std::make_shared<browse::FolderTree>();
        auto lines = std::make_shared<std::vector<std::string>>();
        std::string error;
        try {
            *tree = browse::readFoldersBelow(
                fs, rules, dir, mask, type, options,
                pacedProgress(stop, *this,
                              [this, generation](std::size_t found) { showFolderReadCount(generation, found); }),
                watch.get());
            // Composed here, not on the event loop: a million lines take
            // the better part of a second.
            if (!tree->cancelled)
                *lines = compose::composeFoldersBelow(snapshot->format(), *tree, stop);
        } catch (const std::exception& e) {
            // Shown as every error is, once back in the window.
            error = e.what();
        }
        if (!tree->cancelled && !stop.stop_requested())
            QMetaObject::invokeMethod(
                this,
                [this, generation, tree, lines, snapshot, error, watch] {
                    finishFolderRead(generation, std::move(*tree), std::move(*lines), snapshot->inputs, error, watch);
                },
                Qt::QueuedConnection);
    });
}

void TForm1::replaceTree(browse::FolderTree tree)
{
    const std::size_t entries = tree_.entryCount;
    freeBeside(freeing_, std::exchange(tree_, std::move(tree)), entries);
    linesBelowStand_ = false;
}

void TForm1::CancelFolderRead()
{
    if (!walking_)
        return;
    // Whatever the stopped walk had already sent is stale from here on.
    ++walkGeneration_;
    walker_ = {};
    setWalking(false);
    quietWalk_ = false;
    pacer_.finished(std::chrono::steady_clock::now());
}

void TForm1::CancelReads()
{
    FileListBox1.StopReading();
    CancelFolderRead();
    showFileCount();
}

void TForm1::setWalking(bool walking)
{
    if (walking == walking_)
        return;
    walking_ = walking;
    walkFound_ = 0;
    showBusy();
}

void TForm1::setReadingFiles(bool reading)
{
    if (reading == readingFiles_)
        return;
    readingFiles_ = reading;
    readFound_ = 0;
    showBusy();
}

void TForm1::showBusy()
{
    // Reads for a change on disk go on unseen, and Esc keeps its use.
    const bool busy = (walking_ && !quietWalk_) || (readingFiles_ && !quietRead_);
    if (busy == busyShown_)
        return;
    busyShown_ = busy;
    cancelShortcut_->setEnabled(busy);
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void TForm1::fileReadStarted()
{
    // A read for a change on disk that another read supersedes is over.
    if (readingFiles_ && quietRead_)
        pacer_.finished(std::chrono::steady_clock::now());
    quietRead_ = following_;
    if (!quietRead_)
        heldPlaces_.reset();
    // The folders below belong to the read before; a read for a change on
    // disk shows them until the walk after it brings the new ones.
    CancelFolderRead();
    if (!quietRead_)
        replaceTree({});
    composedLines_.reset();
    fileListDirty_ = true;
    // Another folder's lines never stand under this one; a read of the
    // same folder leaves them until the new ones land.
    if (FileListBox1.Items().empty()) {
        std::vector<std::string>().swap(lines_);
        linesInputs_.reset();
        outputModel_->refresh();
    }
    setReadingFiles(true);
    readFound_ = 0;
    showFileCount();
}

void TForm1::fileReadEnded()
{
    setReadingFiles(false);
    if (quietRead_)
        pacer_.finished(std::chrono::steady_clock::now());
}

void TForm1::landFileRead(const std::function<void()>& landing)
{
    if (!std::exchange(quietRead_, false)) {
        userAction(landing);
        return;
    }
    // Nobody asked for this read: what it brings, the walk it starts and
    // any error stay as quiet as the read itself, and the lists keep their
    // place.
    following_ = true;
    try {
        landing();
    } catch (const std::exception& e) {
        holdFollowing(e.what());
    }
    following_ = false;
    refreshViews();
    if (const auto places = std::exchange(heldPlaces_, std::nullopt)) {
        places->first.restore();
        places->second.restore();
    }
}

void TForm1::waitForReads()
{
    while (readingFiles() || walking_)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
}

void TForm1::showFileCount()
{
    const std::size_t listed = FileListBox1.Items().size();
    if (readingFiles_ && !quietRead_)
        FileCount_Label->setText(QStringLiteral("読込中 ") + groupedCount(readFound_));
    else if (walking_ && !quietWalk_)
        FileCount_Label->setText(QStringLiteral("読込中 ") + groupedCount(listed + walkFound_));
    else
        FileCount_Label->setText(QString::number(listed + tree_.entryCount));
    FileCount_Label->adjustSize();
}

void TForm1::showFolderReadCount(std::uint64_t generation, std::size_t found)
{
    if (generation != walkGeneration_ || !walking_)
        return;
    walkFound_ = found;
    showFileCount();
}

void TForm1::finishFolderRead(std::uint64_t generation, browse::FolderTree tree, std::vector<std::string> treeLines,
                              const ListingInputs& composedWith, const std::string& error,
                              std::shared_ptr<platform::TreeWatch> watch)
{
    if (generation != walkGeneration_ || !walking_)
        return;
    walker_ = {};
    const bool quiet = quietWalk_;
    setWalking(false);
    quietWalk_ = false;
    pacer_.finished(std::chrono::steady_clock::now());
    if (!error.empty()) {
        showFileCount();
        if (quiet)
            holdFollowing(error);
        else
            showError(error);
        return;
    }
    // The same folders unreadable as at the last walk are not told again
    // for every change on disk.
    const bool unreadableNews = !tree.unreadable.empty() && (!quiet || tree.unreadable != tree_.unreadable);
    // The lines shown hold the listed folder's files and nothing below it;
    // a walk that found nothing to list below either leaves them as they
    // are, which spares composing a huge flat folder again on the event loop.
    const bool linesStand = tree.folders.empty() && tree_.folders.empty();
    replaceTree(std::move(tree));
    treeWatch_ = std::move(watch);
    const ViewPlace outputPlace(ListBox1, true);
    // The listed folder's lines stay; the new folders' lines take the old
    // ones' place, as composed on the walk's thread, unless something they
    // depend on changed while it ran.
    const bool composedAsShown =
        !linesStand && linesInputs_ && *linesInputs_ == composedWith && composedWith == listingInputs();
    userAction([&] {
        if (composedAsShown) {
            std::vector<std::string> old = takeLinesBelow();
            const std::size_t oldLines = old.size();
            freeBeside(freeing_, std::move(old), oldLines);
            compose::appendLines(lines_, std::move(treeLines));
            linesBelowStand_ = true;
            outputModel_->refresh();
        } else if (!linesStand) {
            ListDataSet();
        }
        showFileCount();
    });
    if (quiet)
        outputPlace.restore();
    noticeUnwatchedFolders(unreadableNews ? unreadableFoldersNotice(tree_.unreadable) : std::string());
}

} // namespace quorrin::ui
