#include "analysis/profile/Dictionary.h"

#include "analysis/profile/Characters.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace quendry {
namespace {

using namespace std::string_literals;

// What a lookup means: the upper-cased text, up to its first NUL, contains '#' + candidate + '#'.
bool literalLookup(std::string_view text, std::string_view candidate)
{
    const std::string upper = toUpperAscii(text.substr(0, text.find('\0')));
    return upper.find("#" + std::string(candidate) + "#") != std::string::npos;
}

// Every stretch of the text up to a few characters long, as written and upper-cased, and a few
// candidates that no stretch yields.
std::set<std::string> candidatesFor(std::string_view text)
{
    std::set<std::string> candidates{"", " ", "#", "##", "A", "a", "CAT", "cat", "DOG", "CAT DOG", "CATDOG",
        "ZEBRA", "\r\n", "\0"s, "NUL", "\x92", "'"};
    for (std::size_t start = 0; start < text.size(); ++start) {
        for (std::size_t length = 0; length <= 12 && start + length <= text.size(); ++length) {
            const std::string_view piece = text.substr(start, length);
            candidates.emplace(piece);
            candidates.emplace(toUpperAscii(piece));
        }
    }
    return candidates;
}

class DictionaryLookup : public testing::TestWithParam<std::string> {};

TEST_P(DictionaryLookup, agreesWithTheLiteralSearchForEveryCandidate)
{
    const std::string& text = GetParam();
    const Dictionary dictionary = Dictionary::fromText(text);
    for (const std::string& candidate : candidatesFor(text))
        EXPECT_EQ(dictionary.contains(candidate), literalLookup(text, candidate))
            << "candidate \"" << candidate << "\" in \"" << text << "\"";
}

INSTANTIATE_TEST_SUITE_P(AwkwardTexts, DictionaryLookup,
    testing::Values(""s,
        "#"s,
        "##"s,
        "###"s,
        "#cat#\r\n#dog#\r\n"s,         // one word a line, lower case
        "#CAT#DOG#BIRD#"s,            // neighbours sharing a '#'
        "#CAT#\r\n\r\n#DOG#\r\n\r\n"s, // blank lines
        "#ice cream#hot dog#"s,       // entries with spaces
        "#A##B#"s,                    // an empty entry between two words
        "##CAT##"s,
        "#Cat#cAt#CAT#"s,
        "#CAT#\0#DOG#"s,              // nothing after the NUL counts
        "\0#CAT#"s,
        "#CAT#DOG"s,                  // the last word has no closing '#'
        "CAT#DOG#"s,                  // nor has the first an opening one
        "#caf\xe9#na\xefve#"s,        // codes above 127 are not letters and keep their case
        "#don't#it's#\x92#"s,
        " #CAT# "s,
        "#A#B#C#D#E#F#"s));

TEST(Dictionary, readsAStreamUpToTheFirstNul)
{
    std::istringstream input("#cat#\r\n#dog#\0#bird#"s);
    const Dictionary dictionary = Dictionary::fromStream(input);
    EXPECT_TRUE(dictionary.contains("CAT"));
    EXPECT_TRUE(dictionary.contains("DOG"));
    EXPECT_FALSE(dictionary.contains("BIRD"));
}

TEST(Dictionary, aFileThatCannotBeReadGivesTheEmptyDictionary)
{
    const Dictionary dictionary = Dictionary::fromFile(std::filesystem::path("no-such-folder") / "Dct.txt");
    EXPECT_TRUE(dictionary.empty());
    EXPECT_FALSE(dictionary.contains(""));
    EXPECT_FALSE(dictionary.contains("CAT"));
}

} // namespace
} // namespace quendry
