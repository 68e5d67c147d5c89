#include "browse/split_path_text.h"

#include "file_list_world.h"
#include "platform/errors.h"

#include <ostream>

namespace quorrin::browse::test {
namespace {

struct SplitCase {
    std::string text;
    char drive;
    std::string dir;
    std::string file;
};

// Names the case by its text in test listings.
void PrintTo(const SplitCase& c, std::ostream* os)
{
    *os << caseLabel(c.text);
}

std::vector<SplitCase> splitCases()
{
    return {
        {"*.txt", 'C', "\\Data", "*.txt"},
        {"D:\\Docs\\*.doc", 'D', "\\Docs", "*.doc"},
        {"[Sub]", 'C', "\\Data\\Sub", ""},
        {"Sub\\", 'C', "Sub", ""},
        {"Sub\\inner.exe", 'C', "Sub", "inner.exe"},
        // A drive alone: that drive's own current directory.
        {"D:", 'D', "\\Work", ""},
        {"D:job.com", 'D', "\\Work", "job.com"},
        {"\\top.exe", 'C', "\\", "top.exe"},
        // A network path has no drive letter and keeps its server and share.
        {"\\\\Server\\Share\\Pub\\*.exe", 0, "\\\\Server\\Share\\Pub", "*.exe"},
        // 表 ends in the byte "\", which is no separator.
        {hyo, 'C', "\\Data\\" + hyo, ""},
        {hyo + "\\*.com", 'C', hyo, "*.com"},
        // A one-letter directory is still relative.
        {"S\\Deep", 'C', "S\\Deep", ""},
    };
}

class SplitPath_ : public FileListWorld, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(SplitPath_, GivesDriveDirectoryAndFileAndPutsTheDirectoryBack)
{
    fs.addDirectory("C:\\Data\\S\\Deep");
    const SplitCase& c = GetParam();
    const SplitPath split = SplitPathText(fs, rules, c.text);
    EXPECT_EQ(split.drive, c.drive);
    EXPECT_EQ(split.dir, c.dir);
    EXPECT_EQ(split.file, c.file);
    EXPECT_EQ(fs.currentDirectory(), "C:\\Data");
}

INSTANTIATE_TEST_SUITE_P(Texts, SplitPath_, ::testing::ValuesIn(splitCases()));

TEST_F(FileListWorld, SplitFailsOnADirectoryThatIsNotThereAndStillPutsTheDirectoryBack)
{
    fs.addFile("C:\\Locked\\x.txt");
    fs.denyEnter("C:\\Locked");
    struct Failure {
        std::string text;
        int code;
    };
    const Failure failures[] = {
        {"nothing", win_error::fileNotFound},
        {"Missing\\Deeper\\x", win_error::pathNotFound},
        {"C:\\Locked\\x.txt", win_error::accessDenied},
        {"C:\\Locked", win_error::accessDenied},
    };
    for (const Failure& f : failures) {
        SCOPED_TRACE(f.text);
        try {
            SplitPathText(fs, rules, f.text);
            ADD_FAILURE() << "expected a directory change failure";
        } catch (const DirectoryChangeError& e) {
            EXPECT_EQ(e.code(), f.code);
        }
        EXPECT_EQ(fs.currentDirectory(), "C:\\Data");
    }
}

} // namespace
} // namespace quorrin::browse::test
