#include "persist/listing_file.h"

#include "persist/list_text.h"

namespace quorrin::persist {

void saveListing(const text::TextRules& rules, const std::string& path, const std::vector<std::string>& lines,
                 const WholeFileWriter& write)
{
    saveListingBytes(rules, path, listText(lines), write);
}

void saveListingBytes(const text::TextRules& rules, const std::string& path, std::string_view bytes,
                      const WholeFileWriter& write)
{
    switch (write(path, bytes)) {
    case platform::WriteOutcome::written: return;
    case platform::WriteOutcome::cannotCreate:
        throw Error(rules.fromUtf8("ファイル ") + path + rules.fromUtf8(" を作成できません"));
    case platform::WriteOutcome::cannotWrite: throw Error(rules.fromUtf8("ストリームへの書き込みエラー"));
    case platform::WriteOutcome::leftIncomplete:
        throw Error(rules.fromUtf8("ストリームへの書き込みエラー。ファイル ") + path +
                    rules.fromUtf8(" は不完全なおそれがあります"));
    }
}

} // namespace quorrin::persist
