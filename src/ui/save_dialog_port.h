#pragma once

#include "persist/save_dialog_memory.h"

#include <optional>

class QWidget;

namespace quorrin::ui {

// The save dialog as the window's save command sees it.
class SaveDialogPort {
public:
    virtual ~SaveDialogPort() = default;

    // Asks for the file to save the listing to, modal over the whole
    // application. The confirmed full name (code page) and file type, or
    // nothing when the user cancelled. The dialog itself asks before an
    // existing file is replaced.
    virtual std::optional<persist::SaveDialogAnswer> run(QWidget* owner, const persist::SaveDialogRequest& request) = 0;
};

// Qt's file dialog titled "テキストファイルへ保存" with the types text files
// and all files, the suffix "txt" added to a name typed without one, a fixed
// size, and opened at the upper third of the owner's screen. The platform's
// own dialog unless `nativeDialog` is false (Qt's widgets, which tests can
// drive and which honour the size and the place).
class QtSaveDialogPort final : public SaveDialogPort {
public:
    explicit QtSaveDialogPort(bool nativeDialog = true) : nativeDialog_(nativeDialog) {}
    std::optional<persist::SaveDialogAnswer> run(QWidget* owner, const persist::SaveDialogRequest& request) override;

private:
    bool nativeDialog_;
};

} // namespace quorrin::ui
