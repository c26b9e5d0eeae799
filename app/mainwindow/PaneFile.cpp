#include "app/mainwindow/PaneFile.h"

#include "app/rtf/RtfWriter.h"
#include "app/rtf/TextLoading.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace quendry {

std::optional<QString> PaneFile::load(const QString& path, QTextDocument& document)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    loadRichOrPlainText(document, bytes);
    return std::nullopt;
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
