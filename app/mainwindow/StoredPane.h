#pragma once

#include <QString>

#include <optional>

class QTextDocument;

namespace quendry {

// The file that keeps a pane's content between runs ("Top.txt", "Bottom.txt"). A file that could
// not be read faithfully (cut short, nested too deep, too large, binary, unreadable) is never
// replaced unasked: before a save first replaces it, its bytes are kept beside it as
// "<name>.bak" ("<name>.2.bak" and on when that name holds something else).
class StoredPane {
public:
    explicit StoredPane(QString path);

    const QString& path() const { return m_path; }

    // Replaces the document's content with the file's, when there is a file. The message to show
    // the user when the file could not be read, or not in full; the document then holds what
    // could be read, or is unchanged.
    std::optional<QString> load(QTextDocument& document);

    // Writes the document over the file, first keeping the original when it was not read
    // faithfully. A pane that stayed empty after its file could not be read leaves the file
    // alone. The error names the file that could not be written.
    std::optional<QString> save(const QTextDocument& document);

    // The name the original will be kept under, when it must be kept before the next save.
    std::optional<QString> pendingBackupPath() const;

private:
    QString backupPath() const;

    QString m_path;
    bool m_loadFailed = false;  // nothing of the file came into the pane
    bool m_keepOriginal = false; // the file must be kept before it is first replaced
};

} // namespace quendry
