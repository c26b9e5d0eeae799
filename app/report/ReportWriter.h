#pragma once

#include <QString>

#include <optional>

namespace quendry {

class ComparisonReport;

// Writes a report to a file. The file is replaced only once the whole report is written, so a
// failure leaves an existing file as it was. Each returns the error, naming the file, on failure.
class ReportWriter {
public:
    enum class Format { Html, Pdf };

    // The format a file name asks for: ".pdf" gives a PDF, anything else HTML.
    static Format formatOf(const QString& path);

    static std::optional<QString> write(const ComparisonReport& report, const QString& path, Format format);
    static std::optional<QString> writeHtml(const ComparisonReport& report, const QString& path);
    static std::optional<QString> writePdf(const ComparisonReport& report, const QString& path);
};

} // namespace quendry
