#include "platform/native.h"
#include "support/win32_temp_dir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace quorrin::platform {
namespace {

using testing::Win32TempDir;

std::vector<std::string> namesIn(const Win32TempDir& dir)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA data{};
    const HANDLE h = FindFirstFileA((dir / "*").c_str(), &data);
    if (h == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = data.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(h, &data));
    FindClose(h);
    return names;
}

TEST(Win32WholeFileWrite, ReplacesWithNothingLeftBesideAndARefusalLeavesTheOldFile)
{
    Win32TempDir dir;
    EXPECT_EQ(writeWholeFile(dir / "list.txt", "first\r\n"), WriteOutcome::written);
    EXPECT_EQ(writeWholeFile(dir / "list.txt", "second, longer\r\n"), WriteOutcome::written);
    EXPECT_EQ(dir.read("list.txt"), "second, longer\r\n");
    // A device takes the bytes in place.
    EXPECT_EQ(writeWholeFile("NUL", "discarded"), WriteOutcome::written);
    EXPECT_EQ(namesIn(dir), std::vector<std::string>{"list.txt"});

    const std::string locked = dir.writeFile("locked.txt", "keep me");
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(writeWholeFile(locked, "new"), WriteOutcome::cannotCreate);
    EXPECT_EQ(dir.read("locked.txt"), "keep me");
    dir.makeDirectory("folder");
    EXPECT_EQ(writeWholeFile(dir / "folder", "new"), WriteOutcome::cannotCreate);
    EXPECT_EQ(writeWholeFile(dir / "missing\\list.txt", "new"), WriteOutcome::cannotCreate);
    EXPECT_EQ(namesIn(dir).size(), 3u);
}

// A save keeps what the user sees of the file: every name it has, and its
// hidden and archive attributes.
TEST(Win32WholeFileWrite, ASecondNameSeesTheNewContentAndTheAttributesStay)
{
    Win32TempDir dir;
    const std::string list = dir.writeFile("list.txt", "old content, longer than the new\r\n");
    ASSERT_TRUE(CreateHardLinkA((dir / "link.txt").c_str(), list.c_str(), nullptr));
    EXPECT_EQ(writeWholeFile(list, "new\r\n"), WriteOutcome::written);
    EXPECT_EQ(dir.read("link.txt"), "new\r\n");
    EXPECT_EQ(dir.read("list.txt"), "new\r\n");

    const std::string hidden = dir.writeFile("hidden.txt", "old");
    const DWORD attributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
    ASSERT_TRUE(SetFileAttributesA(hidden.c_str(), attributes));
    if (GetFileAttributesA(hidden.c_str()) != attributes)
        GTEST_SKIP() << "this file system keeps no hidden attribute";
    EXPECT_EQ(writeWholeFile(hidden, "new"), WriteOutcome::written);
    EXPECT_EQ(GetFileAttributesA(hidden.c_str()), attributes);
    EXPECT_EQ(namesIn(dir).size(), 3u);
}

TEST(Win32WholeFileWrite, AFolderNamedWithATrailByteBackslashHoldsTheNewFile)
{
    if (GetACP() != 932)
        GTEST_SKIP() << "needs code page 932; this run has " << GetACP();
    Win32TempDir dir;
    const std::string folder = dir.makeDirectory("\x95\x5C");
    EXPECT_EQ(writeWholeFile(folder + "\\list.txt", "x"), WriteOutcome::written);
    EXPECT_EQ(dir.read("\x95\x5C\\list.txt"), "x");
    EXPECT_EQ(namesIn(dir), std::vector<std::string>{"\x95\x5C"});
}

} // namespace
} // namespace quorrin::platform
