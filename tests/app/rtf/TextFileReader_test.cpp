#include "app/rtf/PlainTextDecoder.h"
#include "app/rtf/TextFileReader.h"

#include "tests/app/rtf/DocumentDescription.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <string>

namespace quendry {
namespace {

using Encoding = PlainTextDecoder::Encoding;

TEST(PlainTextDecoder, triesUtf8ThenUtf16ThenWindows1252)
{
    const struct {
        const char* description;
        std::string bytes;
        Encoding encoding;
        QString expected;
    } cases[] = {
        {"ASCII", "plain\r\n", Encoding::Utf8, QStringLiteral("plain\r\n")},
        {"UTF-8", "na\xc3\xafve \xe2\x80\x9cq\xe2\x80\x9d \xf0\x9f\x98\x80", Encoding::Utf8,
            QStringLiteral("naïve “q” \U0001F600")},
        {"UTF-8 with a byte order mark", "\xef\xbb\xbf\xd0\x96", Encoding::Utf8, QStringLiteral("Ж")},
        {"UTF-16, little-endian", std::string("\xff\xfe\x16\x04\x0a\x00", 6), Encoding::Utf16, QStringLiteral("Ж\n")},
        {"UTF-16, big-endian", std::string("\xfe\xff\x04\x16\x00\x41", 6), Encoding::Utf16, QStringLiteral("ЖA")},
        {"a UTF-16 mark with an odd byte count is Windows-1252", std::string("\xff\xfe\x41", 3),
            Encoding::Windows1252, QStringLiteral("ÿþA")},
        {"invalid UTF-8", "caf\xe9 \x93q\x94", Encoding::Windows1252, QStringLiteral("café “q”")},
        {"UTF-8 cut inside a character", "caf\xc3", Encoding::Windows1252, QStringLiteral("cafÃ")},
        {"an overlong UTF-8 form", "\xc0\xaf", Encoding::Windows1252, QStringLiteral("À¯")},
        {"a second byte order mark goes too", "\xef\xbb\xbf\xef\xbb\xbf" "A", Encoding::Utf8, QStringLiteral("A")},
        {"a lone UTF-16 surrogate stays", std::string("\xff\xfe\x00\xd8\x41\x00", 6), Encoding::Utf16,
            QString(QChar(char16_t{0xD800})) + QStringLiteral("A")},
        {"empty", "", Encoding::Utf8, QString()},
    };
    for (const auto& c : cases) {
        const auto decoded = PlainTextDecoder::decode(QByteArrayView(c.bytes.data(), qsizetype(c.bytes.size())));
        EXPECT_EQ(decoded.encoding, c.encoding) << c.description;
        EXPECT_EQ(decoded.text, c.expected) << c.description;
    }
}

TEST(PlainTextDecoder, tellsBinaryFromText)
{
    const struct {
        const char* description;
        QString text;
        bool binary;
    } cases[] = {
        {"prose", QStringLiteral("Some words.\r\n\tIndented.\fNext page."), false},
        {"a NUL", QStringLiteral("text") + QChar(0) + QStringLiteral("more"), true},
        {"a stray control character in text", QStringLiteral("a long enough line of text\x1b with an escape"), false},
        {"many control characters", QStringLiteral("\x01\x02\x03 abc \x04\x05"), true},
        {"empty", QString(), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlainTextDecoder::looksBinary(c.text), c.binary) << c.description;
}

class TextFileReaderTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir m_folder;
};

TEST_F(TextFileReaderTest, readsTextFiles)
{
    const struct {
        const char* description;
        QByteArray bytes;
        std::string expected;
        bool incomplete;
    } cases[] = {
        {"UTF-8 plain text", "na\xc3\xafve\r\ncaf\xc3\xa9", "naïve\ncafé", false},
        {"UTF-16 plain text", QByteArray("\xff\xfe\x41\x00\x0d\x00\x0a\x00\x42\x00", 10), "A\nB", false},
        {"rich text", "{\\rtf1 caf\\'e9\\par x}", "café\nx", false},
        {"rich text cut short", "{\\rtf1 kept{\\b also kept", "keptalso kept", true},
        {"rich text nested too deep", "{\\rtf1 a" + QByteArray(1000, '{') + "b" + QByteArray(1000, '}') + "}", "ab", true},
    };
    for (const auto& c : cases) {
        const QString path = write(QStringLiteral("text.txt"), c.bytes);
        QTextDocument document;
        const TextFileReader::Result result = TextFileReader::read(path, document);
        EXPECT_FALSE(result.error.has_value()) << c.description;
        EXPECT_EQ(result.incomplete.has_value(), c.incomplete) << c.description;
        if (result.incomplete) {
            EXPECT_TRUE(result.incomplete->contains(path)) << c.description << ": the message names the file";
        }
        EXPECT_EQ(test::paragraphText(document), c.expected) << c.description;
    }
}

TEST_F(TextFileReaderTest, refusesWhatIsNoText)
{
    const QString tooLarge = write(QStringLiteral("large.txt"), QByteArray(TextFileReader::maxFileBytes + 1, 'a'));
    const QString binary = write(QStringLiteral("program.bin"), QByteArray("\x7f" "ELF\x02\x01\x01\x00\x00\x00", 10));
    const QString utf16WithoutMark = write(QStringLiteral("wide.txt"), QByteArray("A\0B\0C\0", 6));
    const QString missing = m_folder.filePath(QStringLiteral("missing.txt"));
    const struct {
        const char* description;
        QString path;
        QString says;
    } cases[] = {
        {"larger than the limit", tooLarge, QStringLiteral("too large")},
        {"binary", binary, QStringLiteral("not a text file")},
        {"UTF-16 without a byte order mark", utf16WithoutMark, QStringLiteral("not a text file")},
        {"missing", missing, QStringLiteral("Cannot read")},
        {"a folder", m_folder.path(), QStringLiteral("Cannot read")},
    };
    for (const auto& c : cases) {
        QTextDocument document;
        document.setPlainText(QStringLiteral("kept"));
        const TextFileReader::Result result = TextFileReader::read(c.path, document);
        ASSERT_TRUE(result.error.has_value()) << c.description;
        EXPECT_TRUE(result.error->contains(c.path)) << c.description << ": " << result.error->toStdString();
        EXPECT_TRUE(result.error->contains(c.says)) << c.description << ": " << result.error->toStdString();
        EXPECT_EQ(document.toPlainText(), QStringLiteral("kept")) << c.description;
    }
}

} // namespace
} // namespace quendry
