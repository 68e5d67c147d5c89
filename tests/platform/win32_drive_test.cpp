#include "browse/directory_list_box.h"
#include "browse/drive_combo_box.h"
#include "browse/drive_rows.h"
#include "platform/win32/ansi_text_rules.h"
#include "platform/win32/win32_file_system.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quorrin::platform::win32 {
namespace {

const AnsiTextRules rules;

// The label as the system reports it, asked directly.
std::string labelOf(const char* root)
{
    char label[MAX_PATH + 1] = {};
    return GetVolumeInformationA(root, label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0) ? label : "";
}

// Wine maps C: to its prefix's drive_c and Z: to the Unix root.
TEST(Win32Drives, EveryLogicalDriveIsAVolumeInLetterOrder)
{
    const Win32FileSystem fs(rules);
    const auto volumes = fs.volumes();
    const DWORD mask = GetLogicalDrives();
    ASSERT_EQ(volumes.size(), static_cast<std::size_t>(__builtin_popcount(mask)));
    ASSERT_GE(volumes.size(), 2u);
    for (std::size_t i = 1; i < volumes.size(); ++i)
        EXPECT_LT(volumes[i - 1].letter, volumes[i].letter);

    const auto c = std::find_if(volumes.begin(), volumes.end(), [](const Volume& v) { return v.letter == 'c'; });
    const auto z = std::find_if(volumes.begin(), volumes.end(), [](const Volume& v) { return v.letter == 'z'; });
    ASSERT_NE(c, volumes.end());
    ASSERT_NE(z, volumes.end());
    EXPECT_EQ(c->root, "c:\\");
    EXPECT_EQ(c->type, DriveType::fixed);
    EXPECT_EQ(z->root, "z:\\");
    EXPECT_EQ(static_cast<UINT>(z->type), GetDriveTypeA("Z:\\"));
}

TEST(Win32Drives, VolumeInformationAnswersForPresentDrivesOnly)
{
    const Win32FileSystem fs(rules);
    const auto c = fs.volumeInformation("c:\\");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->label, labelOf("c:\\"));
    EXPECT_TRUE(c->casePreserving);
    // A letter with no drive behind it answers nothing, and asks no one.
    char absent = 0;
    for (char letter = 'y'; letter > 'c'; --letter)
        if ((GetLogicalDrives() & (DWORD{1} << (letter - 'a'))) == 0)
            absent = letter;
    ASSERT_NE(absent, 0);
    EXPECT_FALSE(fs.volumeInformation(std::string{absent, ':', '\\'}));
    // Local drives have no share behind them.
    EXPECT_FALSE(fs.remoteName(Volume{'c', "c:\\", DriveType::fixed}));
    EXPECT_FALSE(fs.remoteName(Volume{0, "", DriveType::unknown}));
}

TEST(Win32Drives, TheDriveSelectorsRowsUnderWinesMapping)
{
    const Win32FileSystem fs(rules);
    const auto rows = browse::buildDriveRows(fs, rules, browse::tcLowerCase);
    std::vector<std::string> texts;
    for (const auto& row : rows)
        texts.push_back(row.text);
    const std::string cRow = "c: [" + rules.lowerAsFileName(labelOf("c:\\")) + "]";
    const std::string zRow = "z: [" + rules.lowerAsFileName(labelOf("z:\\")) + "]";
    ASSERT_GE(texts.size(), 2u);
    EXPECT_NE(std::find(texts.begin(), texts.end(), cRow), texts.end()) << cRow;
    EXPECT_EQ(texts.back(), zRow);

    const auto upper = browse::buildDriveRows(fs, rules, browse::tcUpperCase);
    ASSERT_EQ(upper.size(), rows.size());
    EXPECT_EQ(upper.back().text, "Z: [" + rules.upperAsFileName(labelOf("z:\\")) + "]");
}

// As at start: the selector comes up on the process's drive and reports it,
// and the stored letter (Drive=122) still wins.
TEST(Win32Drives, AStoredDriveIsAppliedAfterTheSelectorReportsItsFirstDrive)
{
    Win32FileSystem fs(rules);
    fs.changeDirectory("C:\\");
    browse::TDirectoryListBox dirs(fs, rules);
    browse::TDriveComboBox drives(fs, rules);
    drives.SetDirList(&dirs);
    dirs.createWindow();
    std::int32_t driveChar = 'z';
    std::vector<char> reported;
    drives.OnChange = [&](browse::TDriveComboBox& sender) {
        reported.push_back(sender.DriveLetter());
        driveChar = static_cast<unsigned char>(sender.DriveLetter());
    };
    drives.restoreDrive(driveChar);
    EXPECT_EQ(reported, (std::vector<char>{'c', 'z'}));
    EXPECT_EQ(driveChar, 'z');
    EXPECT_EQ(drives.DriveLetter(), 'z');
    // The system spells the letter as it was last asked for.
    EXPECT_EQ(rules.upperAsFileName(dirs.CurrentDir().substr(0, 2)), "Z:");
    fs.changeDirectory("C:\\");
}

} // namespace
} // namespace quorrin::platform::win32
