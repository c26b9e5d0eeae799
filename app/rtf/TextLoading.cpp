#include "app/rtf/TextLoading.h"

#include "app/rtf/PlainTextDecoder.h"

#include <QTextDocument>

namespace quendry {

void loadPlainText(QTextDocument& document, QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    document.setPlainText(text);
}

RtfReader::Outcome loadRichOrPlainText(QTextDocument& document, const QByteArray& bytes)
{
    if (RtfReader::isRtf(bytes))
        return RtfReader().read(bytes, document);
    loadPlainText(document, PlainTextDecoder::decode(bytes).text);
    return {};
}

} // namespace quendry
