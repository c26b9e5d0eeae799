#include "cli/CommandLine.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace quendry::cli {
namespace {

namespace fs = std::filesystem;

const std::string catText = "The cat sat on the mat, and the dog ran away from home.\r\n";
const std::string ballText = "She sat on a big red ball; the cat ran away from the dog.\r\n";
const std::string dogText = "The dog sat on the big red mat. He ran away from the cat.\r\n";
const std::string smallText = "The cat sat on it.";

class ManyTextsTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() / ("quendry-many-test-" + std::to_string(::getpid()) + "-"
            + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_folder);
        write("Dct.txt", "#the#cat#sat#on#mat#and#dog#ran#away#from#home#a#big#red#ball#he#she#it#was#");
        write("cat.txt", catText);
        write("ball.txt", ballText);
        write("dog.txt", dogText);
        write("small.txt", smallText);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    void write(const std::string& name, const std::string& content)
    {
        fs::create_directories((m_folder / name).parent_path());
        std::ofstream(m_folder / name, std::ios::binary) << content;
    }
    std::string read(const std::string& name) const
    {
        std::ifstream file(m_folder / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }
    std::string path(const std::string& name) const { return (m_folder / name).string(); }

    int run(std::vector<std::string> arguments, const std::string& input = {})
    {
        std::istringstream in(input);
        m_out.str({});
        m_err.str({});
        return runCommandLine(arguments, in, m_out, m_err, m_folder);
    }

    // The percentage `compare` gives for the pair.
    std::string comparePercent(const std::string& first, const std::string& second)
    {
        EXPECT_EQ(run({"compare", path(first), path(second)}), Success) << m_err.str();
        std::string percent = m_out.str();
        return percent.substr(0, percent.find('%'));
    }

    std::vector<std::string> outLines() const
    {
        std::vector<std::string> lines;
        std::istringstream stream(m_out.str());
        for (std::string line; std::getline(stream, line);)
            lines.push_back(line);
        return lines;
    }

    fs::path m_folder;
    std::ostringstream m_out;
    std::ostringstream m_err;
};

TEST_F(ManyTextsTest, everySubcommandHasItsHelp)
{
    for (const char* command : {"compare", "rank", "matrix", "evaluate"}) {
        EXPECT_EQ(run({command, "--help"}), Success) << command;
        EXPECT_NE(m_out.str().find(std::string("Usage: quendry-cli ") + command), std::string::npos) << m_out.str();
    }
    EXPECT_EQ(run({"--help"}), Success);
    for (const char* command : {"compare", "rank", "matrix", "evaluate"})
        EXPECT_NE(m_out.str().find(command), std::string::npos) << command;
}

TEST_F(ManyTextsTest, usageErrors)
{
    const struct {
        std::vector<std::string> arguments;
        const char* stderrHas;
    } cases[] = {
        {{"rank", path("cat.txt")}, "candidates"},
        {{"rank", path("cat.txt"), "--samples", path("x"), path("dog.txt")}, "--samples"},
        {{"rank", path("cat.txt"), "--top", "0", path("dog.txt")}, "--top"},
        {{"rank", path("cat.txt"), "--json", "--csv", path("dog.txt")}, "--json"},
        {{"rank", path("cat.txt"), "-"}, "standard input"},
        {{"matrix", path("cat.txt")}, "two texts"},
        {{"matrix", path("cat.txt"), path("dog.txt"), "-j", "0"}, "-j"},
        {{"evaluate"}, "--pan"},
        {{"evaluate", "--pan", path("a"), "--pairs", path("b")}, "--pan"},
        {{"compare", "--chunks", "x", path("cat.txt"), path("dog.txt")}, "--chunks"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run(c.arguments), UsageError) << c.stderrHas;
        EXPECT_NE(m_err.str().find(c.stderrHas), std::string::npos) << m_err.str();
        EXPECT_EQ(m_out.str(), "");
    }
}

TEST_F(ManyTextsTest, rankOrdersByPercentThenByNameWithRefusalsLast)
{
    // Two candidates with the same text tie; the name decides, ignoring case.
    write("Zed.txt", ballText);
    write("apple.txt", ballText);
    ASSERT_EQ(run({"rank", path("cat.txt"), path("small.txt"), path("Zed.txt"), path("dog.txt"), path("apple.txt")}),
        Success) << m_err.str();
    const auto lines = outLines();
    ASSERT_EQ(lines.size(), 4u) << m_out.str();
    const std::string ball = comparePercent("cat.txt", "ball.txt");
    const std::string dog = comparePercent("cat.txt", "dog.txt");
    ASSERT_NE(ball, dog) << "the fixture needs two different percentages";
    const bool ballFirst = std::stoi(ball) > std::stoi(dog);
    std::vector<std::string> expectedOrder = ballFirst
        ? std::vector<std::string>{path("apple.txt"), path("Zed.txt"), path("dog.txt")}
        : std::vector<std::string>{path("dog.txt"), path("apple.txt"), path("Zed.txt")};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NE(lines[i].find(expectedOrder[i]), std::string::npos) << lines[i];
        const std::string expectedPercent = expectedOrder[i] == path("dog.txt") ? dog : ball;
        EXPECT_NE(lines[i].find(expectedPercent + "%  "), std::string::npos) << lines[i];
    }
    EXPECT_NE(lines[3].find(path("small.txt")), std::string::npos);
    EXPECT_NE(lines[3].find("refused: The second text is too small to be analyzed."), std::string::npos) << lines[3];

