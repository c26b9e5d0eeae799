#include "analysis/profile/Sentences.h"

#include <gtest/gtest.h>

#include <string>

namespace quendry {
namespace {

TEST(Sentences, countsTheSentencesOfTwoOrMoreWords)
{
    const struct {
        std::string_view text;
        std::int32_t sentences;
    } cases[] = {
        {"Hello there. How are you? I am fine!", 3},
        {"Mr. Smith went home. He slept.", 2},         // "mr." is one word
        {"Wait... and then he left. Yes.", 1},         // the ellipsis runs on into "and"
        {"Wait... Then he left. Yes.", 1},             // "wait." and "yes." are one word each
        {"Costs 3.50 dollars. Fine by me.", 2},        // a digit after the full stop
        {"Really?! Yes!!! No way...", 1},
        {"Hello there", 1},
        {"Hello", 0},
        {"", 0},
        {" \r\n\t ", 0},
        {"...", 0},
        {"Going home\r\nnow. Then sleep.", 2},         // the lines join into "homenow"
        {"Going\r\nhome", 0},                          // ... and into "goinghome"
        {"Hello there.\r\nHow are you", 2},
        {"Hello there!How are you", 2},                // capitals are lowered before cutting
        {"Use e.g. this one. Or that one.", 3},        // no cut inside "e.g", one after it
        {"I said e.g., you and me", 1},                // no cut inside "e.g" and none after it
        {"He said... then left. Then... Again here.", 2},
        {"It is over...", 1},
        {"It is over.. and done with it", 1},
        {"..g. .b", 1},                                // a blanked ellipsis does not reopen at the next stop
        {"What?? You did it?? Wow", 1},
        {"Yes.No way.", 1},                            // "yes.no way." is one piece
        {"One two.3 four five. six seven", 2},         // ".3" does not cut
        {"See you . Bye now", 2},
        {"A b.  c d", 2},
        {"I am.\tYou are.", 1},                        // a tab is no space
    };
    for (const auto& c : cases)
        EXPECT_EQ(countSentences(c.text), c.sentences) << c.text;
}

TEST(Sentences, anEllipsisBlanksEverythingUpToTheLowercaseWordAfterIt)
{
    EXPECT_EQ(countSentences("I was... you know, tired. Fine then."), 2);
    // The blank reaches past other marks and digits up to the first letter.
    EXPECT_EQ(countSentences("I was... ! ? you know, tired. Fine then."), 2);
    EXPECT_EQ(countSentences("I was... 1, 2. you know. Fine then."), 2);
    // An uppercase letter stops the blank, and the scan goes on after it: "so." is cut off, and
    // the second ellipsis still runs on into "c".
    EXPECT_EQ(countSentences("So...A and b... c d. e f"), 2);
}

TEST(Sentences, aLongTextIsCountedInOnePass)
{
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += "This is one. And... another one! ";
    EXPECT_EQ(countSentences(text), 200000);
}

} // namespace
} // namespace quendry
