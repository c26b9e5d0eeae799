#include "app/rtf/TextLoading.h"

#include "tests/app/rtf/DocumentDescription.h"

#include <QTextDocument>

#include <gtest/gtest.h>

#include <string>

namespace quendry {
namespace {

TEST(TextLoading, readsRichOrPlainText)
{
    const struct {
        const char* description;
        std::string bytes;
        std::string expected;
    } cases[] = {
        {"CR LF line breaks", "Hello\r\nWorld", "Hello\nWorld"},
        {"LF line breaks, one at the end", "a\nb\n", "a\nb\n"},
        {"a lone CR", "a\rb", "a\nb"},
        {"empty lines", "a\r\n\r\nb", "a\n\nb"},
        {"Windows-1252 bytes", "caf\xe9 \x80 \x93q\x94", "café € “q”"},
        {"UTF-8 comes before Windows-1252", "na\xc3\xafve caf\xc3\xa9 \xe2\x80\x9cq\xe2\x80\x9d \xd0\x96", "naïve café “q” Ж"},
        {"tabs stay", "a\tb", "a\tb"},
        {"empty file", "", ""},
        {"rich text", "{\\rtf1\\ansi caf\\'e9\\par x}", "café\nx"},
        {"rich text needs the header at the very start", " {\\rtf1 x}", " {\\rtf1 x}"},
        {"the header is case-sensitive", "{\\RTF1 x}", "{\\RTF1 x}"},
        {"a brace alone is plain text", "{x}", "{x}"},
    };
    for (const auto& c : cases) {
        QTextDocument document;
        document.setPlainText("what was there before");
        loadRichOrPlainText(document, QByteArray::fromStdString(c.bytes));
        EXPECT_EQ(test::paragraphText(document), c.expected) << c.description;
    }
}

TEST(TextLoading, plainTextCarriesNoFormatting)
{
    QTextDocument document;
    loadRichOrPlainText(document, "{\\rtf1 {\\b bold}}");
    loadRichOrPlainText(document, "plain");
    EXPECT_EQ(test::describe(document), "[]plain");
}

} // namespace
} // namespace quendry
