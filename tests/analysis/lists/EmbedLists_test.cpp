#include "tests/analysis/lists/EmbeddedFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quendry {
namespace {

std::vector<std::string> toStrings(std::span<const std::string_view> items)
{
    return {items.begin(), items.end()};
}

TEST(EmbedLists, keepsEveryLineByteForByte)
{
    const std::vector<std::string> expected{
        "a bird\x92s eye view",   // CR LF line end
        "\x80\xE9\xFF\xA0",       // bytes above 127, unchanged
        "",                       // empty lines stay
        "  spaced \t",            // no trimming
        "quote\"back\\slash?",
        "",                       // a line holding only CR LF
        "last",                   // no line end after the last line
    };
    EXPECT_EQ(toStrings(fixture::mixed()), expected);
}

TEST(EmbedLists, emptyFileHasNoItems)
{
    EXPECT_TRUE(fixture::empty().empty());
}

} // namespace
} // namespace quendry
