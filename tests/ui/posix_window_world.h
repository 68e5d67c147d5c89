#pragma once

#include "platform/posix/posix_file_system.h"
#include "platform/posix/utf8_text_rules.h"
#include "support/fixed_locale.h"
#include "support/temp_dir.h"
#include "window_world.h"

#include <deque>
#include <optional>

namespace quorrin::ui::test {

// Plays the user at the save dialog: answers each opening with the next
// scripted answer (nothing = cancel) and keeps what it was asked.
class ScriptedSaveDialog final : public SaveDialogPort {
public:
    std::optional<persist::SaveDialogAnswer> run(QWidget*, const persist::SaveDialogRequest& request) override
    {
        requests.push_back(request);
        if (answers.empty())
            return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<std::optional<persist::SaveDialogAnswer>> answers;
    std::vector<persist::SaveDialogRequest> requests;
};

class ScriptedFolderPicker final : public FolderPickerPort {
public:
    std::optional<std::string> pick(QWidget*, const std::string& start) override
    {
        starts.push_back(start);
        return answer;
    }

    std::optional<std::string> answer;
    std::vector<std::string> starts;
};

class RecordingClipboard final : public ClipboardPort {
public:
    void putText(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

// The real file system of this machine: the window lists a temporary folder
// with three files and a subfolder, and saves into it.
class PosixWindowWorld {
public:
    PosixWindowWorld()
    {
        dir.makeDirectory("list");
        dir.writeFile("list/a.txt", "aaaa");
        dir.writeFile("list/b.txt", "bb");
        dir.writeFile("list/日本.txt", "n");
        dir.makeDirectory("list/sub");
        dir.makeDirectory("out");
        fs.changeDirectory(dir / "list");
        locale.settings.shortDateFormat = "yyyy/mm/dd";
        locale.settings.longTimeFormat = "h:mm:ss";
        settingsPath = dir / "quorrin.ini";
    }

    std::unique_ptr<TForm1> open()
    {
        const WindowServices services{fs, rules, locale, [this] { return settingsPath; }, "quorrin"};
        TForm1::Ports ports;
        ports.errors = std::make_unique<RecordingErrorDisplay>(errors);
        auto dialog = std::make_unique<ScriptedSaveDialog>();
        saveDialog = dialog.get();
        ports.saveDialog = std::move(dialog);
        auto picker = std::make_unique<ScriptedFolderPicker>();
        folderPicker = picker.get();
        ports.folderPicker = std::move(picker);
        auto clip = std::make_unique<RecordingClipboard>();
        clipboard = clip.get();
        ports.clipboard = std::move(clip);
        return std::make_unique<TForm1>(services, std::move(ports));
    }

    std::string read(const std::string& name) const
    {
        std::ifstream in(dir / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    quorrin::testing::TempDir dir;
    platform::posix::Utf8TextRules rules;
    platform::posix::PosixFileSystem fs{rules};
    quorrin::testing::FixedLocale locale;
    std::string settingsPath;
    std::vector<std::string> errors;
    ScriptedSaveDialog* saveDialog = nullptr;
    ScriptedFolderPicker* folderPicker = nullptr;
    RecordingClipboard* clipboard = nullptr;
};

} // namespace quorrin::ui::test
