// The settings file as it may be found: any bytes at all. Reading never
// fails; an untouched document gives back its bytes; and a read, the write
// of the next close and a second read agree: what the program stores it
// reads back, and every line it does not own is still there, in order.
#include "fuzz_check.h"

#include "persist/ini_mapping.h"
#include "text/ini_document.h"
#include "text/profile_value.h"
#include "text/utf8_text_rules.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace quorrin;
using fuzz::require;

// The store our POSIX build uses, without the file: a document read through
// the same value rule.
class DocumentStore final : public platform::ProfileStore {
public:
    explicit DocumentStore(text::IniDocument& document) : document_(document) {}
    std::string read(std::string_view section, std::string_view key, std::string_view fallback) override
    {
        return text::profileValue(document_, section, key, fallback);
    }
    bool write(std::string_view section, std::string_view key, std::string_view value) override
    {
        document_.set(section, key, value);
        return true;
    }
    platform::WriteOutcome flush() override { return platform::WriteOutcome::written; }

private:
    text::IniDocument& document_;
};

struct ReadResult {
    listing::ListSettings settings;
    std::string typedSeparator;
    listing::OutputOptions output;
};

ReadResult readAll(text::IniDocument& document)
{
    const text::Utf8TextRules rules;
    persist::SettingsFile file(rules, "fuzz.ini", std::make_unique<DocumentStore>(document));
    ReadResult result{listing::defaultListSettings(listing::builtInPresetFilterCount), {}, {}};
    persist::IniRead(file, result.settings, result.typedSeparator, result.output);
    return result;
}

bool sameSettings(const listing::ListSettings& a, const listing::ListSettings& b)
{
    for (const auto& entry : persist::settingsKeys) {
        const bool same = std::visit([&](auto member) { return a.*member == b.*member; }, entry.field);
        if (!same)
            return false;
    }
    return true;
}

// Line contents as the document splits them: LF, CR LF and a lone CR end a
// line; a byte-order mark in front belongs to none.
std::vector<std::string_view> linesOf(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

// Every line of `before` is still in `after`: lines without "=" in their
// order; of the key lines, only those of the keys the program owns (one
// line each at most) may have been rewritten.
bool keepsForeignLines(std::string_view before, std::string_view after)
{
    const auto old = linesOf(before);
    const auto now = linesOf(after);
    std::size_t j = 0;
    std::map<std::string_view, int> keyLines;
    for (const std::string_view line : now)
        if (line.find('=') != std::string_view::npos)
            ++keyLines[line];
    std::size_t rewritten = 0;
    for (const std::string_view line : old) {
        if (line.find('=') != std::string_view::npos) {
            if (--keyLines[line] < 0)
                ++rewritten;
            continue;
        }
        while (j < now.size() && now[j] != line)
            ++j;
        if (j == now.size())
            return false;
        ++j;
    }
    // The settings keys, the typed separator and the four output keys.
    return rewritten <= persist::settingsKeys.size() + 1 + 4;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = fuzz::asText(data, size);
    text::IniDocument document{std::string(text)};
    require(document.text() == text, "an untouched document keeps its bytes");

    const ReadResult first = readAll(document);
    {
        const text::Utf8TextRules rules;
        persist::SettingsFile file(rules, "fuzz.ini", std::make_unique<DocumentStore>(document));
        listing::ListSettings toWrite = first.settings;
        persist::IniWrite(file, toWrite, "/fuzz/current", first.typedSeparator, first.output);
    }
    const std::string written = document.text();
    require(keepsForeignLines(text, written), "the write keeps every line it does not own");

    text::IniDocument again(written);
    const ReadResult second = readAll(again);
    listing::ListSettings expected = first.settings;
    expected.DirPath = "/fuzz/current";
    require(sameSettings(second.settings, expected), "what was written reads back");
    require(second.typedSeparator == first.typedSeparator, "the typed separator reads back");
    require(second.output == first.output, "the output choices read back");
    return 0;
}
