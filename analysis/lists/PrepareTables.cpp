// Prepares the reference lists built into the program, as Analyzer(builtInReferenceLists()) does
// at run time, and writes every table that preparation builds into a C++ source as constant data
// (the definitions of builtInTables() and ContractionFormTable::builtIn()):
//
//     quendry_prepare_tables OUTPUT.cpp
//
// The build runs it whenever the lists or the code that prepares them change. The file is left
// alone when its content would not change, so that nothing is compiled again without need.

#include "analysis/features/Contractions.h"
#include "analysis/features/Phrases.h"
#include "analysis/lists/ReferenceLists.h"
#include "analysis/profile/Dictionary.h"
#include "analysis/profile/Emoticons.h"
#include "analysis/profile/PatternMatcher.h"
#include "analysis/run/Comparison.h"

#include <charconv>
#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <iterator>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace quendry {
namespace {

// The pieces one after the other. (GCC 12 warns wrongly about `"literal" + std::string`, -Wrestrict.)
std::string concat(std::initializer_list<std::string_view> pieces)
{
    std::string text;
    for (const std::string_view piece : pieces)
        text += piece;
    return text;
}

// The text of the generated source, built up array by array.
class SourceWriter {
public:
    const std::string& text() const { return m_text; }
    void append(std::string_view text) { m_text += text; }

    // Defines a constant array of numbers named `name` and gives what a span of it is initialised
    // with: the name, or {} for no numbers (an array may not be empty).
    template <typename Number>
    std::string numbers(const std::string& name, std::string_view type, std::span<const Number> values)
    {
        if (values.empty())
            return "{}";
        m_text += concat({"constexpr ", type, " ", name, "[] = {"});
        for (std::size_t i = 0; i < values.size(); ++i) {
            m_text += i % 24 == 0 ? "\n    " : " ";
            appendNumber(values[i]);
            m_text += ',';
        }
        m_text += "\n};\n\n";
        return name;
    }

    std::string strings(const std::string& name, std::span<const std::string_view> values)
    {
        if (values.empty())
            return "{}";
        m_text += concat({"constexpr std::string_view ", name, "[] = {\n"});
        for (const std::string_view value : values) {
            m_text += "    {";
            appendLiteral(value);
            m_text += concat({", ", std::to_string(value.size()), "},\n"});
        }
        m_text += "};\n\n";
        return name;
    }

    std::string packedWords(const std::string& name, std::span<const PackedWord> words)
    {
        if (words.empty())
            return "{}";
        m_text += concat({"constexpr PackedWord ", name, "[] = {\n"});
        for (const PackedWord& word : words)
            m_text += concat({"    ", packedWord(word), ",\n"});
        m_text += "};\n\n";
        return name;
    }

    static std::string packedWord(const PackedWord& word)
    {
        return concat({"{", hex(word.low), ", ", hex(word.high), "}"});
    }

    static std::string hex(std::uint64_t value)
    {
        char digits[16];
        const auto end = std::to_chars(std::begin(digits), std::end(digits), value, 16).ptr;
        return concat({"0x", std::string_view(digits, static_cast<std::size_t>(end - digits)), "ull"});
    }

    // Every byte that is not plain printable ASCII, and the quote, the backslash and the question
    // mark, as a three-digit octal escape, which no following character can extend.
    void appendLiteral(std::string_view value)
    {
        m_text += '"';
        for (const char c : value) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= 32 && byte < 127 && c != '"' && c != '\\' && c != '?') {
                m_text += c;
                continue;
            }
            m_text += '\\';
            m_text += static_cast<char>('0' + (byte >> 6));
            m_text += static_cast<char>('0' + ((byte >> 3) & 7));
            m_text += static_cast<char>('0' + (byte & 7));
        }
        m_text += '"';
    }

private:
    template <typename Number>
    void appendNumber(Number value)
    {
        char digits[24];
        const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
        m_text.append(std::begin(digits), end);
    }

    std::string m_text;
};

// The span initialisers of one automaton, its arrays named after `name`.
std::string automaton(SourceWriter& out, const std::string& name, const PatternMatcher* matcher)
{
    if (!matcher)
        return "{}";
    const PatternTables& t = matcher->tables();
    const std::string classOf = out.numbers<std::uint32_t>(name + "ClassOf", "std::uint32_t", t.classOf);
    const std::string next16 = out.numbers<std::uint16_t>(name + "Next16", "std::uint16_t", t.next16);
    const std::string next32 = out.numbers<std::uint32_t>(name + "Next32", "std::uint32_t", t.next32);
    const std::string output = out.numbers<std::int32_t>(name + "Output", "std::int32_t", t.output);
    const std::string outputNext = out.numbers<std::uint32_t>(name + "OutputNext", "std::uint32_t", t.outputNext);
    const std::string pattern = out.numbers<std::uint32_t>(name + "Pattern", "std::uint32_t", t.pattern);
    const std::string depth = out.numbers<std::uint32_t>(name + "Depth", "std::uint32_t", t.depth);
    const std::string lengths = out.numbers<std::uint32_t>(name + "Lengths", "std::uint32_t", t.lengths);
    const std::string idOf = out.numbers<std::uint32_t>(name + "IdOf", "std::uint32_t", t.idOf);
    return concat({"{\n        .classOf = ", classOf, ",\n        .classShift = ", std::to_string(t.classShift),
        ",\n        .next16 = ", next16, ",\n        .next32 = ", next32, ",\n        .output = ", output,
        ",\n        .outputNext = ", outputNext, ",\n        .pattern = ", pattern, ",\n        .depth = ", depth,
        ",\n        .lengths = ", lengths, ",\n        .longest = ", std::to_string(t.longest), ",\n        .idOf = ", idOf,
        ",\n    }"});
}

