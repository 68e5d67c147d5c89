#pragma once

#include "support/file_content.h"
#include "support/fixed_locale.h"
#include "support/memory_file_system.h"
#include "support/temp_dir.h"
#include "text/utf8_text_rules.h"
#include "ui/error_display.h"
#include "ui/main_window.h"

#include <QString>
#include <QTest>

#include <deque>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorrin::ui::test {

// What the user would have read in the error box.
struct RecordingErrorDisplay final : ErrorDisplay {
    explicit RecordingErrorDisplay(std::vector<std::string>& shown) : shown(shown) {}
    void show(const std::string& message) override { shown.push_back(message); }
    std::vector<std::string>& shown;
};

// Plays the user at the save dialog: answers each opening with the next
// scripted answer (nothing = cancel) and keeps what it was asked.
struct ScriptedSaveDialog final : SaveDialogPort {
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

struct ScriptedFolderPicker final : FolderPickerPort {
    std::optional<std::string> pick(QWidget*, const std::string& start) override
    {
        starts.push_back(start);
        return answer;
    }
    std::optional<std::string> answer;
    std::vector<std::string> starts;
};

struct RecordingClipboard final : ClipboardPort {
    void putText(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

// Plays the user at the question about characters an encoding cannot hold
// and keeps what it was asked.
struct ScriptedUnmappableQuestion final : UnmappableQuestionPort {
    struct Asked {
        QString encodingName;
        std::size_t lineCount;
        QStringList firstLines;
        friend bool operator==(const Asked&, const Asked&) = default;
    };
    UnmappableAnswer ask(QWidget*, const QString& encodingName, std::size_t lineCount,
                         const QStringList& firstLines) override
    {
        asked.push_back({encodingName, lineCount, firstLines});
        return answer;
    }
    UnmappableAnswer answer = UnmappableAnswer::cancel;
    std::vector<Asked> asked;
};

// The window reads folders off the event loop: turns the loop until no read
// is under way; false when one still runs after five seconds.
inline bool idle(TForm1& window)
{
    return QTest::qWaitFor([&] { return !window.readingFiles() && !window.readingFolders(); }, 5000);
}

// A main window on the file system FS with every port scripted; the settings
// file lives in a real temporary folder.
template <typename FS> class World {
public:
    World()
    {
        locale.settings.shortDateFormat = "yyyy/mm/dd";
        locale.settings.longTimeFormat = "h:mm:ss";
        settingsPath = dir / "quorrin.ini";
    }

    // The window once its first reads have landed.
    std::unique_ptr<TForm1> open()
    {
        auto window = openReading();
        if (!idle(*window))
            throw std::runtime_error("the window's first read did not end");
        return window;
    }

    // The window as it comes up, its first read maybe under way.
    std::unique_ptr<TForm1> openReading()
    {
        const WindowServices services{fs, rules, locale, [this] { return settingsPath; }, "quorrin"};
        TForm1::Ports ports;
        ports.errors = std::make_unique<RecordingErrorDisplay>(errors);
        ports.saveDialog = std::unique_ptr<ScriptedSaveDialog>(saveDialog = new ScriptedSaveDialog);
        ports.folderPicker = std::unique_ptr<ScriptedFolderPicker>(folderPicker = new ScriptedFolderPicker);
        ports.clipboard = std::unique_ptr<RecordingClipboard>(clipboard = new RecordingClipboard);
        ports.unmappableQuestion =
            std::unique_ptr<ScriptedUnmappableQuestion>(unmappableQuestion = new ScriptedUnmappableQuestion);
        ports.charsets = std::move(charsets);
        return std::make_unique<TForm1>(services, std::move(ports));
    }

    std::string read(const std::string& name) const { return quorrin::testing::contentOf(dir / name); }

    quorrin::testing::TempDir dir;
    text::Utf8TextRules rules;
    FS fs{rules};
    quorrin::testing::FixedLocale locale;
    std::string settingsPath;
    std::vector<std::string> errors;
    ScriptedSaveDialog* saveDialog = nullptr;
    ScriptedFolderPicker* folderPicker = nullptr;
    RecordingClipboard* clipboard = nullptr;
    ScriptedUnmappableQuestion* unmappableQuestion = nullptr;
    // The system's converters unless a test sets its own before opening.
    std::unique_ptr<platform::CharsetConverter> charsets;
};

// A Windows-like machine in memory: drive C with C:\Data (four files and a
// folder Sub), drive D with D:\Docs; the process starts in C:\Data.
class WindowWorld : public World<quorrin::testing::MemoryFileSystem> {
public:
    WindowWorld()
    {
        using platform::DriveType;
        fs.addDrive('C', DriveType::fixed, "WINDOWS");
        fs.addDrive('D', DriveType::fixed, "DATA");
        const auto time = platform::fileTimeFromUnix(1138439107); // 2006-01-28 09:05:07 UTC
        for (const auto& [name, size] : {std::pair{"tool.exe", 1000},
                                         {"run.com", 20},
                                         {"readme.txt", 1234},
                                         {"アニメ映画.avi", 4096},
                                         {"Sub\\inner.txt", 7}})
            fs.addFile(std::string("C:\\Data\\") + name, size, time);
        fs.addFile("D:\\Docs\\memo.doc", 5, time);
        fs.changeDirectory("C:\\Data");
    }
};

inline QStringList toQStrings(const std::vector<std::string>& lines)
{
    QStringList out;
    for (const auto& line : lines)
        out << QString::fromStdString(line);
    return out;
}

} // namespace quorrin::ui::test