    ASSERT_EQ(run({"rank", "--top", "1", "--csv", path("cat.txt"), path("small.txt"), path("dog.txt"), path("ball.txt")}),
        Success);
    EXPECT_EQ(m_out.str(), "rank,name,percent,refusal\n1," + (ballFirst ? path("ball.txt") + "," + ball : path("dog.txt") + "," + dog) + ",\n");
}

TEST_F(ManyTextsTest, rankJsonHasTheTermsOfEveryCandidate)
{
    ASSERT_EQ(run({"rank", "--json", path("cat.txt"), path("dog.txt"), path("small.txt")}), Success) << m_err.str();
    const auto lines = outLines();
    ASSERT_EQ(lines.size(), 2u);
    const auto scored = nlohmann::ordered_json::parse(lines[0]);
    EXPECT_EQ(scored["rank"], 1);
    EXPECT_EQ(scored["name"], path("dog.txt"));
    EXPECT_EQ(std::to_string(scored["percent"].get<int>()), comparePercent("cat.txt", "dog.txt"));
    EXPECT_EQ(scored["terms"].size(), 26u);
    const auto refused = nlohmann::json::parse(lines[1]);
    EXPECT_EQ(refused["refused"], "The second text is too small to be analyzed.");
    EXPECT_FALSE(refused.contains("rank"));
}

TEST_F(ManyTextsTest, rankReadsASampleFolderAsTheSampleListShowsIt)
{
    write("Template/memo 3.tqd", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 The dog sat on the big red mat.\\par He ran away "
                                 "from the cat.\\par}");
    write("Template/Notes.TQD", ballText);
    write("Template/.hidden.tqd", ballText);
    write("Template/readme.txt", ballText);
    fs::create_directories(m_folder / "Template" / "folder.tqd");
    ASSERT_EQ(run({"rank", "--csv", path("cat.txt"), "--samples", path("Template")}), Success) << m_err.str();
    const auto lines = outLines();
    ASSERT_EQ(lines.size(), 3u) << m_out.str();
    // The rich text sample compares as its text does.
    const std::string memo = comparePercent("cat.txt", "dog.txt");
    const std::string notes = comparePercent("cat.txt", "ball.txt");
    const bool memoFirst = std::stoi(memo) >= std::stoi(notes);
    EXPECT_EQ(lines[memoFirst ? 1 : 2].substr(1), ",memo 3," + memo + ",");
    EXPECT_EQ(lines[memoFirst ? 2 : 1].substr(1), ",Notes.TQD," + notes + ",");
}

TEST_F(ManyTextsTest, rankProblems)
{
    fs::create_directories(m_folder / "Empty");
    EXPECT_EQ(run({"rank", path("cat.txt"), "--samples", path("Empty")}), ReadError);
    EXPECT_NE(m_err.str().find("holds no samples"), std::string::npos) << m_err.str();

    EXPECT_EQ(run({"rank", path("small.txt"), path("dog.txt")}), Refused);
    EXPECT_NE(m_err.str().find("too small"), std::string::npos) << m_err.str();
    EXPECT_EQ(m_out.str(), "");

    // An unreadable candidate is named, the others are ranked, and the status says it is incomplete.
    EXPECT_EQ(run({"rank", path("cat.txt"), path("missing.txt"), path("dog.txt")}), ReadError);
    EXPECT_NE(m_err.str().find("missing.txt"), std::string::npos);
    EXPECT_NE(m_out.str().find(path("dog.txt")), std::string::npos);

    // A sample far too large for a pane is refused without being read: this one holds 64 GB.
    write("Huge/dog.tqd", dogText);
    write("Huge/huge.tqd", "");
    fs::resize_file(m_folder / "Huge" / "huge.tqd", std::uintmax_t{64} << 30);
    EXPECT_EQ(run({"rank", path("cat.txt"), "--samples", path("Huge")}), ReadError);
    EXPECT_NE(m_err.str().find("huge.tqd: it is too large"), std::string::npos) << m_err.str();
    EXPECT_NE(m_out.str().find("dog"), std::string::npos) << m_out.str();
}

