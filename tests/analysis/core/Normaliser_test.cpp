#include "analysis/profile/Normaliser.h"

#include <gtest/gtest.h>

namespace quendry {
namespace {

struct NormaliserCase {
    const char* input;
    const char* expected;
    int okCount;
};

class NormaliserTest : public testing::TestWithParam<NormaliserCase> {};

TEST_P(NormaliserTest, cleansText)
{
    const NormaliserCase& c = GetParam();
    const NormalisedText result = normaliseText(c.input);
    EXPECT_EQ(result.text, c.expected);
    EXPECT_EQ(result.okCount, c.okCount);
}

INSTANTIATE_TEST_SUITE_P(Examples, NormaliserTest, testing::Values(
    // Addresses go with the one Separator after them; text in front of them stays.
    NormaliserCase{"See http://example.com/x and now", "See and now", 0},
    NormaliserCase{"See WwW.example.com and now", "See and now", 0},
    NormaliserCase{"(http://a.org) next", "(next", 0},
    NormaliserCase{"go to HTTPS://x", "go to", 0},
    // A mail token goes with the Separator before it; the one after it stays.
    NormaliserCase{"mail me at someone@example.org now", "mail me at now", 0},
    NormaliserCase{"write to me@x.org", "write to", 0},
    NormaliserCase{"first line\r\nme@example.org\r\nthird line", "first line\r\nthird line", 0},
    NormaliserCase{"@@@ one", "one", 0},
    // A path behind a domain name with a short suffix.
    NormaliserCase{"go to example.com/some/page today", "go to today", 0},
    NormaliserCase{"site.co/x", "", 0},
    NormaliserCase{"and/or either", "and/or either", 0},
    // Initials and one-letter abbreviations.
    NormaliserCase{"J. R. Smith met e.g. Mr. X. there", "Smith met  Mr.  there", 0},
    NormaliserCase{"A.", "A.", 0},
    NormaliserCase{"A. b", "b", 0},
    // Only the lowercase word "ok" goes.
    NormaliserCase{"ok, I think it's ok. Okay? OK? book ok", ", I think it's . Okay? OK? book", 3},
    NormaliserCase{"ok", "", 1},
    NormaliserCase{"okok ok1", "okok 1", 1},
    // Three or more equal letters vanish; two stay; case matters.
    NormaliserCase{"Sooo goood!!! Hmm hmmm zzz", "S gd!!! Hmm h", 0},
    NormaliserCase{"aAa bbbB", "aAa B", 0},
    NormaliserCase{"the ok-ok..1111 stays", "the -..1111 stays", 2},
    // A deletion can create a new match for the same step.
    NormaliserCase{"bbooob here", "here", 0},
    NormaliserCase{"xoookk here", "xkk here", 0},
    NormaliserCase{"o ok k word", "o  k word", 1},
    // Trimming of spaces, tabs and line breaks at both ends only.
    NormaliserCase{" \t\r\nsome  words\r\n here \r\n", "some  words\r\n here", 0},
    NormaliserCase{"", "", 0}));

TEST(FoldQuotes, foldsTypographicQuotesButNotTheLeftSingleQuote)
{
    EXPECT_EQ(foldQuotes("\x91it\x92s \x93yes\x94 `x`"), "\x91it's \"yes\" 'x'");
}

TEST(StripLineFeeds, keepsCarriageReturns)
{
    EXPECT_EQ(stripLineFeeds("a\r\nb\nc"), "a\rbc");
}

} // namespace
} // namespace quendry
