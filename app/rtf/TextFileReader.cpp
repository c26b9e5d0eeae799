#include "app/rtf/TextFileReader.h"

#include "app/rtf/PlainTextDecoder.h"
#include "app/rtf/RtfReader.h"
#include "app/rtf/TextLoading.h"

#include <QDir>
#include <QFile>
#include <QLocale>

namespace quendry {

namespace {

QString megabytes(qint64 bytes)
{
    return QLocale::c().toString(static_cast<double>(bytes) / (1024.0 * 1024.0), 'f', 1) + QStringLiteral(" MB");
}

} // namespace

TextFileReader::Result TextFileReader::read(const QString& path, QTextDocument& document)
{
    const QString name = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("Cannot read %1: %2").arg(name, file.errorString()), std::nullopt};
    // A file that is not a regular file (a pipe, a device) has no size worth trusting: read one
    // byte past the limit to tell.
    const QByteArray bytes = file.read(maxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {QStringLiteral("Cannot read %1: %2").arg(name, file.errorString()), std::nullopt};
    if (bytes.size() > maxFileBytes) {
        const qint64 size = std::max<qint64>(file.size(), bytes.size());
        return {QStringLiteral("%1 is too large to put into a pane (%2; the limit is %3).")
                    .arg(name, megabytes(size), megabytes(maxFileBytes)),
            std::nullopt};
    }
    return readBytes(bytes, name, document);
}

TextFileReader::Result TextFileReader::readBytes(const QByteArray& bytes, const QString& name, QTextDocument& document)
{
    if (RtfReader::isRtf(bytes)) {
        const RtfReader::Outcome outcome = RtfReader().read(bytes, document);
        if (outcome.truncated) {
            return {std::nullopt,
                QStringLiteral("%1 could not be read in full: it ends before its last group is closed, "
                               "as if it had been cut short.")
                    .arg(name)};
        }
        if (outcome.nestedTooDeep) {
            return {std::nullopt,
                QStringLiteral("%1 could not be read in full: its groups are nested more than %2 deep, "
                               "and the formatting inside the deeper ones was left out.")
                    .arg(name)
                    .arg(RtfReader::maxGroupDepth)};
        }
        return {};
    }
    PlainTextDecoder::Decoded decoded = PlainTextDecoder::decode(bytes);
    if (PlainTextDecoder::looksBinary(decoded.text))
        return {QStringLiteral("%1 is not a text file: it holds binary data.").arg(name), std::nullopt};
    loadPlainText(document, std::move(decoded.text));
    return {};
}

} // namespace quendry
