#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace quendry {

struct Comparison;

// One text of a compared pair, as it was when the comparison started.
struct ReportedText {
    QString sampleName; // the sample the pane holds unchanged, or empty
    QString text;       // the pane's text
    int wordCount = 0;  // the words the comparison counted in it
};

// What a saved report says about one completed comparison: when and by which version it was
// made, the two texts, the percentage, the rules that moved it (worded as quendry-cli compare
// --explain words them) and what the percentage means. Everything but the date depends only on
// the texts, so the same texts give the same report.
class ComparisonReport {
public:
    struct Reason {
        QString points; // "+15", "-37.5"
        QString text;
    };

    ComparisonReport(const ReportedText& first, const ReportedText& second, const Comparison& comparison,
        const QDateTime& made, const QString& version);

    // The name a text goes by in the report: its sample's name, or else its first words.
    static QString label(const ReportedText& text);
    // Characters as a reader counts them (a character outside the Basic Multilingual Plane counts once).
    static qsizetype characterCount(const QString& text);
    // The date line, the one part of the report that differs between two reports of the same texts.
    QString madeLine() const;

    int percent() const { return m_percent; }
    const QList<Reason>& reasons() const { return m_reasons; }

    // A whole HTML document in UTF-8 that QTextDocument renders too (for the PDF).
    QString html() const;

private:
    ReportedText m_texts[2];
    int m_percent = 0;
    QList<Reason> m_reasons;
    QDateTime m_made;
    QString m_version;
};

} // namespace quendry
