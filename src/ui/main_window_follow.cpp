#include "browse/vanished_directory.h"
#include "ui/list_control_view.h"
#include "ui/main_window.h"
#include "ui/view_place.h"

#include <QApplication>
#include <QListView>
#include <QTimer>

#include <chrono>

namespace quorrin::ui {

namespace {

// How often the watches are asked; a change shows within this and the
// read's own time.
constexpr auto lookInterval = std::chrono::milliseconds(200);

std::string unwatchedFoldersNotice(std::size_t count)
{
    return "システムの監視の上限に達したため、" + std::to_string(count) +
           " 個のフォルダは変更を自動では反映できません。これらのフォルダは次に読み込むときに反映されます。";
}

} // namespace

void TForm1::startFollowingDisk()
{
    auto* timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("DiskWatchTimer"));
    connect(timer, &QTimer::timeout, this, &TForm1::followDisk);
    timer->start(lookInterval);
}

void TForm1::followDisk()
{
    // Under an open dialog the lists stay as the user left them; they catch
    // up once it is closed.
    if (!FileListBox1.windowCreated() || heldAtRead_ == FileListBox1.readCount() ||
        QApplication::activeModalWidget() != nullptr)
        return;
    const bool listChanged = FileListBox1.changedOnDisk();
    if (listChanged || (treeWatch_ != nullptr && treeWatch_->changed()))
        pacer_.changed();
    // A read under way brings a fresh watch when it lands.
    if (walking_ || readingFiles() || !pacer_.start(std::chrono::steady_clock::now()))
        return;

    const ViewPlace filePlace(fileListView_, false);
    const ViewPlace outputPlace(ListBox1, true);
    following_ = true;
    try {
        if (!services_.fileSystem.directoryExists(FileListBox1.CurrentDir()))
            leaveVanishedFolder();
        else if (listChanged) {
            // A folder made, removed or renamed there shows in the
            // directory list too.
            DirectoryListBox1.RefreshSubdirectories();
            FileListBox1.Refresh();
        } else
            ReadFoldersBelow(true);
    } catch (const std::exception& e) {
        holdFollowing(e.what());
    }
    following_ = false;
    // A read of the listed folder lands later; the places wait for it.
    if (quietRead_ && FileListBox1.reading()) {
        heldPlaces_.emplace(filePlace, outputPlace);
        return;
    }
    refreshViews();
    filePlace.restore();
    outputPlace.restore();
    if (!walking_)
        pacer_.finished(std::chrono::steady_clock::now());
}

void TForm1::holdFollowing(const std::string& error)
{
    // Nobody asked for this read: the user is told once, beside the window,
    // and the folder is looked at again after the next read.
    heldAtRead_ = FileListBox1.readCount();
    errorDisplay_->showNotice(withClosingStop(error));
}

void TForm1::leaveVanishedFolder()
{
    // As ".." typed there would: the nearest ancestor that still exists.
    DirectoryListBox1.SetCurrentDir(
        browse::fromVanishedDirectory(services_.fileSystem, services_.rules, FileListBox1.CurrentDir(), ".."));
}

void TForm1::noticeUnwatchedFolders(std::string notice)
{
    const std::size_t unwatched = treeWatch_ != nullptr ? treeWatch_->unwatched() : 0;
    if (unwatched > 0 && FileListBox1.CurrentDir() != unwatchedNoticeFor_) {
        unwatchedNoticeFor_ = FileListBox1.CurrentDir();
        notice += (notice.empty() ? "" : "\n\n") + unwatchedFoldersNotice(unwatched);
    }
    if (!notice.empty())
        errorDisplay_->showNotice(notice);
}

} // namespace quorrin::ui
