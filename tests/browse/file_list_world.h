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

// A typed text as a test's name: runners choke on ";", a trailing "\" or
// bytes that are not UTF-8, so "\" shows as "/" and other bytes as %XX.
inline std::string caseLabel(std::string_view text)
{
    std::string label;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F && c != ';' && c != '%')
            label += c == '\\' ? '/' : c;
        else
            label += '%' + std::string(1, "0123456789ABCDEF"[b >> 4]) + "0123456789ABCDEF"[b & 0xF];
    }
    return label;
}

// Patterns the file system searched since `seen`, which moves on.
inline Names newSearchesOf(const testing::MemoryFileSystem& fs, std::size_t& seen)
{
    const auto& log = fs.searchLog();
    Names fresh(log.begin() + static_cast<std::ptrdiff_t>(seen), log.end());
    seen = log.size();
    return fresh;
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
        for (const char* name : {"C:\\Data\\tool.com", "C:\\Data\\readme.txt", "C:\\Data\\Sub\\inner.exe"})
            fs.addFile(name);
        fs.addFile("C:\\Data\\app.exe", 1000, platform::fileTimeFromUnix(1'600'000'000));
        fs.addFile("C:\\Data\\Notes.TXT");
        fs.addFile("C:\\Data\\hidden.exe", 7, {}, platform::attr::hidden | platform::attr::archive);
        fs.addFile("C:\\Data\\system.com", 8, {}, platform::attr::system | platform::attr::archive);
        fs.addDirectory("C:\\Data\\Folder.exe");
        fs.addShare("\\\\Server\\Share");
        for (const std::string& name : Names{"C:\\Data\\" + hyo + "\\" + katakanaA + ".com", "C:\\top.exe",
                                             "D:\\Docs\\letter.doc", "D:\\Docs\\memo.doc", "D:\\Docs\\prog.exe",
                                             "D:\\Work\\job.com", "\\\\Server\\Share\\Pub\\Sub\\shared.exe"})
            fs.addFile(name);
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

    Names newSearches() { return newSearchesOf(fs, seen); }

    testing::ShiftJisTextRules rules;
    testing::MemoryFileSystem fs{rules};
    RecordingEditBox edit;
    std::unique_ptr<TFileListBox> list;
    int changes = 0;
    std::size_t seen = 0;
};

} // namespace quorrin::browse::test
