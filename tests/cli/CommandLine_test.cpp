#include "cli/CommandLine.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace quendry::cli {
namespace {

namespace fs = std::filesystem;

class CommandLineTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() / ("quendry-cli-test-" + std::to_string(::getpid()) + "-"
            + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_folder);
        write("Dct.txt", "#the#cat#sat#on#mat#and#dog#ran#away#from#home#a#big#red#ball#he#she#it#was#");
        write("first.txt", "The cat sat on the mat, and the dog ran away from home.\n");
        write("second.txt", "\xEF\xBB\xBFShe sat on a big red ball; the cat ran away from the dog.\r\n");
        write("small.txt", "The cat sat on it.");
    }
    void TearDown() override { fs::remove_all(m_folder); }

    void write(const std::string& name, const std::string& content)
    {
        std::ofstream(m_folder / name, std::ios::binary) << content;
    }
    std::string path(const std::string& name) const { return (m_folder / name).string(); }

    int run(std::vector<std::string> arguments, const std::string& input = {})
    {
        std::istringstream in(input);
        m_out.str({});
        m_err.str({});
        return runCommandLine(arguments, in, m_out, m_err, m_folder);
    }

    fs::path m_folder;
    std::ostringstream m_out;
    std::ostringstream m_err;
};

TEST_F(CommandLineTest, printsThePercentage)
{
    EXPECT_EQ(run({"compare", path("first.txt"), path("second.txt")}), Success) << m_err.str();
    EXPECT_TRUE(m_out.str().ends_with("%\n")) << m_out.str();
    EXPECT_EQ(m_out.str().find('\n'), m_out.str().size() - 1);
}

TEST_F(CommandLineTest, readsStandardInputForADash)
{
    std::ifstream file(path("second.txt"), std::ios::binary);
    std::string second{std::istreambuf_iterator<char>(file), {}};
    ASSERT_EQ(run({"compare", path("first.txt"), path("second.txt")}), Success);
    const std::string fromFile = m_out.str();
    EXPECT_EQ(run({"compare", path("first.txt"), "-"}, second), Success);
    EXPECT_EQ(m_out.str(), fromFile);
}

TEST_F(CommandLineTest, exitStatuses)
{
    const struct {
        std::vector<std::string> arguments;
        int status;
        const char* stderrHas;
    } cases[] = {
        {{"compare", path("small.txt"), path("second.txt")}, Refused, "The first text is too small to be analyzed.\n"},
        {{"compare", path("first.txt"), path("small.txt")}, Refused, "The second text is too small to be analyzed.\n"},
        {{"compare", path("missing.txt"), path("second.txt")}, ReadError, "missing.txt"},
        {{"compare", path("first.txt"), m_folder.string()}, ReadError, "folder"},
        {{"compare", path("first.txt"), path("second.txt"), "--data", path("nowhere")}, ReadError, "Dct.txt"},
        {{"compare", path("first.txt")}, UsageError, "two texts"},
        {{"compare", "-", "-"}, UsageError, "standard input"},
        {{"compare", "--frobnicate", path("first.txt"), path("second.txt")}, UsageError, "--frobnicate"},
        {{"compare", path("first.txt"), path("second.txt"), "--data"}, UsageError, "--data"},
        {{"translate"}, UsageError, "translate"},
        {{}, UsageError, "--help"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run(c.arguments), c.status) << c.stderrHas;
        EXPECT_NE(m_err.str().find(c.stderrHas), std::string::npos) << m_err.str();
    }
}

TEST_F(CommandLineTest, helpAndVersion)
{
    EXPECT_EQ(run({"--help"}), Success);
    EXPECT_NE(m_out.str().find("compare"), std::string::npos);
    EXPECT_EQ(run({"compare", "--help"}), Success);
    EXPECT_EQ(run({"--version"}), Success);
    EXPECT_TRUE(m_out.str().starts_with("quendry-cli ")) << m_out.str();
}

TEST_F(CommandLineTest, jsonHoldsEveryTermAndEveryKeptValue)
{
    ASSERT_EQ(run({"compare", "--json", path("first.txt"), path("second.txt")}), Success) << m_err.str();
    const auto json = nlohmann::ordered_json::parse(m_out.str());
    EXPECT_EQ(json["percent"].get<int>(), static_cast<int>(std::ceil(json["score"].get<double>())));
    ASSERT_EQ(json["terms"].size(), 26u);
    EXPECT_EQ(json["terms"].begin().key(), "sharedSymbolRunPoints");
    EXPECT_EQ((--json["terms"].end()).key(), "phraseRatePoints");
    const std::vector<std::string> keys = {"okCount", "emoticonCount", "sentenceCount", "wordCount", "commaCount",
        "periodCount", "spaceCommaCount", "spacePeriodCount", "commaSpaceCount", "periodSpaceCount", "specialChars",
        "lowercaseIFlag", "questionMarkCount", "spaceQuestionCount", "questionSpaceCount", "otherSymbolCount",
        "semicolonCount", "exclamationCount", "colonCount", "letterCount", "wordTokenCount", "symbolRuns",
        "symbolRunCounts", "capsWords", "capsWordCounts", "unknownWords", "phraseCount", "lowercaseSentenceStarts"};
    for (const char* side : {"first", "second"}) {
        std::vector<std::string> found;
        for (const auto& item : json[side].items())
            found.push_back(item.key());
        EXPECT_EQ(found, keys) << side;
    }
    EXPECT_EQ(json["first"]["wordCount"].get<int>(), 13);
    EXPECT_EQ(json["second"]["semicolonCount"].get<int>(), 1);
    EXPECT_TRUE(json["sharedUnknownWords"].is_array());
}

TEST_F(CommandLineTest, jsonRefusal)
{
    EXPECT_EQ(run({"compare", "--json", path("small.txt"), path("second.txt")}), Refused);
    EXPECT_EQ(nlohmann::json::parse(m_out.str())["refused"], "The first text is too small to be analyzed.");
}

TEST_F(CommandLineTest, jsonStringsAreUtf8)
{
    write("accents.txt", "The caf\xE9 sat on the mat and the dog ran \xA7 away.");
    ASSERT_EQ(run({"compare", "--json", path("accents.txt"), path("first.txt")}), Success) << m_err.str();
    const auto json = nlohmann::json::parse(m_out.str());
    EXPECT_EQ(json["first"]["specialChars"], nlohmann::json::array({"\xC2\xA7"}));
}

} // namespace
} // namespace quendry::cli
