#include "app/rtf/PlainTextDecoder.h"

#include "analysis/profile/Windows1252.h"

#include <QStringDecoder>

#include <optional>

namespace quendry {

namespace {

std::optional<QString> decodeStrictly(QByteArrayView bytes, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(static_cast<char16_t>(windows1252ToUnicode(static_cast<unsigned char>(byte))));
    return text;
}

} // namespace

PlainTextDecoder::Decoded PlainTextDecoder::decode(QByteArrayView bytes)
{
    // Pure ASCII is valid UTF-8 and reads the same either way.
    QByteArrayView utf8 = bytes;
    if (utf8.startsWith("\xEF\xBB\xBF"))
        utf8 = utf8.sliced(3);
    if (auto text = decodeStrictly(utf8, QStringConverter::Utf8))
        return {std::move(*text), Encoding::Utf8};

    const bool littleEndian = bytes.startsWith("\xFF\xFE");
    if ((littleEndian || bytes.startsWith("\xFE\xFF")) && bytes.size() % 2 == 0) {
        const auto encoding = littleEndian ? QStringConverter::Utf16LE : QStringConverter::Utf16BE;
        if (auto text = decodeStrictly(bytes.sliced(2), encoding))
            return {std::move(*text), Encoding::Utf16};
    }
    return {decodeWindows1252(bytes), Encoding::Windows1252};
}

bool PlainTextDecoder::looksBinary(const QString& text)
{
    qsizetype controls = 0;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code == 0)
            return true;
        if (code < 0x20 && code != u'\t' && code != u'\n' && code != u'\r' && code != u'\f')
            ++controls;
    }
    return controls > 0 && controls * 20 > text.size();
}

} // namespace quendry
