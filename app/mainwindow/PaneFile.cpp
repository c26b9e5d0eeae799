#include "app/mainwindow/PaneFile.h"

#include "app/rtf/RtfWriter.h"

#include <QDir>
#include <QSaveFile>

namespace quendry {

std::optional<QString> PaneFile::load(const QString& path, QTextDocument& document)
{
    return read(path, document).error;
}

TextFileReader::Result PaneFile::read(const QString& path, QTextDocument& document)
{
    return TextFileReader::read(path, document);
}

std::optional<QString> PaneFile::save(const QString& path, const QTextDocument& document)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    }
    const QByteArray bytes = RtfWriter().write(document);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return std::nullopt;
}

} // namespace quendry
