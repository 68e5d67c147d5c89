#pragma once

#include <optional>
#include <string>

class QWidget;

namespace quorrin::ui {

// The folder browser as the window's folder command sees it.
class FolderPickerPort {
public:
    virtual ~FolderPickerPort() = default;

    // Lets the user choose a folder, starting on `start` (code page); an
    // empty or missing start leaves the browser where it opens by default.
    // One existing directory, absolute and without a trailing separator
    // except for a root, or nothing when the user cancelled.
    virtual std::optional<std::string> pick(QWidget* owner, const std::string& start) = 0;
};

// Qt's file dialog in its folder mode, titled "フォルダを選択してください。"
// and showing folders only. The platform's own dialog unless `nativeDialog`
// is false; Qt's widget dialog then gets a status line under its fields that
// shows the full path of the folder selected or entered, as the user moves.
class QtFolderPickerPort final : public FolderPickerPort {
public:
    explicit QtFolderPickerPort(bool nativeDialog = true) : nativeDialog_(nativeDialog) {}
    std::optional<std::string> pick(QWidget* owner, const std::string& start) override;

private:
    bool nativeDialog_;
};

} // namespace quorrin::ui