std::string patternSet(SourceWriter& out, const std::string& name, std::span<const std::string_view> patterns,
    const PatternMatcher* matcher)
{
    const std::string texts = out.strings(name + "Patterns", patterns);
    return concat({"{\n    .patterns = ", texts, ",\n    .automaton = ", automaton(out, name, matcher), "}"});
}

const PatternMatcher* matcherOf(const EmoticonPatterns::Set& set)
{
    return set.matcher ? &*set.matcher : nullptr;
}

std::string contractionTables(const ContractionFormTable::Tables& t)
{
    std::string text = concat({"ContractionFormTable::Tables{\n    .formCount = ", std::to_string(t.formCount), ",\n    .rowSlots = {{"});
    for (const auto& row : t.rowSlots)
        text += concat({"{", std::to_string(row[0]), ", ", std::to_string(row[1]), "}, "});
    text += "}},\n    .words = {{\n";
    for (const auto& slot : t.words)
        text += concat({"        {", SourceWriter::packedWord(slot.key), ", ", std::to_string(slot.id), "},\n"});
    text += "    }},\n    .forms = {{\n";
    for (const auto& slot : t.forms)
        text += concat({"        {", SourceWriter::hex(slot.sequence), ", ", std::to_string(slot.form), "},\n"});
    text += "    }},\n    .firstLetters = {{";
    for (const std::uint32_t letters : t.firstLetters)
        text += concat({std::to_string(letters), "u, "});
    text += concat({"}},\n    .otherFirst = ", t.otherFirst ? "true" : "false", ",\n}"});
    return text;
}

std::string builtInTablesSource()
{
    const ReferenceLists lists = builtInReferenceLists();
    const EmoticonPatterns emoticons(lists.emoticons, lists.emoticonWords);
    const PhrasePatterns phrases(lists.phrases);
    const Dictionary names = nameDictionary(lists.names);
    const ContractionFormTable contractionForms;

    SourceWriter out;
    out.append("// Generated by quendry_prepare_tables from the reference lists. Do not edit.\n\n"
               "#include \"analysis/features/Contractions.h\"\n"
               "#include \"analysis/lists/BuiltInTables.h\"\n\n"
               "#include <cstdint>\n#include <string_view>\n\n"
               "namespace quendry {\nnamespace {\n\n");

    const std::vector<std::string_view> emoticonList(lists.emoticons.begin(), lists.emoticons.end());
    const std::string emoticonListName = out.strings("emoticonList", emoticonList);
    const std::string groups = patternSet(out, "emoticonGroup", emoticons.groups().patterns, matcherOf(emoticons.groups()));
    const std::string wordsAfterMarks = patternSet(out, "emoticonWordAfterMark", emoticons.wordsAfterMarks().patterns,
        matcherOf(emoticons.wordsAfterMarks()));
    const std::string phraseSet = patternSet(out, "phrase", phrases.entries(), phrases.matcher());

    const DictionaryTables& nameTables = names.tables();
    const std::string nameSlots = out.packedWords("nameSlots", nameTables.shortWords);
    const std::string nameLongWords = out.strings("nameLongWords", nameTables.longWords);
    out.append("constexpr std::string_view nameText{");
    out.appendLiteral(nameTables.text);
    out.append(concat({", ", std::to_string(nameTables.text.size()), "};\n\n"}));

    out.append(concat({"constexpr BuiltInTables tables{\n    .emoticons = ", emoticonListName, ",\n    .emoticonGroups = ", groups,
        ",\n    .emoticonWordsAfterMarks = ", wordsAfterMarks, ",\n    .phrases = ", phraseSet,
        ",\n    .phrasesHaveSpacePairs = ", phrases.entriesHaveSpacePairs() ? "true" : "false",
        ",\n    .names = {\n        .shortWords = ", nameSlots, ",\n        .longWords = ", nameLongWords,
        ",\n        .text = nameText,\n        .shortWordCount = ", std::to_string(nameTables.shortWordCount),
        ",\n    },\n};\n\n"}));
    out.append(concat({"constexpr ContractionFormTable contractionForms{", contractionTables(contractionForms.tables()), "};\n\n"}));
    out.append("} // namespace\n\n"
               "const BuiltInTables& builtInTables()\n{\n    return tables;\n}\n\n"
               "const ContractionFormTable& ContractionFormTable::builtIn()\n{\n    return contractionForms;\n}\n\n"
               "} // namespace quendry\n");
    return out.text();
}

} // namespace
} // namespace quendry

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: quendry_prepare_tables OUTPUT.cpp\n";
        return 2;
    }
    const std::string source = quendry::builtInTablesSource();
    {
        std::ifstream previous(argv[1], std::ios::binary);
        if (previous && std::string(std::istreambuf_iterator<char>(previous), std::istreambuf_iterator<char>()) == source)
            return 0;
    }
    std::ofstream output(argv[1], std::ios::binary | std::ios::trunc);
    output << source;
    output.close();
    if (!output) {
        std::cerr << "quendry_prepare_tables: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
