#pragma once

#include "analysis/batch/TextScorer.h"

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace quendry::cli {

// The streams a command writes to; progress goes to err only when it is a terminal.
struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    bool showProgress = false;
};

enum class OutputFormat { Text, Csv, Json };

struct RankOptions {
    std::string questioned;
    std::optional<std::filesystem::path> sampleFolder;
    std::vector<std::string> files;
    int top = 0; // 0: every candidate
    OutputFormat format = OutputFormat::Text;
    int pieceWords = 0;
    int threads = 0; // 0: the machine's cores
};

struct MatrixOptions {
    std::vector<std::string> files;
    std::optional<std::string> listFile;
    OutputFormat format = OutputFormat::Csv;
    int threads = 0;
};

struct EvaluateOptions {
    std::optional<std::filesystem::path> panFolder;
    std::optional<std::string> pairsFile;
    std::optional<std::string> scoresFile;
    std::optional<std::string> rocFile;
    int pieceWords = 0;
    int threads = 0;
};

int rank(const RankOptions& options, const Analyzer& analyzer, const Dictionary& dictionary, Streams streams);
int matrix(const MatrixOptions& options, const Analyzer& analyzer, const Dictionary& dictionary, Streams streams);
int evaluate(const EvaluateOptions& options, const Analyzer& analyzer, const Dictionary& dictionary, Streams streams);

// Runs body(0) .. body(count - 1) on `threads` threads (0: the machine's cores). Each index runs
// once; the first exception thrown is rethrown once every thread has stopped.
void parallelFor(std::size_t count, int threads, const std::function<void(std::size_t)>& body);

// Percentages as people read them: "63", "62.5".
std::string formatPercent(double percent);

// A field for a CSV line, quoted when it must be.
std::string csvField(const std::string& text);

} // namespace quendry::cli
