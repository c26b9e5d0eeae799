// Whole comparisons whose terms and percentage were worked out by hand from the rules; each
// case folder explains its working in working.md.
#include "analysis/run/Analyzer.h"
#include "analysis/run/TwoTextComparison.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace quendry {
namespace {

const std::filesystem::path goldenFolder = QUENDRY_GOLDEN_DIR;

std::vector<std::string> caseNames()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(goldenFolder)) {
        if (entry.is_directory() && std::filesystem::exists(entry.path() / "expected.txt"))
            names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string readBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file) << "cannot open " << path;
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// "percent N" and one "termName value" line per non-zero term; '#' starts a comment line.
struct Expected {
    int percent = -1;
    std::map<std::string, double> terms;
};

Expected readExpected(const std::filesystem::path& path)
{
    Expected expected;
    std::istringstream lines(readBytes(path));
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '#' || line == "\r")
            continue;
        std::istringstream fields(line);
        std::string name;
        double value = 0;
        fields >> name >> value;
        if (name == "percent")
            expected.percent = static_cast<int>(value);
        else
            expected.terms[name] = value;
    }
    return expected;
}

const Dictionary& shippedDictionary()
{
    static const Dictionary dictionary = Dictionary::fromFile(QUENDRY_DICTIONARY);
    return dictionary;
}

class GoldenTest : public testing::TestWithParam<std::string> {};

TEST_P(GoldenTest, matchesTheHandWorking)
{
    const std::filesystem::path folder = goldenFolder / GetParam();
    ASSERT_FALSE(shippedDictionary().empty()) << "cannot read " << QUENDRY_DICTIONARY;
    const Expected expected = readExpected(folder / "expected.txt");
    for (const auto& [name, value] : expected.terms) {
        EXPECT_TRUE(std::any_of(termTable().begin(), termTable().end(),
            [&](const TermInfo& term) { return term.name == name; }))
            << "expected.txt names no term: " << name;
    }

    const std::string first = readBytes(folder / "first.txt");
    const std::string second = readBytes(folder / "second.txt");
    static const Analyzer analyzer;
    const ComparisonOutcome outcome
        = analyzer.compare(analyzer.profile(first, shippedDictionary()), analyzer.profile(second, shippedDictionary()));
    // The direct two-text path must agree to the last field.
    EXPECT_TRUE(outcome == compareTexts(first, second, ReferenceData(builtInReferenceLists()), shippedDictionary()));
    const auto* comparison = std::get_if<Comparison>(&outcome);
    ASSERT_NE(comparison, nullptr) << "refused: " << std::get<Refusal>(outcome).message();

    for (const TermInfo& term : termTable()) {
        const auto found = expected.terms.find(std::string(term.name));
        const double wanted = found == expected.terms.end() ? 0.0 : found->second;
        EXPECT_DOUBLE_EQ(term.valueIn(comparison->terms), wanted) << term.name;
    }
    EXPECT_EQ(comparison->percent, expected.percent);
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenTest, testing::ValuesIn(caseNames()),
    [](const testing::TestParamInfo<std::string>& info) {
        std::string name = info.param;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

} // namespace
} // namespace quendry
