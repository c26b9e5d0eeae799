#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace quendry {

// The history log "history.qdm": one line per comparison, each ended by CR LF, oldest first.
// Lines are kept as the bytes in the file, so that rewriting the log after a line is deleted
// leaves every other line exactly as it was. New lines are written in UTF-8; a line that is not
// valid UTF-8 (as older logs in Windows-1252 are) is read as Windows-1252.
class HistoryFile {
public:
    struct Contents {
        QList<QByteArray> lines;
        std::optional<QString> error;
    };

    explicit HistoryFile(QString path);

    QString path() const { return m_path; }

    // The lines without their line ends. A missing file has no lines and is no error.
    Contents read() const;

    // Appends one line and CR LF, creating the file when it is missing. When the file's last line
    // has no line end (an edit by hand), one is added first so the two lines stay apart.
    std::optional<QString> append(const QString& line) const;

    // Replaces the file with these lines, each followed by CR LF, only once all are written: a
    // failure or a crash leaves the previous file as it was.
    std::optional<QString> replace(const QList<QByteArray>& lines) const;

    static QString decode(const QByteArray& line);
    static QByteArray encode(const QString& line);

private:
    QString error(const QString& action, const QString& reason) const;

    QString m_path;
};

} // namespace quendry
