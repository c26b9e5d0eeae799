#include "history/HistoryFile.h"

#include "analysis/profile/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace quendry {
namespace {

const QByteArray lineEnd("\r\n");

} // namespace

HistoryFile::HistoryFile(QString path)
    : m_path(std::move(path))
{
}

HistoryFile::Contents HistoryFile::read() const
{
    Contents contents;
    QFile file(m_path);
    if (!file.exists())
        return contents;
    if (!file.open(QIODevice::ReadOnly)) {
        contents.error = error(QStringLiteral("read"), file.errorString());
        return contents;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        contents.error = error(QStringLiteral("read"), file.errorString());
        return contents;
    }
    contents.lines = bytes.split('\n');
    // The line end after the last line leaves one empty piece behind; an empty file has no lines.
    if (contents.lines.last().isEmpty())
        contents.lines.removeLast();
    for (QByteArray& line : contents.lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return contents;
}

std::optional<QString> HistoryFile::append(const QString& line) const
{
    QByteArray bytes = encode(line) + lineEnd;
    QFile file(m_path);
    if (file.size() > 0 && file.open(QIODevice::ReadOnly)) {
        file.seek(file.size() - 1);
        if (file.read(1) != "\n")
            bytes.prepend(lineEnd);
        file.close();
    }
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return error(QStringLiteral("write to"), file.errorString());
    // One write of the whole line, so that a line is either in the log or not.
    if (file.write(bytes) != bytes.size() || !file.flush())
        return error(QStringLiteral("write to"), file.errorString());
    file.close();
    if (file.error() != QFileDevice::NoError)
        return error(QStringLiteral("write to"), file.errorString());
    return std::nullopt;
}

std::optional<QString> HistoryFile::replace(const QList<QByteArray>& lines) const
{
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + lineEnd;
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return error(QStringLiteral("write"), file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        return error(QStringLiteral("write"), file.errorString());
    return std::nullopt;
}

QString HistoryFile::decode(const QByteArray& line)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(line);
    if (!utf8.hasError())
        return text;
    text.clear();
    text.reserve(line.size());
    for (const char byte : line)
        text += QChar(static_cast<char16_t>(windows1252ToUnicode(static_cast<unsigned char>(byte))));
    return text;
}

QByteArray HistoryFile::encode(const QString& line)
{
    return line.toUtf8();
}

QString HistoryFile::error(const QString& action, const QString& reason) const
{
    return QStringLiteral("Cannot %1 the history file %2: %3").arg(action, QDir::toNativeSeparators(m_path), reason);
}

} // namespace quendry
