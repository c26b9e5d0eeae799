#include "app/mainwindow/PaneText.h"

#include "analysis/profile/Windows1252.h"

#include <QTextDocument>

namespace quendry {

std::string paneEngineText(const QTextDocument& document)
{
    // toPlainText() would also turn no-break spaces into spaces, which the analysis must see.
    QString text = document.toRawText();
    text.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
    text.replace(QChar(QChar::LineSeparator), QLatin1Char('\n'));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QByteArray utf8 = text.toUtf8();
    return toEngineText(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

} // namespace quendry
