#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QTextDocument;

namespace quendry {

// Reads a text file into a document: rich text when it begins "{\rtf", otherwise plain text in
// UTF-8, UTF-16 with a byte order mark or Windows-1252. The same reader serves the panes' saved
// contents, the samples, "Open..." and files dropped onto a pane. Every message names the file.
class TextFileReader {
public:
    // Larger files are refused before they are read: a pane holding more would take seconds to
    // lay out at every change, far more text than a comparison needs.
    static constexpr qint64 maxFileBytes = 10 * 1024 * 1024;

    struct Result {
        // Nothing was read and the document is unchanged: the file cannot be opened, is too large
        // or holds binary data.
        std::optional<QString> error;
        // The document holds what could be read, which is not all the file holds.
        std::optional<QString> incomplete;
    };

    static Result read(const QString& path, QTextDocument& document);
    // The same for bytes already read; the name stands for the file in messages.
    static Result readBytes(const QByteArray& bytes, const QString& name, QTextDocument& document);
};

} // namespace quendry
