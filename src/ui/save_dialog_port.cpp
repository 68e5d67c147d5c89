#include "ui/save_dialog_port.h"

#include "ui/dialog_placement.h"
#include "ui/path_conversion.h"

#include <QFileDialog>
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

} // namespace

std::optional<persist::SaveDialogAnswer> QtSaveDialogPort::run(QWidget* owner,
                                                               const persist::SaveDialogRequest& request)
{
    const QStringList types{QStringLiteral("テキストファイル(*.txt)"), QStringLiteral("すべてのファイル (*)")};

    QFileDialog dialog(owner, QStringLiteral("テキストファイルへ保存"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, !nativeDialog_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(types);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setWindowModality(Qt::ApplicationModal);
    if (!request.startDirectory.empty())
        dialog.setDirectory(qtPath(request.startDirectory));
    // A full name also moves the dialog to its folder.
    if (!request.fileName.empty())
        dialog.selectFile(qtPath(request.fileName));
    dialog.selectNameFilter(types.value(request.typeIndex, types.first()));

    dialog.setSizeGripEnabled(false);
    dialog.setFixedSize(dialog.sizeHint());
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
