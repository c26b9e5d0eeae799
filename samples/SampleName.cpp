#include "samples/SampleName.h"

#include <QStringList>

namespace quendry {
namespace {

bool isBlankOrControl(QChar character)
{
    return character.unicode() <= 32;
}

// Characters that Windows refuses in file names besides the separators and control characters.
const QString& forbiddenCharacters()
{
    static const QString characters = QStringLiteral(":*?\"<>|");
    return characters;
}

bool isReservedDeviceName(const QString& name)
{
    // Windows reserves these whatever follows the first dot, and ignores blanks before that dot.
    QString stem = name.section(QLatin1Char('.'), 0, 0);
    while (stem.endsWith(QLatin1Char(' ')))
        stem.chop(1);
    stem = stem.toUpper();
    static const QStringList devices{QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
        QStringLiteral("NUL"), QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
    if (devices.contains(stem))
        return true;
    if (stem.size() == 4 && (stem.startsWith(QLatin1String("COM")) || stem.startsWith(QLatin1String("LPT"))))
        return stem.at(3).isDigit() && stem.at(3).unicode() < 128;
    return false;
}

bool isDotsOnly(const QString& name)
{
    for (const QChar character : name) {
        if (character != QLatin1Char('.'))
            return false;
    }
    return true;
}

QString refusal(const QString& name, const QString& reason)
{
    return QStringLiteral("The sample name \"%1\" cannot be used: %2\nPlease choose another name.").arg(name, reason);
}

} // namespace

QString SampleName::trimmed(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlankOrControl(text.at(begin)))
        ++begin;
    while (end > begin && isBlankOrControl(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

QString SampleName::fromFileName(const QString& fileName)
{
    // Only the exact lower-case extension is taken off; "NOTES.TQD" keeps its whole name.
    if (fileName.size() > 3 && fileName.endsWith(extension(), Qt::CaseSensitive))
        return fileName.chopped(extension().size());
    return fileName;
}

std::optional<QString> SampleName::problem(const QString& name)
{
    if (name.isEmpty())
        return std::nullopt;
    for (const QChar character : name) {
        if (character == QLatin1Char('/') || character == QLatin1Char('\\'))
            return refusal(name, QStringLiteral("it contains \"%1\", which separates folders.").arg(character));
        if (forbiddenCharacters().contains(character)) {
            return refusal(name,
                QStringLiteral("it contains \"%1\". A sample name cannot contain any of %2")
                    .arg(character)
                    .arg(forbiddenCharacters().split(QString(), Qt::SkipEmptyParts).join(QLatin1Char(' '))));
        }
        if (character.unicode() < 32 || character.unicode() == 127)
            return refusal(name, QStringLiteral("it contains a control character."));
    }
    if (isDotsOnly(name))
        return refusal(name, QStringLiteral("a sample name cannot consist of dots only."));
    if (name.startsWith(QLatin1Char('.')))
        return refusal(name, QStringLiteral("a sample name cannot begin with a dot, as the file would be hidden."));
    if (isReservedDeviceName(name))
        return refusal(name, QStringLiteral("Windows reserves this name for a device."));
    if (name.toUtf8().size() > maximumBytes)
        return refusal(name, QStringLiteral("it is too long for a file name."));
    return std::nullopt;
}

bool SampleName::escapesFolder(const QString& name)
{
    // Appending ".tqd" makes even "." or ".." a plain file name, so only a separator (or a
    // character that ends the path for the operating system) can lead out.
    return name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || name.contains(QChar(0));
}

} // namespace quendry
