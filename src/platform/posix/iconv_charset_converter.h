#pragma once

#include "platform/charset_converter.h"

#include <mutex>
#include <optional>
#include <string>

namespace quorrin::platform::posix {

// UTF-8 names; code page 932 from the C library's iconv under `codePageName`
// ("CP932" in glibc), brought in line with Windows where the two differ.
class IconvCharsetConverter final : public CharsetConverter {
public:
    explicit IconvCharsetConverter(std::string codePageName = "CP932");

    bool systemIsUtf8() const override { return true; }
    void decodeSystemText(std::string_view text, std::u32string& out) const override;
    const CodePage932Table* codePage932() const override;

private:
    std::string codePageName_;
    mutable std::once_flag built_;
    mutable std::optional<CodePage932Table> table_;
};

} // namespace quorrin::platform::posix
