#include "analysis/profile/Windows1252.h"

#include <gtest/gtest.h>

namespace quendry {
namespace {

TEST(EngineText, convertsUtf8AndLineBreaks)
{
    const struct {
        const char* input;
        const char* expected;
    } cases[] = {
        {"plain\nlines\r\nkept", "plain\r\nlines\r\nkept"},
        {"\xEF\xBB\xBF" "with a byte-order mark", "with a byte-order mark"},
        {"don\xE2\x80\x99t \xE2\x80\x9Cquote\xE2\x80\x9D \xE2\x82\xAC" "5 caf\xC3\xA9", "don\x92t \x93quote\x94 \x80" "5 caf\xE9"},
        {"\xE4\xB8\xAD and \xF0\x9F\x98\x80", "? and ?"},
        // Not valid UTF-8: the bytes are already Windows-1252.
        {"caf\xE9 \x93x\x94", "caf\xE9 \x93x\x94"},
        {"\xC0\xAF overlong", "\xC0\xAF overlong"},
        {"\xED\xA0\x80 surrogate", "\xED\xA0\x80 surrogate"},
        {"cut \xE2\x80", "cut \xE2\x80"},
        {"\n", "\r\n"},
        {"\r", "\r"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(toEngineText(c.input), c.expected) << c.input;
}

TEST(EngineText, everyByteSurvivesARoundTripThroughUtf8)
{
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);
}

} // namespace
} // namespace quendry
