#pragma once

#include "platform/posix/utf8_text_rules.h"
#include "support/fixed_locale.h"
#include "support/memory_file_system.h"
#include "support/temp_dir.h"
#include "ui/error_display.h"
#include "ui/main_window.h"

#include <QString>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace quorrin::ui::test {

// What the user would have read in the error box.
class RecordingErrorDisplay final : public ErrorDisplay {
public:
    explicit RecordingErrorDisplay(std::vector<std::string>& shown) : shown_(shown) {}
    void show(const std::string& message) override { shown_.push_back(message); }

private:
    std::vector<std::string>& shown_;
};

// A Windows-like machine in memory for the main window: drive C with
// C:\Data (four files and a folder Sub), drive D with D:\Docs; the process
// starts in C:\Data. The settings file lives in a real temporary folder.
class WindowWorld {
public:
    WindowWorld()
    {
        using platform::DriveType;
        fs.addDrive('C', DriveType::fixed, "WINDOWS");
        fs.addDrive('D', DriveType::fixed, "DATA");
        const auto time = platform::fileTimeFromUnix(1138439107); // 2006-01-28 09:05:07 UTC
        fs.addFile("C:\\Data\\tool.exe", 1000, time);
        fs.addFile("C:\\Data\\run.com", 20, time);
        fs.addFile("C:\\Data\\readme.txt", 1234, time);
        fs.addFile("C:\\Data\\アニメ映画.avi", 4096, time);
        fs.addDirectory("C:\\Data\\Sub");
        fs.addFile("C:\\Data\\Sub\\inner.txt", 7, time);
        fs.addFile("D:\\Docs\\memo.doc", 5, time);
        fs.changeDirectory("C:\\Data");
        locale.settings.shortDateFormat = "yyyy/mm/dd";
        locale.settings.longTimeFormat = "h:mm:ss";
        settingsPath = dir / "quorrin.ini";
    }

    void writeSettings(const std::string& text) const { dir.writeFile("quorrin.ini", text); }

    std::string readSettings() const
    {
        std::ifstream in(settingsPath, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::unique_ptr<TForm1> open()
    {
        const WindowServices services{fs, rules, locale, [this] { return settingsPath; }, "quorrin"};
        TForm1::Ports ports;
        ports.errors = std::make_unique<RecordingErrorDisplay>(errors);
        return std::make_unique<TForm1>(services, std::move(ports));
    }

    quorrin::testing::TempDir dir;
    platform::posix::Utf8TextRules rules;
    quorrin::testing::MemoryFileSystem fs{rules};
    quorrin::testing::FixedLocale locale;
    std::string settingsPath;
    std::vector<std::string> errors;
};

inline QStringList toQStrings(const std::vector<std::string>& lines)
{
    QStringList out;
    for (const auto& line : lines)
        out << QString::fromStdString(line);
    return out;
}

} // namespace quorrin::ui::test
