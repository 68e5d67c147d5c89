#include "browse_world.h"

#include "platform/errors.h"

namespace quorrin::browse::test {
namespace {

using namespace std::chrono_literals;
using platform::DriveType;

const std::string c = "drive change 99";
const std::string d = "drive change 100";

// The removable drive's label is never read; the CD-ROM has no disc; the
// network drive Y has no remote name; the drive of unknown type Q has no row.
TEST_F(BrowseWorld, OneRowPerUsableDriveInTheChosenCase)
{
    const std::pair<TextCase, Names> cases[] = {
        {tcLowerCase,
         {"a:", "c: [windows]", "d: [data]", "e: []", "r: [ramdisk]", "y: [backup]", "z: \\\\server\\share"}},
        {tcUpperCase,
         {"A:", "C: [WINDOWS]", "D: [DATA]", "E: []", "R: [RAMDISK]", "Y: [BACKUP]", "Z: \\\\SERVER\\SHARE"}},
    };
    for (const auto& [textCase, texts] : cases) {
        drives->SetTextCase(textCase);
        EXPECT_EQ(drives->Items(), texts);
        std::vector<DriveType> glyphs;
        for (const DriveRow& row : drives->rows())
            glyphs.push_back(row.volume.type);
        EXPECT_EQ(glyphs,
                  (std::vector<DriveType>{DriveType::removable, DriveType::fixed, DriveType::fixed, DriveType::cdrom,
                                          DriveType::ramDisk, DriveType::remote, DriveType::remote}));
        // The letter it held, in the new case, selected again and reported.
        EXPECT_EQ(drives->ItemIndex(), 1);
        EXPECT_EQ(takeEvents(), Names{"drive change " + std::to_string(texts[1][0])});
    }
}

TEST_F(BrowseWorld, ANewLetterSelectsItsRowMovesTheDirectoryListThenReportsAndAnUnknownOneFails)
{
    EXPECT_EQ(drives->DriveLetter(), 'c');
    EXPECT_EQ(drives->ItemIndex(), 1);
    drives->SetDriveLetter('C');
    EXPECT_EQ(takeEvents(), Names{});
    drives->SetDriveLetter('D');
    EXPECT_EQ(drives->DriveLetter(), 'd');
    EXPECT_EQ(drives->ItemIndex(), 2);
    EXPECT_EQ(dirs->CurrentDir(), "D:\\Work");
    EXPECT_EQ(takeEvents(), (Names{"file change D:\\Work", "dir change D:\\Work", d}));
    // A letter without a row keeps the row and still asks for the drive.
    try {
        drives->SetDriveLetter('K');
        FAIL() << "drive K was entered";
    } catch (const DirectoryChangeError& e) {
        EXPECT_EQ(e.code(), win_error::pathNotFound);
    }
    EXPECT_EQ(drives->DriveLetter(), 'k');
    EXPECT_EQ(drives->ItemIndex(), 2);
    EXPECT_EQ(takeEvents(), Names{});
}

TEST_F(BrowseWorld, ADriveThatIsNotReadyFailsAfterTheSelectorTookIt)
{
    try {
        drives->chooseByUser(3);
        FAIL() << "drive E was entered";
    } catch (const DirectoryChangeError& e) {
        EXPECT_EQ(std::string(e.what()), "I/O error 21");
    }
    EXPECT_EQ(takeEvents(), Names{"drive click"});
    EXPECT_EQ(drives->DriveLetter(), 'e');
    EXPECT_EQ(drives->ItemIndex(), 3);
    EXPECT_EQ(dirs->CurrentDir(), "C:\\Windows");
    EXPECT_EQ(files->CurrentDir(), "C:\\Windows");
    // Choosing the same row again, or its letter, does nothing at all.
    drives->chooseByUser(3);
    drives->SetDriveLetter('E');
    EXPECT_EQ(takeEvents(), Names{});
    drives->chooseByUser(1);
    EXPECT_EQ(drives->DriveLetter(), 'c');
    EXPECT_EQ(takeEvents(), (Names{"drive click", c, c}));
}

TEST_F(BrowseWorld, ANetworkPathLeavesNoDriveAndComingBackSelectsItsRow)
{
    dirs->SetCurrentDir("\\\\Server\\Share\\dir");
    EXPECT_EQ(drives->ItemIndex(), -1);
    EXPECT_EQ(drives->DriveLetter(), 0);
    EXPECT_EQ(takeEvents(),
              (Names{"drive change 0", "file change \\\\Server\\Share\\dir", "dir change \\\\Server\\Share\\dir"}));
    dirs->SetCurrentDir("C:\\Windows\\Fonts");
    EXPECT_EQ(drives->ItemIndex(), 1);
    EXPECT_EQ(takeEvents(), (Names{c, "file change C:\\Windows\\Fonts", "dir change C:\\Windows\\Fonts"}));
}

TEST_F(BrowseWorld, ATypedPathOnAnotherDriveMovesTheWholeChainAndAMissingOneNothing)
{
    EXPECT_THROW(files->ApplyPathText("D:\\NoSuch\\*.doc"), DirectoryChangeError);
    EXPECT_THROW(dirs->SetCurrentDir("D:\\NoSuch\\deeper"), DirectoryChangeError);
    EXPECT_EQ(drives->DriveLetter(), 'c');
    EXPECT_EQ(dirs->CurrentDir(), "C:\\Windows");
    EXPECT_EQ(fs.currentDirectory(), "C:\\Windows");
    EXPECT_EQ(takeEvents(), Names{});
    EXPECT_EQ(newSearches(), Names{});

    files->ApplyPathText("D:\\Docs\\*.doc");
    EXPECT_EQ(drives->DriveLetter(), 'd');
    EXPECT_EQ(drives->ItemIndex(), 2);
    EXPECT_EQ(dirs->CurrentDir(), "D:\\Docs");
    EXPECT_EQ(files->Mask(), "*.doc");
    EXPECT_EQ(files->Items(), (Names{"letter.doc", "memo.doc"}));
    // The drive reports first (no rebuild in between), then the move with
    // the old mask, then the new mask.
    EXPECT_EQ(takeEvents(), (Names{d, "file change D:\\Docs", "dir change D:\\Docs", "file change D:\\Docs"}));
    EXPECT_EQ(newSearches(), (Names{"D:\\Docs\\*.*", "D:\\Docs\\*.exe", "D:\\Docs\\*.com", "D:\\Docs\\*.doc"}));
}

TEST_F(BrowseWorld, TypingOnTheClosedDriveSelectorClicksAndReportsTwice)
{
    drives->setClock(manualClock());
    EXPECT_TRUE(drives->typeKey("d"));
    EXPECT_EQ(takeEvents(), (Names{"drive click", "file change D:\\Work", "dir change D:\\Work", d, d}));
    now += 100ms;
    EXPECT_FALSE(drives->typeKey("q")); // "dq" matches nothing: the widget may act
    EXPECT_TRUE(drives->typeKey("\b"));
    EXPECT_EQ(takeEvents(), Names{d});
    EXPECT_EQ(drives->ItemIndex(), 2);
    now += 500ms;
    EXPECT_TRUE(drives->typeKey("C"));
    EXPECT_EQ(drives->DriveLetter(), 'c');
}

} // namespace
} // namespace quorrin::browse::test