TEST_F(ManyTextsTest, matrixIsTheSameWhateverTheThreads)
{
    for (int i = 0; i < 6; ++i)
        write("m" + std::to_string(i) + ".txt", (i % 2 ? catText : dogText) + (i % 3 ? ballText : ""));
    write("list.txt", "# the set\r\nm0.txt\r\nm1.txt\r\n\r\nm2.txt\nm3.txt\nm4.txt\nm5.txt\nsmall.txt\n");
    for (const char* format : {"--csv", "--json"}) {
        std::vector<std::string> arguments = {"matrix", "--list", path("list.txt"), "-j", "1"};
        if (std::string(format) == "--json")
            arguments.push_back(format);
        ASSERT_EQ(run(arguments), Success) << m_err.str();
        const std::string single = m_out.str();
        arguments[4] = "2";
        ASSERT_EQ(run(arguments), Success);
        EXPECT_EQ(m_out.str(), single) << format;
        // The refused text is reported once.
        EXPECT_EQ(m_err.str(), path("small.txt") + ": refused: The text is too small to be analyzed.\n");
    }
}

TEST_F(ManyTextsTest, matrixCells)
{
    ASSERT_EQ(run({"matrix", path("cat.txt"), path("dog.txt"), path("missing.txt"), path("ball.txt")}), ReadError);
    EXPECT_NE(m_err.str().find("missing.txt"), std::string::npos);
    const auto lines = outLines();
    ASSERT_EQ(lines.size(), 5u);
    const std::string catDog = comparePercent("cat.txt", "dog.txt");
    const std::string dogBall = comparePercent("dog.txt", "ball.txt");
    EXPECT_EQ(lines[0], "text," + path("cat.txt") + "," + path("dog.txt") + "," + path("missing.txt") + "," + path("ball.txt"));
    EXPECT_EQ(lines[2].substr(lines[2].find(',')), "," + catDog + ",,," + dogBall);
    EXPECT_EQ(lines[3], path("missing.txt") + ",,,,");
}

class EvaluateTest : public ManyTextsTest {
protected:
    void writeProblem(const std::string& name, const std::string& known, const std::string& unknown)
    {
        write("pan/" + name + "/known01.txt", known);
        write("pan/" + name + "/unknown.txt", unknown);
    }
};

TEST_F(EvaluateTest, panProblemsScoreAsCompareDoes)
{
    writeProblem("P1", catText, dogText);
    writeProblem("P2", catText, ballText);
    writeProblem("P3", smallText, ballText);
    write("pan/truth.txt", "\xEF\xBB\xBFP1 Y\r\nP2 N\r\nP3 Y\r\n");
    ASSERT_EQ(run({"evaluate", "--pan", path("pan"), "--scores", path("scores.csv"), "--roc", path("roc.svg")}), Success)
        << m_err.str();
    EXPECT_NE(m_out.str().find("Problems:        3\nRefusals:        1\n"), std::string::npos) << m_out.str();
    EXPECT_NE(m_out.str().find("AUC:"), std::string::npos);
    EXPECT_NE(m_out.str().find("c@1:"), std::string::npos);
    EXPECT_NE(m_out.str().find("Best threshold:"), std::string::npos);
    const std::string p1 = comparePercent("pan/P1/unknown.txt", "pan/P1/known01.txt");
    const std::string p2 = comparePercent("pan/P2/unknown.txt", "pan/P2/known01.txt");
    EXPECT_EQ(read("scores.csv"), "problem,label,percent,score,refusal\n"
                                  "P1,Y," + p1 + ",0." + (p1.size() < 2 ? "0" : "") + p1 + "00,\n"
                                  "P2,N," + p2 + ",0." + (p2.size() < 2 ? "0" : "") + p2 + "00,\n"
                                  "P3,Y,,0.5000,The second text is too small to be analyzed.\n");
    EXPECT_NE(read("roc.svg").find("AUC"), std::string::npos);
}

