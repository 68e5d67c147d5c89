#pragma once

#include "browse/directory_list_box.h"
#include "browse/drive_combo_box.h"
#include "browse/filter_combo_box.h"
#include "browse/filter_presets.h"
#include "file_list_world.h"

#include <chrono>
#include <utility>

namespace quorrin::browse::test {

// The main window's chain on a Windows-like machine: the drive selector
// names the directory list, the directory list and the filter selector name
// the file list, the file list names the mask box. Every event lands in
// `events` as "<control> <event> <what it reports>".
//
// Drives: A removable (labelled, to show the label is never read), C fixed
// WINDOWS, D fixed DATA (own current directory D:\Work), E CD-ROM without a
// disc, R RAM disk, Y network drive without remote name, Z network drive
// on \\Server\Share; Q of unknown type.
// The chain starts in C:\Windows.
class BrowseWorld : public ::testing::Test {
protected:
    BrowseWorld()
    {
        using platform::DriveType;
        fs.addDrive('A', DriveType::removable, "FLOPPY");
        fs.addDrive('C', DriveType::fixed, "WINDOWS");
        fs.addDrive('D', DriveType::fixed, "DATA");
        fs.addDrive('E', DriveType::cdrom, "DISC");
        fs.setNotReady('E', true);
        fs.addDrive('Q', DriveType::unknown, "ODD");
        fs.addDrive('R', DriveType::ramDisk, "RamDisk");
        fs.addDrive('Y', DriveType::remote, "Backup");
        fs.addDrive('Z', DriveType::remote, "NAS");
        fs.setRemoteName('Z', "\\\\Server\\Share");
        fs.addShare("\\\\Server\\Share");
        for (const char* d : {"\\\\Server\\Share\\dir\\Sub", "\\\\Server\\Share\\Pub"})
            fs.addDirectory(d);

        // Made out of order: the list sorts for itself.
        for (const std::string& d : Names{"C:\\Windows\\System32\\drivers", "C:\\Windows\\Fonts", "C:\\Program Files",
                                          "C:\\apps", "C:\\Data\\" + hyo + "\\sub"})
            fs.addDirectory(d);
        fs.addDirectory("C:\\Windows\\Installer", platform::attr::hidden);
        fs.addDirectory("C:\\Recycler", platform::attr::hidden | platform::attr::system);
        fs.addDirectory("C:\\Boot", platform::attr::system);
        for (const char* f : {"C:\\Windows\\notepad.exe", "C:\\io.sys", "D:\\Docs\\memo.doc", "D:\\Docs\\letter.doc",
                              "D:\\Docs\\prog.exe", "D:\\Work\\job.com"})
            fs.addFile(f);
        fs.changeDirectory("D:\\Work");
        fs.changeDirectory("C:\\Windows");

        files = std::make_unique<TFileListBox>(fs, rules);
        dirs = std::make_unique<TDirectoryListBox>(fs, rules);
        drives = std::make_unique<TDriveComboBox>(fs, rules);
        filter = std::make_unique<TFilterComboBox>(rules);
        files->SetFileType(mainWindowType);
        files->SetMask("*.exe;*.com");
        files->SetFileEdit(&edit);
        dirs->SetFileList(files.get());
        drives->SetDirList(dirs.get());
        filter->SetFilter(rules.fromUtf8(mainWindowFilterUtf8));
        filter->SetFileList(files.get());
        files->createWindow();
        dirs->createWindow();
        drives->createWindow();

        files->OnChange = [this](TFileListBox& l) { events.push_back("file change " + l.CurrentDir()); };
        dirs->OnChange = [this](TDirectoryListBox& l) { events.push_back("dir change " + l.CurrentDir()); };
        dirs->OnClick = [this](TDirectoryListBox& l) {
            events.push_back("dir click " +
                             (l.ItemIndex() < 0 ? "-" : l.Items()[static_cast<std::size_t>(l.ItemIndex())]));
        };
        drives->OnChange = [this](TDriveComboBox& d) {
            events.push_back("drive change " + std::to_string(d.DriveLetter()));
        };
        drives->OnClick = [this](TDriveComboBox&) { events.push_back("drive click"); };
        filter->OnChange = [this](TFilterComboBox& f) {
            events.push_back("filter change " + std::to_string(f.ItemIndex()) + " " + edit.text());
        };
        filter->OnClick = [this](TFilterComboBox&) { events.push_back("filter click"); };
        searchesSoFar = fs.searchLog().size();
    }

    Names takeEvents() { return std::exchange(events, {}); }

    Names newSearches() { return newSearchesOf(fs, searchesSoFar); }
    // A clock the test moves by hand, for the typing rules.
    Clock manualClock()
    {
        return [this] { return now; };
    }

    testing::ShiftJisTextRules rules;
    testing::MemoryFileSystem fs{rules};
    RecordingEditBox edit;
    std::unique_ptr<TFileListBox> files;
    std::unique_ptr<TDirectoryListBox> dirs;
    std::unique_ptr<TDriveComboBox> drives;
    std::unique_ptr<TFilterComboBox> filter;
    Names events;
    std::size_t searchesSoFar = 0;
    std::chrono::steady_clock::time_point now{};
};

} // namespace quorrin::browse::test
