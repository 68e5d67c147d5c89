#include "ui/folder_picker_port.h"

#include "ui/path_conversion.h"
#include "ui/private_qt_settings.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>

namespace quorrin::ui {

namespace {

// Qt's widget dialog lays its parts out on a grid; one more row below them
// holds the path of the folder under the user's selection.
void addStatusLine(QFileDialog& dialog)
{
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (grid == nullptr)
        return;
    auto* status = new QLabel(&dialog);
    status->setObjectName(QStringLiteral("statusLine"));
    status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status->setText(QDir::toNativeSeparators(dialog.directory().absolutePath()));
    grid->addWidget(status, grid->rowCount(), 0, 1, -1);
    auto show = [status](const QString& path) {
        if (!path.isEmpty())
            status->setText(QDir::toNativeSeparators(path));
    };
    QObject::connect(&dialog, &QFileDialog::currentChanged, status, show);
    QObject::connect(&dialog, &QFileDialog::directoryEntered, status, show);
}

} // namespace

std::optional<std::string> QtFolderPickerPort::pick(QWidget* owner, const std::string& start)
{
    keepQtSettingsPrivate();
    // An empty or missing start opens the browser on the process's current
    // directory, which the browsing controls keep on the listed folder; the
    // folder is given when the dialog is made, so it never reads another.
    const QFileInfo startFolder(qtPath(start));
    const QString opened = !start.empty() && startFolder.isDir() ? startFolder.absoluteFilePath() : QDir::currentPath();
    QFileDialog dialog(owner, QStringLiteral("フォルダを選択してください。"), opened);
    dialog.setOption(QFileDialog::DontUseNativeDialog, !nativeDialog_);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (!nativeDialog_)
        addStatusLine(dialog);

    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    const QFileInfo folder(chosen.first());
    if (!folder.isDir())
        return std::nullopt;
    return bytePath(QDir::cleanPath(folder.absoluteFilePath()));
}

} // namespace quorrin::ui
