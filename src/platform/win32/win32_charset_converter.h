#pragma once

#include "platform/charset_converter.h"

#include <mutex>
#include <optional>

namespace quorrin::platform::win32 {

// Names in the ANSI code page; code page 932 from WideCharToMultiByte
// without best-fit guesses.
class Win32CharsetConverter final : public CharsetConverter {
public:
    bool systemIsUtf8() const override;
    void decodeSystemText(std::string_view text, std::u32string& out) const override;
    const CodePage932Table* codePage932() const override;

private:
    mutable std::once_flag built_;
    mutable std::optional<CodePage932Table> table_;
};

} // namespace quorrin::platform::win32
