// Fuzz target for the rich text reader. Whatever the bytes, reading must not crash, and what was
// read must survive a trip through the writer: writing it, reading that back and writing again
// gives the same text and the same bytes.
//
// Built with -fsanitize=fuzzer this is a libFuzzer program; otherwise ReplayMain.cpp makes it a
// program that runs each file it is given, or each file in each folder it is given, once.
#include "app/rtf/RtfReader.h"
#include "app/rtf/RtfWriter.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

QString paragraphs(const QTextDocument& document)
{
    QString text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        text += block.text();
        text += QChar::ParagraphSeparator;
    }
    return text;
}

void failRoundTrip(const char* what, const QByteArray& first, const QByteArray& second)
{
    std::fprintf(stderr, "rich text round trip changed the %s\nfirst:\n%s\nsecond:\n%s\n", what,
                 first.constData(), second.constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Fonts and text formats need a QGuiApplication; it lives until the program ends.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int applicationArgc = *argc;
    static std::unique_ptr<QGuiApplication> application = std::make_unique<QGuiApplication>(applicationArgc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QTextDocument read;
    quendry::RtfReader().read(QByteArrayView(data, static_cast<qsizetype>(size)), read);
    const QByteArray written = quendry::RtfWriter().write(read);

    QTextDocument reread;
    reread.setDefaultFont(read.defaultFont());
    quendry::RtfReader().read(written, reread);
    const QByteArray rewritten = quendry::RtfWriter().write(reread);

    if (paragraphs(reread) != paragraphs(read))
        failRoundTrip("text", written, rewritten);
    if (rewritten != written)
        failRoundTrip("formatting", written, rewritten);
    return 0;
}
