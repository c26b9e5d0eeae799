// Fuzz target for the rich text reader. Whatever the bytes, reading must not crash, and what was
// read must survive a trip through the writer: writing it, reading that back and writing again
// gives the same text and the same bytes.
//
// Built with -fsanitize=fuzzer this is a libFuzzer program. Built with QUENDRY_FUZZ_LINKMAIN it is
// a program that runs each file it is given, or each file in each folder it is given, once.
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

#ifdef QUENDRY_FUZZ_LINKMAIN

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

bool runFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "cannot read %s\n", path.string().c_str());
        return false;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    int runs = 0;
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        std::error_code error;
        if (std::filesystem::is_directory(path, error)) {
            for (const auto& entry : std::filesystem::directory_iterator(path, error)) {
                if (entry.is_regular_file()) {
                    ok = runFile(entry.path()) && ok;
                    ++runs;
                }
            }
        } else {
            ok = runFile(path) && ok;
            ++runs;
        }
    }
    std::printf("ran %d inputs\n", runs);
    return ok && runs > 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}

#endif
