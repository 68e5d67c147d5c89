#include "persist/settings_file.h"

#include "persist/settings_number.h"
#include "platform/native.h"

namespace quorrin::persist {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isQuote(char c)
{
    return c == '"' || c == '\'';
}

// The text that reads back as `value` through a profile service that trims
// blanks and drops one pair of enclosing quotes. A line break is never
// written: in a folder name it could otherwise add keys or sections of its
// own, so such a value is stored empty.
std::string storedForm(std::string_view value)
{
    if (value.find_first_of("\r\n") != std::string_view::npos)
        return {};
    const bool needsQuotes =
        !value.empty() && (isBlank(value.front()) || isBlank(value.back()) ||
                           (value.size() >= 2 && isQuote(value.front()) && value.front() == value.back()));
    if (needsQuotes)
        return "\"" + std::string(value) + "\"";
    return std::string(value);
}

} // namespace

SettingsWriteError::SettingsWriteError(const text::TextRules& rules, const std::string& path, bool mayBeIncomplete)
    // The literals go into the system code page, where the path already is,
    // so the message is one coherent text on a Shift_JIS system too.
    : Error(path + rules.fromUtf8(mayBeIncomplete ? " に書き込めません。ファイルは不完全なおそれがあります"
                                                  : " に書き込めません"))
{
}

SettingsFile::SettingsFile(const text::TextRules& rules, std::string path)
    : SettingsFile(rules, path, platform::makeNativeProfileStore(path))
{
}

SettingsFile::SettingsFile(const text::TextRules& rules, std::string path,
                           std::unique_ptr<platform::ProfileStore> store)
    : rules_(rules), path_(std::move(path)), store_(std::move(store))
{
}

std::string SettingsFile::ReadText(std::string_view section, std::string_view key, std::string_view fallback)
{
    return store_->read(section, key, fallback);
}

std::int32_t SettingsFile::ReadNumber(std::string_view section, std::string_view key, std::int32_t fallback)
{
    return parseSettingsNumber(ReadText(section, key, {})).value_or(fallback);
}

bool SettingsFile::ReadFlag(std::string_view section, std::string_view key, bool fallback)
{
    return ReadNumber(section, key, fallback ? 1 : 0) != 0;
}

void SettingsFile::WriteText(std::string_view section, std::string_view key, std::string_view value)
{
    if (!store_->write(section, key, storedForm(value)))
        throw SettingsWriteError(rules_, path_);
}

void SettingsFile::WriteNumber(std::string_view section, std::string_view key, std::int32_t value)
{
    WriteText(section, key, std::to_string(value));
}

void SettingsFile::WriteFlag(std::string_view section, std::string_view key, bool value)
{
    WriteText(section, key, value ? "1" : "0");
}

void SettingsFile::Flush()
{
    const platform::WriteOutcome outcome = store_->flush();
    if (outcome != platform::WriteOutcome::written)
        throw SettingsWriteError(rules_, path_, outcome == platform::WriteOutcome::leftIncomplete);
}

} // namespace quorrin::persist
