#pragma once

#include "browse/edit_box_port.h"
#include "browse/file_list_box.h"
#include "support/memory_file_system.h"
#include "support/shift_jis_text_rules.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin::browse::test {

using Names = std::vector<std::string>;

// Every kind of file the main window's list shows.
inline constexpr FileType mainWindowType = ftReadOnly | ftHidden | ftSystem | ftVolumeID | ftArchive | ftNormal;

// Shift_JIS names: the second byte of 表 is "\", that of ア is 'A'.
inline const std::string hyo = "\x95\x5C";
inline const std::string katakanaA = "\x83\x41";

// A typed text as a test's name: test runners split names at ";" and choke
// on a trailing "\" or on bytes that are not UTF-8, so "\" is shown as "/"
// (Windows reads both alike) and other bytes as %XX.
inline std::string caseLabel(std::string_view text)
{
    std::string label;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            label += '/';
        } else if (byte < 0x20 || byte >= 0x7F || c == ';' || c == '%') {
            static constexpr char hex[] = "0123456789ABCDEF";
            label += '%';
            label += hex[byte >> 4];
            label += hex[byte & 0xF];
        } else {
            label += c;
        }
    }
    return label;
}

// The mask box: remembers what the list told it.
class RecordingEditBox final : public EditBoxPort {
public:
    void setText(const std::string& text) override { texts.push_back(text); }
    void selectAll() override { ++selectAllCount; }
    std::string text() const { return texts.empty() ? std::string() : texts.back(); }

    Names texts;
    int selectAllCount = 0;
};

// A directory list that only records what it is asked to do, so a test can
// see what the file list hands over and that it does not move by itself.
class RecordingDirectoryList final : public DirectoryListLink {
public:
    void SetCurrentDir(const std::string& text) override { requests.push_back(text); }
    Names requests;
};

// The main window's situation on a Windows-like system: drives C and D,
// the list on C:\Data with the mask "*.exe;*.com", the mask box linked.
// Drive D's own current directory is D:\Work.
class FileListWorld : public ::testing::Test {
protected:
    FileListWorld()
    {
        fs.addDrive('C', platform::DriveType::fixed, "WINDOWS");
        fs.addDrive('D', platform::DriveType::fixed, "DATA");
        // Made out of order: the list must sort for itself.
        fs.addFile("C:\\Data\\tool.com", 300);
        fs.addFile("C:\\Data\\readme.txt", 10);
        fs.addDirectory("C:\\Data\\Sub");
        fs.addFile("C:\\Data\\Sub\\inner.exe", 5);
        fs.addFile("C:\\Data\\app.exe", 1000, platform::fileTimeFromUnix(1'600'000'000));
        fs.addFile("C:\\Data\\Notes.TXT", 20);
        fs.addFile("C:\\Data\\hidden.exe", 7, {}, platform::attr::hidden | platform::attr::archive);
        fs.addFile("C:\\Data\\system.com", 8, {}, platform::attr::system | platform::attr::archive);
        fs.addDirectory("C:\\Data\\Folder.exe");
        fs.addFile("C:\\Data\\" + hyo + "\\" + katakanaA + ".com");
        fs.addFile("C:\\top.exe");
        fs.addFile("D:\\Docs\\letter.doc");
        fs.addFile("D:\\Docs\\memo.doc");
        fs.addFile("D:\\Docs\\prog.exe");
        fs.addFile("D:\\Work\\job.com");
        fs.addShare("\\\\Server\\Share");
        fs.addFile("\\\\Server\\Share\\Pub\\Sub\\shared.exe");
        fs.changeDirectory("D:\\Work");
        fs.changeDirectory("C:\\Data");

        list = std::make_unique<TFileListBox>(fs, rules);
        list->SetFileType(mainWindowType);
        list->SetMask("*.exe;*.com");
        list->SetFileEdit(&edit);
        list->OnChange = [this](TFileListBox&) { ++changes; };
        list->createWindow();
        changes = 0;
        newSearches();
    }

    // Patterns searched since the last call.
    Names newSearches()
    {
        const auto& log = fs.searchLog();
        Names fresh(log.begin() + static_cast<std::ptrdiff_t>(seen), log.end());
        seen = log.size();
        return fresh;
    }

    testing::ShiftJisTextRules rules;
    testing::MemoryFileSystem fs{rules};
    RecordingEditBox edit;
    std::unique_ptr<TFileListBox> list;
    int changes = 0;
    std::size_t seen = 0;
};

} // namespace quorrin::browse::test
