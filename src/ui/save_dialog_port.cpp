#include "ui/save_dialog_port.h"

#include "ui/dialog_placement.h"
#include "ui/fitted_columns.h"
#include "ui/path_conversion.h"
#include "ui/private_qt_settings.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace quorrin::ui {

namespace {

// The screen that shows the window the dialog belongs to.
QScreen* screenOf(QWidget* owner)
{
    return owner != nullptr ? owner->window()->screen() : QGuiApplication::primaryScreen();
}

// The folder the dialog opens in: the start itself, or the folder of the
// file it names; where neither exists, the process's current directory,
// which the browsing controls keep on the listed folder.
QString startFolder(const std::string& start)
{
    if (start.empty())
        return QDir::currentPath();
    const QFileInfo info(qtPath(start));
    if (info.isDir())
        return info.absoluteFilePath();
    if (info.absoluteDir().exists())
        return info.absolutePath();
    return QDir::currentPath();
}

} // namespace

std::optional<persist::SaveDialogAnswer> QtSaveDialogPort::run(QWidget* owner,
                                                               const persist::SaveDialogRequest& request)
{
    const QStringList types{QStringLiteral("テキストファイル(*.txt)"), QStringLiteral("すべてのファイル (*)")};

    keepQtSettingsPrivate();
    // Told its folder when made, so it never looks at another one first.
    QFileDialog dialog(owner, QStringLiteral("テキストファイルへ保存"), startFolder(request.startDirectory));
    dialog.setOption(QFileDialog::DontUseNativeDialog, !nativeDialog_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(types);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setWindowModality(Qt::ApplicationModal);
    // A full name also moves the dialog to its folder.
    if (!request.fileName.empty())
        dialog.selectFile(qtPath(request.fileName));
    dialog.selectNameFilter(types.value(request.typeIndex, types.first()));

    dialog.setSizeGripEnabled(false);
    dialog.setFixedSize(dialog.sizeHint());
    fitColumnsToView(dialog);
    // Placed before it shows, by its own size: the frame is not known yet.
    if (QScreen* screen = screenOf(owner))
        dialog.move(upperThirdCentre(screen->availableGeometry(), dialog.size()));

    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    return persist::SaveDialogAnswer{
        bytePath(chosen.first()), static_cast<int>(std::max<qsizetype>(0, types.indexOf(dialog.selectedNameFilter())))};
}

} // namespace quorrin::ui
