#include "persist/listing_file.h"

#include "support/shift_jis_text_rules.h"

#include <gtest/gtest.h>

namespace quorrin::persist {
namespace {

// The messages reach the error display in the system's code page, the file
// name inside them as the user gave it.
TEST(SaveListingMessages, EachOutcomeGivesItsOwnMessageInTheCodePage)
{
    const quorrin::testing::ShiftJisTextRules rules;
    const std::string path = "C:\\" + rules.fromUtf8("一覧") + ".txt";
    const std::tuple<platform::WriteOutcome, std::string> cases[] = {
        {platform::WriteOutcome::written, ""},
        {platform::WriteOutcome::cannotCreate,
         rules.fromUtf8("ファイル ") + path + rules.fromUtf8(" を作成できません")},
        {platform::WriteOutcome::cannotWrite, rules.fromUtf8("ストリームへの書き込みエラー")},
        {platform::WriteOutcome::leftIncomplete, rules.fromUtf8("ストリームへの書き込みエラー。ファイル ") + path +
                                                     rules.fromUtf8(" は不完全なおそれがあります")},
    };
    for (const auto& [outcome, message] : cases) {
        std::string writtenPath;
        std::string writtenBytes;
        std::string reported;
        try {
            saveListing(rules, path, {"a", "b"}, [&](const std::string& p, std::string_view bytes) {
                writtenPath = p;
                writtenBytes = bytes;
                return outcome;
            });
        } catch (const Error& e) {
            reported = e.what();
        }
        EXPECT_EQ(reported, message);
        EXPECT_EQ(writtenPath, path);
        EXPECT_EQ(writtenBytes, "a\r\nb\r\n");
    }
}

} // namespace
} // namespace quorrin::persist