TEST_F(EvaluateTest, malformedTruthIsNamedAndNothingIsPrinted)
{
    writeProblem("P1", catText, dogText);
    writeProblem("P2", catText, ballText);
    const struct {
        const char* truth;
        const char* stderrHas;
    } cases[] = {
        {"P1 Y\nP2 maybe\n", "truth.txt line 2: expected a problem and Y or N, found \"P2 maybe\""},
        {"P1 Y\nP2\n", "truth.txt line 2"},
        {"P1 Y N\nP2 N\n", "truth.txt line 1"},
        {"P1 Y\n\nP1 N\nP2 N\n", "truth.txt line 3: problem P1 is listed twice"},
        {"P1 Y\n", "P2 has no line in"},
        {"P1 Y\nP2 N\nP3 Y\n", "lists P3, but there is no folder"},
        {"", "lists no problems"},
    };
    for (const auto& c : cases) {
        write("pan/truth.txt", c.truth);
        EXPECT_EQ(run({"evaluate", "--pan", path("pan"), "--scores", path("scores.csv")}), ReadError) << c.truth;
        EXPECT_NE(m_err.str().find(c.stderrHas), std::string::npos) << m_err.str();
        EXPECT_EQ(m_out.str(), "");
        EXPECT_FALSE(fs::exists(path("scores.csv")));
    }
    fs::remove(path("pan/truth.txt"));
    EXPECT_EQ(run({"evaluate", "--pan", path("pan")}), ReadError);
    EXPECT_NE(m_err.str().find("truth.txt"), std::string::npos);
}

TEST_F(EvaluateTest, pairsCsv)
{
    write("pairs.csv", "label,first,second\r\nY,cat.txt,dog.txt\r\n\"N\",\"cat.txt\",ball.txt\r\n");
    ASSERT_EQ(run({"evaluate", "--pairs", path("pairs.csv"), "--scores", path("scores.csv")}), Success) << m_err.str();
    EXPECT_NE(m_out.str().find("Problems:        2\nRefusals:        0\n"), std::string::npos) << m_out.str();
    const std::string scores = read("scores.csv");
    EXPECT_NE(scores.find("cat.txt vs dog.txt,Y," + comparePercent("cat.txt", "dog.txt") + ","), std::string::npos) << scores;

    const struct {
        const char* csv;
        const char* stderrHas;
    } cases[] = {
        {"first,second\ncat.txt,dog.txt\n", "line 1: the header must name the columns first, second and label"},
        {"first,second,label\ncat.txt,dog.txt,Y\ncat.txt,ball.txt\n", "line 3: expected 3 fields, found 2"},
        {"first,second,label\ncat.txt,dog.txt,perhaps\n", "line 2: the label must be Y or N, found \"perhaps\""},
        {"first,second,label\n\"cat.txt,dog.txt,Y\n", "line 2: broken quotes"},
        {"first,second,label\n", "lists no pairs"},
        {"first,second,label\ncat.txt,missing.txt,Y\n", "missing.txt"},
    };
    for (const auto& c : cases) {
        write("bad.csv", c.csv);
        EXPECT_EQ(run({"evaluate", "--pairs", path("bad.csv")}), ReadError) << c.csv;
        EXPECT_NE(m_err.str().find(c.stderrHas), std::string::npos) << m_err.str();
        EXPECT_EQ(m_out.str(), "");
    }
}

TEST_F(ManyTextsTest, piecesReportTheMedianAndEveryPair)
{
    std::string longCat;
    std::string longDog;
    for (int i = 0; i < 6; ++i) {
        longCat += catText;
        longDog += dogText;
    }
    write("long-cat.txt", longCat);
    write("long-dog.txt", longDog);
    ASSERT_EQ(run({"compare", "--chunks", "26", "--json", path("long-cat.txt"), path("long-dog.txt")}), Success) << m_err.str();
    const auto json = nlohmann::json::parse(m_out.str());
    // 78 words in pieces of two sentences: 3 pieces each, 9 pairs, each the same pair of texts.
    ASSERT_EQ(json["pieces"].size(), 9u);
    const std::string whole = comparePercent("cat.txt", "dog.txt");
    EXPECT_EQ(json["lowest"], json["highest"]);
    EXPECT_EQ(json["pieces"][0]["first"], 0);
    EXPECT_EQ(json["pieces"][8]["second"], 2);
    EXPECT_EQ(json["pieces"][4]["terms"].size(), 26u);

    ASSERT_EQ(run({"compare", "--chunks", "26", path("long-cat.txt"), path("long-dog.txt")}), Success);
    EXPECT_TRUE(m_out.str().find("median of 9 piece pairs") != std::string::npos) << m_out.str();

    EXPECT_EQ(run({"compare", "--chunks", "26", path("small.txt"), path("long-dog.txt")}), Refused);
    EXPECT_EQ(m_err.str(), "The first text is too small to be analyzed.\n");
}

} // namespace
} // namespace quendry::cli
