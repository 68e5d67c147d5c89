#include "browse/split_path_text.h"

#include "file_list_world.h"
#include "platform/errors.h"

namespace quorrin::browse::test {
namespace {

// Texts the typed-text tests of the file list do not already take apart.
TEST_F(FileListWorld, SplitGivesDriveDirectoryAndFileAndPutsTheDirectoryBack)
{
    fs.addDirectory("C:\\Data\\S\\Deep");
    const struct {
        std::string text;
        char drive;
        std::string dir, file;
    } cases[] = {{"Sub\\", 'C', "Sub", ""},
                 {"Sub\\inner.exe", 'C', "Sub", "inner.exe"},
                 {"D:job.com", 'D', "\\Work", "job.com"},
                 {"\\top.exe", 'C', "\\", "top.exe"},
                 // A network path has no drive letter and keeps its server and share.
                 {"\\\\Server\\Share\\Pub\\*.exe", 0, "\\\\Server\\Share\\Pub", "*.exe"},
                 // 表 ends in the byte "\", which is no separator.
                 {hyo, 'C', "\\Data\\" + hyo, ""},
                 // A one-letter directory is still relative.
                 {"S\\Deep", 'C', "S\\Deep", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(caseLabel(c.text));
        const SplitPath split = SplitPathText(fs, rules, c.text);
        EXPECT_EQ(split.drive, c.drive);
        EXPECT_EQ(split.dir, c.dir);
        EXPECT_EQ(split.file, c.file);
        EXPECT_EQ(fs.currentDirectory(), "C:\\Data");
    }
}

TEST_F(FileListWorld, SplitFailsOnADirectoryThatIsNotThereAndStillPutsTheDirectoryBack)
{
    fs.addFile("C:\\Locked\\x.txt");
    fs.denyEnter("C:\\Locked");
    const std::pair<std::string, int> failures[] = {{"nothing", win_error::fileNotFound},
                                                    {"Missing\\Deeper\\x", win_error::pathNotFound},
                                                    {"C:\\Locked\\x.txt", win_error::accessDenied},
                                                    {"C:\\Locked", win_error::accessDenied}};
    for (const auto& [text, code] : failures) {
        SCOPED_TRACE(text);
        try {
            SplitPathText(fs, rules, text);
            ADD_FAILURE() << "expected a directory change failure";
        } catch (const DirectoryChangeError& e) {
            EXPECT_EQ(e.code(), code);
        }
        EXPECT_EQ(fs.currentDirectory(), "C:\\Data");
    }
}

} // namespace
} // namespace quorrin::browse::test
