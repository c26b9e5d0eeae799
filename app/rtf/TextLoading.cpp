#include "app/rtf/TextLoading.h"

#include "app/rtf/RtfReader.h"
#include "analysis/profile/Windows1252.h"

#include <QTextDocument>

namespace quendry {

void loadPlainText(QTextDocument& document, QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(static_cast<char16_t>(windows1252ToUnicode(static_cast<unsigned char>(byte))));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    document.setPlainText(text);
}

void loadRichOrPlainText(QTextDocument& document, const QByteArray& bytes)
{
    if (RtfReader::isRtf(bytes))
        RtfReader().read(bytes, document);
    else
        loadPlainText(document, bytes);
}

} // namespace quendry
