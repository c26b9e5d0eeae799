#pragma once

#include "app/rtf/TextFileReader.h"

#include <QString>

#include <optional>

class QTextDocument;

namespace quendry {

// A pane's content on disk ("Top.txt", "Bottom.txt" and the sample files): rich text, read back
// as rich text when it is, otherwise as plain text (TextFileReader).
class PaneFile {
public:
    // Replaces the document's content with the file's. On failure the document is unchanged and
    // the error names the file.
    static std::optional<QString> load(const QString& path, QTextDocument& document);
    // The same, also saying when the document holds less than the file (TextFileReader::Result).
    static TextFileReader::Result read(const QString& path, QTextDocument& document);
    // Writes the document as rich text, replacing the file only once the whole text is written,
    // so a failure or a crash never leaves half a file. On failure the error names the file.
    static std::optional<QString> save(const QString& path, const QTextDocument& document);
};

} // namespace quendry
