#include "analysis/lists/BuiltInTables.h"

#include "analysis/features/Contractions.h"
#include "analysis/features/Phrases.h"
#include "analysis/lists/ReferenceLists.h"
#include "analysis/profile/Emoticons.h"
#include "analysis/run/Comparison.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>

namespace quendry {
namespace {

// The tables compiled into the program must be, entry by entry, what preparing the built-in lists
// at run time builds: a generated source left stale, or a table written out wrongly, shows here.

template <typename Entry>
void expectSameEntries(std::span<const Entry> builtIn, std::span<const Entry> prepared, const std::string& what)
{
    ASSERT_EQ(builtIn.size(), prepared.size()) << what;
    const auto [mismatch, _] = std::mismatch(builtIn.begin(), builtIn.end(), prepared.begin());
    EXPECT_TRUE(mismatch == builtIn.end()) << what << ": entry " << (mismatch - builtIn.begin()) << " differs";
}

void expectSameAutomaton(const PatternTables& builtIn, const PatternMatcher* prepared, const std::string& what)
{
    ASSERT_NE(prepared, nullptr) << what;
    const PatternTables& p = prepared->tables();
    expectSameEntries(builtIn.classOf, p.classOf, what + " classOf");
    EXPECT_EQ(builtIn.classShift, p.classShift) << what;
    expectSameEntries(builtIn.next16, p.next16, what + " next16");
    expectSameEntries(builtIn.next32, p.next32, what + " next32");
    expectSameEntries(builtIn.output, p.output, what + " output");
    expectSameEntries(builtIn.outputNext, p.outputNext, what + " outputNext");
    expectSameEntries(builtIn.pattern, p.pattern, what + " pattern");
    expectSameEntries(builtIn.depth, p.depth, what + " depth");
    expectSameEntries(builtIn.lengths, p.lengths, what + " lengths");
    EXPECT_EQ(builtIn.longest, p.longest) << what;
    expectSameEntries(builtIn.idOf, p.idOf, what + " idOf");
}

TEST(BuiltInTables, holdWhatPreparingTheBuiltInListsBuilds)
{
    const ReferenceLists lists = builtInReferenceLists();
    const BuiltInTables& builtIn = builtInTables();

    const std::vector<std::string_view> emoticonList(lists.emoticons.begin(), lists.emoticons.end());
    expectSameEntries(builtIn.emoticons, std::span<const std::string_view>(emoticonList), "emoticon list");

    const EmoticonPatterns emoticons(lists.emoticons, lists.emoticonWords);
    expectSameEntries(builtIn.emoticonGroups.patterns, emoticons.groups().patterns, "emoticon groups");
    expectSameAutomaton(builtIn.emoticonGroups.automaton, &*emoticons.groups().matcher, "emoticon groups");
    expectSameEntries(builtIn.emoticonWordsAfterMarks.patterns, emoticons.wordsAfterMarks().patterns, "emoticon words");
    expectSameAutomaton(builtIn.emoticonWordsAfterMarks.automaton, &*emoticons.wordsAfterMarks().matcher, "emoticon words");

    const PhrasePatterns phrases(lists.phrases);
    expectSameEntries(builtIn.phrases.patterns, phrases.entries(), "phrases");
    expectSameAutomaton(builtIn.phrases.automaton, phrases.matcher(), "phrases");
    EXPECT_EQ(builtIn.phrasesHaveSpacePairs, phrases.entriesHaveSpacePairs());

    const Dictionary names = nameDictionary(lists.names);
    expectSameEntries(builtIn.names.shortWords, names.tables().shortWords, "name slots");
    expectSameEntries(builtIn.names.longWords, names.tables().longWords, "long names");
    EXPECT_EQ(builtIn.names.text, names.tables().text);
    EXPECT_EQ(builtIn.names.shortWordCount, names.tables().shortWordCount);

    EXPECT_TRUE(ContractionFormTable::builtIn().tables() == ContractionFormTable().tables());
}

// Views of the built-in tables answer as the values that own theirs.
TEST(BuiltInTables, lookUpAsThePreparedValues)
{
    const ReferenceLists lists = builtInReferenceLists();
    const Dictionary prepared = nameDictionary(lists.names);
    const Dictionary builtIn(builtInTables().names);
    for (const std::string& name : lists.names) {
        std::string upper = toUpperAscii(trimmed(name));
        std::erase(upper, '#');
        EXPECT_TRUE(builtIn.contains(upper)) << name;
        EXPECT_EQ(builtIn.contains(upper + "S"), prepared.contains(upper + "S")) << name;
    }
    EXPECT_FALSE(builtIn.contains("QUENDRY"));
    EXPECT_FALSE(builtIn.empty());

    std::string text;
    for (const std::string& phrase : lists.phrases)
        text += phrase + " ";
    for (const std::string& emoticon : lists.emoticons)
        text += ". " + emoticon + " ";
    const PhrasePatterns builtInPhrases(builtInTables().phrases, builtInTables().phrasesHaveSpacePairs);
    EXPECT_EQ(countPhrases(text, builtInPhrases), countPhrases(text, PhrasePatterns(lists.phrases)));
    std::string builtInText = text;
    const EmoticonPatterns builtInEmoticons(builtInTables().emoticonGroups, builtInTables().emoticonWordsAfterMarks);
    EXPECT_EQ(countEmoticons(builtInText, 0, builtInEmoticons), countEmoticons(text, 0, lists.emoticons, lists.emoticonWords));
    EXPECT_EQ(builtInText, text);
}

} // namespace
} // namespace quendry
