#pragma once

#include "support/shift_jis_text_rules.h"
#include "text/utf8_text_rules.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace quorrin::listing {

// Runs a parameterised suite once on UTF-8 and once on code page 932:
//   INSTANTIATE_TEST_SUITE_P(CodePages, Suite, bothCodePages(), codePageName);
inline auto bothCodePages()
{
    return ::testing::Values(std::shared_ptr<text::TextRules>(std::make_shared<text::Utf8TextRules>()),
                             std::shared_ptr<text::TextRules>(std::make_shared<testing::ShiftJisTextRules>()));
}

inline std::string codePageName(const ::testing::TestParamInfo<std::shared_ptr<text::TextRules>>& info)
{
    return info.index == 0 ? "Utf8" : "ShiftJis";
}

} // namespace quorrin::listing
