// Opening a folder or file from outside the window: the command line and
// drag and drop.

#include "ui/main_window.h"
#include "ui/path_conversion.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

namespace quorrin::ui {

namespace {

// The first of the dragged items when it is a local file or folder; the
// others are left alone.
std::optional<std::string> firstLocalPath(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls())
        return std::nullopt;
    const QList<QUrl> urls = data->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return std::nullopt;
    return bytePath(urls.first().toLocalFile());
}

// Opening a dropped item only reads it: offer a link or a copy, never a
// move, after which the source would delete what it dragged here.
std::optional<Qt::DropAction> harmlessAction(Qt::DropActions possible)
{
    for (const Qt::DropAction action : {Qt::LinkAction, Qt::CopyAction}) {
        if (possible.testFlag(action))
            return action;
    }
    return std::nullopt;
}

bool takeDrop(QDropEvent* event)
{
    const auto action = harmlessAction(event->possibleActions());
    if (!action || !firstLocalPath(event->mimeData())) {
        event->ignore();
        return false;
    }
    event->setDropAction(*action);
    event->accept();
    return true;
}

} // namespace

void TForm1::openPath(const std::string& path)
{
    // Read as a path typed into the mask box; the folder the picker opens on
    // stays the one chosen there.
    userAction([&] { FileListBox1.ApplyPathText(path); });
}

void TForm1::acceptDroppedPaths()
{
    setAcceptDrops(true);
    // The edit boxes would take a dropped item as text; without drops of
    // their own, a drop on them reaches the window.
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->setAcceptDrops(false);
}

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    takeDrop(event);
}

void TForm1::dragMoveEvent(QDragMoveEvent* event)
{
    takeDrop(event);
}

void TForm1::dropEvent(QDropEvent* event)
{
    if (takeDrop(event))
        openPath(*firstLocalPath(event->mimeData()));
}

} // namespace quorrin::ui
