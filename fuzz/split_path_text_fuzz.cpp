// Typed paths against a Windows-like file system in memory, with Shift_JIS
// names whose second byte is "\": the split either succeeds or fails with
// the program's own error, and the current directory is always put back.
#include "fuzz_check.h"

#include "browse/split_path_text.h"
#include "platform/errors.h"
#include "support/memory_file_system.h"
#include "support/shift_jis_text_rules.h"
#include "text/text_scan.h"

namespace {

using namespace quorrin;
using fuzz::require;

// 表 ends in the byte "\"; ア ends in 'A'.
const std::string hyo = "\x95\x5C";
const std::string katakanaA = "\x83\x41";

struct World {
    World()
    {
        fs.addDrive('C', platform::DriveType::fixed, "WINDOWS");
        fs.addDrive('D', platform::DriveType::fixed, "DATA");
        fs.addDrive('E', platform::DriveType::cdrom, "DISC");
        fs.setNotReady('E', true);
        fs.addFile("C:\\Data\\tool.com", 300);
        fs.addFile("C:\\Data\\readme.txt", 10);
        fs.addFile("C:\\Data\\Sub\\inner.exe", 5);
        fs.addDirectory("C:\\Data\\Folder.exe");
        fs.addFile("C:\\Data\\" + hyo + "\\" + katakanaA + ".com");
        fs.addDirectory("C:\\Data\\Locked");
        fs.denyEnter("C:\\Data\\Locked");
        fs.addDirectory("C:\\Data\\Blind");
        fs.denySearch("C:\\Data\\Blind");
        fs.addFile("D:\\Docs\\letter.doc");
        fs.addFile("D:\\Work\\job.com");
        fs.addShare("\\\\Server\\Share");
        fs.addFile("\\\\Server\\Share\\Pub\\shared.exe");
        fs.changeDirectory("D:\\Work");
        fs.changeDirectory("C:\\Data");
    }

    testing::ShiftJisTextRules rules;
    testing::MemoryFileSystem fs{rules};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static World world;
    const std::string before = world.fs.currentDirectory();
    const std::string_view text = fuzz::asText(data, size);
    try {
        const browse::SplitPath split = browse::SplitPathText(world.fs, world.rules, text);
        require(text::findFirstOf(world.rules, split.file, "\\:") == std::string::npos, "the file part is one name");
    } catch (const Error&) {
        // A path that cannot be entered is the program's own error, shown to the user.
    }
    require(world.fs.currentDirectory() == before, "the current directory is put back");
    return 0;
}
