#include "text/ini_document.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace quorrin::text {
namespace {

TEST(IniDocument, FindsKeysOfTheirOwnSectionWithoutRegardToCase)
{
    const char* file = "; leading comment\r\nloose=outside\r\n[List]\r\nTab = 7 \r\n[ file ]\nEdit=a=b\n; Dir=x\n"
                       "#SDir=commented\nno equals sign\nQuoted=\"  x  \"\n[list]\r\nTab=9\r\nLate=1\r\n";
    const struct {
        const char *text, *section, *key;
        std::optional<std::string> value;
    } cases[] = {
        {file, "List", "Tab", "7"},
        {file, "File", "Edit", "a=b"},
        {file, "File", "Quoted", "\"  x  \""},
        {file, "File", "Dir", std::nullopt},
        {file, "File", "no equals sign", std::nullopt},
        {file, "List", "loose", std::nullopt},
        // Only the first section of a name counts.
        {file, "List", "Late", std::nullopt},
        // A lone CR ends a line like LF and CR LF, so no value holds one.
        {"[List]\rTab=3\rKak=1\r", "List", "Kak", "1"},
        {"[List]\rTab=3\r\n[File]\nEdit=x\r\rSDir=y", "File", "SDir", "y"},
        {"[List]\n\rTab=\r3\n", "List", "Tab", ""},
        // A byte-order mark does not hide the first section.
        {"\xEF\xBB\xBF[List]\r\nTab=3\r\n", "List", "Tab", "3"},
        {"\xEF\xBB\xBFTab=3\r\n[List]\r\n", "List", "Tab", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IniDocument(c.text).value(c.section, c.key), c.value) << c.section << "/" << c.key;
}

TEST(IniDocument, WritesOneKeyAndKeepsEveryOtherByte)
{
    const struct {
        const char *name, *before, *section, *key, *value, *after;
    } cases[] = {
        {"new file", "", "List", "1", "1", "[List]\r\n1=1\r\n"},
        {"in place, other lines untouched", "; c\r\n[List]\r\n 1 = 3 \r\nx=y\r\n", "list", "1", "5",
         "; c\r\n[List]\r\n1=5\r\nx=y\r\n"},
        {"new key at the end of its section, before blank lines", "[A]\r\nk=1\r\n\r\n[B]\r\nm=2\r\n", "A", "n", "3",
         "[A]\r\nk=1\r\nn=3\r\n\r\n[B]\r\nm=2\r\n"},
        {"file without a final line ending", "[A]\r\nk=1", "A", "n", "2", "[A]\r\nk=1\r\nn=2\r\n"},
        {"byte-order mark stays in front", "\xEF\xBB\xBF[A]\nk=1", "A", "k", "2", "\xEF\xBB\xBF[A]\nk=2"},
        {"CR file stays CR", "[A]\rk=1\r[B]\rm=2\r", "A", "k", "9", "[A]\rk=9\r[B]\rm=2\r"},
        {"a CR line never joins the LF of a blank line after it", "[A]\rk=1\r\n\n[B]\r", "A", "n", "3",
         "[A]\rk=1\r\nn=3\r\n\n[B]\r"},
        {"new key after a lone CR", "[A]\nk=1\rm=2\n\n", "A", "n", "3", "[A]\nk=1\rm=2\nn=3\n\n"},
        {"commented key is not the key", "[A]\r\n;k=1\r\n", "A", "k", "2", "[A]\r\n;k=1\r\nk=2\r\n"},
    };
    for (const auto& c : cases) {
        IniDocument document(c.before);
        document.set(c.section, c.key, c.value);
        EXPECT_EQ(document.text(), c.after) << c.name;
    }
}

// Edits are kept beside the text: each must be seen by the reads and
// writes after it and land in its own place.
TEST(IniDocument, EditsInSeveralPlacesReadBackAndLandInOrder)
{
    using Edit = std::tuple<const char*, const char*, const char*>;
    const struct {
        const char *name, *before;
        std::vector<Edit> edits;
        const char* after;
    } cases[] = {
        {"rewrite, add, add to a new section, rewrite the added",
         "; c\r\n[A]\r\nk=1\r\n\r\n[B]\r\nm=2",
         {{"B", "m", "3"},
          {"a", "K", "4"},
          {"A", "n", "5"},
          {"C", "x", "6"},
          {"B", "o", "7"},
          {"A", "n", "8"},
          {"c", "y", "9"},
          {"C", "x", "10"}},
         "; c\r\n[A]\r\nK=4\r\nn=8\r\n\r\n[B]\r\nm=3\r\no=7\r\n[C]\r\nx=10\r\ny=9\r\n"},
        {"a duplicate section is left alone",
         "[A]\nk=1\n[a]\nk=2\n",
         {{"A", "k", "3"}, {"A", "n", "4"}},
         "[A]\nk=3\nn=4\n[a]\nk=2\n"},
        {"only a byte-order mark", "\xEF\xBB\xBF", {{"A", "k", "1"}}, "\xEF\xBB\xBF[A]\r\nk=1\r\n"},
        {"keys before every section are no section's", "k=0\n[A]\n", {{"A", "k", "1"}}, "k=0\n[A]\nk=1\n"},
    };
    for (const auto& c : cases) {
        IniDocument document(c.before);
        for (const auto& [section, key, value] : c.edits) {
            document.set(section, key, value);
            EXPECT_EQ(document.value(section, key), value) << c.name << ": " << section << "/" << key;
        }
        EXPECT_EQ(document.text(), c.after) << c.name;
    }
}

TEST(IniDocument, UntouchedTextComesBackByteForByte)
{
    for (const char* text : {"", "\n", "\r", "\n\r", "\r\r\n", "x", "[A]\r\n\r\n  ; note\r\nk = v \r\n",
                             "[A]\rk=1\r\n\r", "\xef\xbb\xbf[A]\nk=\x81\\\n"})
        EXPECT_EQ(IniDocument(text).text(), text);
}

} // namespace
} // namespace quorrin::text
