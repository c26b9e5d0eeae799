#include "app/rtf/RtfReader.h"
#include "app/rtf/RtfWriter.h"

#include "analysis/profile/Windows1252.h"
#include "tests/app/rtf/DocumentDescription.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <vector>

namespace quendry {
namespace {

struct Span {
    QString text = {};
    QString family = {}; // empty: the document's default
    double points = 0;   // 0: the document's default
    QColor colour = {};  // invalid: the automatic colour
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

struct Paragraph {
    std::vector<Span> spans = {};
    Qt::Alignment alignment = {};
};

void build(QTextDocument& document, const std::vector<Paragraph>& paragraphs)
{
    QFont defaultFont(QStringLiteral("Liberation Serif"));
    defaultFont.setPointSizeF(11);
    document.setDefaultFont(defaultFont);
    QTextCursor cursor(&document);
    bool first = true;
    for (const Paragraph& paragraph : paragraphs) {
        if (!first)
            cursor.insertBlock();
        first = false;
        if (paragraph.alignment) {
            QTextBlockFormat blockFormat;
            blockFormat.setAlignment(paragraph.alignment);
            cursor.setBlockFormat(blockFormat);
        }
        for (const Span& span : paragraph.spans) {
            QTextCharFormat format;
            if (!span.family.isEmpty())
                format.setFontFamilies(QStringList{span.family});
            if (span.points > 0)
                format.setFontPointSize(span.points);
            if (span.colour.isValid())
                format.setForeground(span.colour);
            if (span.bold)
                format.setFontWeight(QFont::Bold);
            format.setFontItalic(span.italic);
            format.setFontUnderline(span.underline);
            format.setFontStrikeOut(span.strikeOut);
            cursor.insertText(span.text, format);
        }
    }
}

QString everyWindows1252Character()
{
    QString text;
    for (int byte = 0x20; byte <= 0xFF; ++byte)
        text += QChar(static_cast<char16_t>(windows1252ToUnicode(static_cast<unsigned char>(byte))));
    return text;
}

std::vector<Paragraph> longDocument()
{
    std::vector<Paragraph> paragraphs;
    for (int i = 0; i < 200; ++i) {
        paragraphs.push_back({{{QStringLiteral("Paragraph %1 ").arg(i)},
                               {QStringLiteral("bold"), {}, 0, {}, i % 2 == 0},
                               {QStringLiteral(" and "), QStringLiteral("Arial"), 9.5 + i % 3}}});
    }
    return paragraphs;
}

TEST(RtfWriter, roundTripsTextAndFormatting)
{
    const QColor red(255, 0, 0);
    const QColor blue(0, 0, 255);
    const QColor black(0, 0, 0);
    const struct {
        const char* description;
        std::vector<Paragraph> paragraphs;
    } cases[] = {
        {"an empty document", {}},
        {"one plain paragraph", {{{{"Hello, world."}}}}},
        {"paragraphs, empty ones included", {{{{"first"}}}, {}, {{{"third"}}}, {}}},
        {"line breaks and tabs", {{{{QStringLiteral("a\u2028b\tc\u2028")}}}}},
        {"every Windows-1252 character", {{{{everyWindows1252Character()}}}}},
        {"characters beyond Windows-1252", {{{{QStringLiteral("\u03A9 \u0436 \u4E2D\u6587 \U0001F600 \u2011 \uFFFD")}}}}},
        {"a lone surrogate", {{{{QStringLiteral("a") + QChar(0xD83D) + QStringLiteral("b")}}}}},
        {"rich text's own characters", {{{{"{braces} \\back\\slash\\ ;semi; \\par"}}}}},
        {"text right after a control word",
         {{{{"a", {}, 0, {}, true}, {"123"}, {" x", {}, 0, {}, false, true}, {"-y", {}, 0, {}, false, false, true}}}}},
        {"fonts and sizes",
         {{{{"a", "Arial", 10}, {"b", "Times New Roman", 7.5}, {"c", "Courier New", 72}, {"d"}, {"e", "Arial", 400}}}}},
        {"font names that need escapes", {{{{"a", "Odd;Name{x}\\"}, {"b", QStringLiteral("M\u00e9nlo \u03A9")}}}}},
        {"colours", {{{{"r", {}, 0, red}, {"b", {}, 0, blue}, {"r", {}, 0, red}, {"k", {}, 0, black}, {"auto"}}}}},
        {"bold, italic, underline and strike-out",
         {{{{"b", {}, 0, {}, true},
            {"i", {}, 0, {}, false, true},
            {"u", {}, 0, {}, false, false, true},
            {"s", {}, 0, {}, false, false, false, true},
            {"all", "Arial", 14, blue, true, true, true, true},
            {"none"}}}}},
        {"alignment",
         {{{{"centre"}}, Qt::AlignHCenter},
          {{{"right"}}, Qt::AlignRight},
          {{{"justify"}}, Qt::AlignJustify},
          {{{"left"}}, Qt::AlignLeft},
          {{}, Qt::AlignHCenter}}},
        {"formatting carried across paragraphs", {{{{"one", {}, 0, {}, true}}}, {{{"two", {}, 0, {}, true}}}}},
        {"a long document", longDocument()},
    };
    for (const auto& c : cases) {
        QTextDocument original;
        build(original, c.paragraphs);
        const QByteArray rtf = RtfWriter().write(original);
        EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252")) << c.description;
        EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](char byte) { return static_cast<unsigned char>(byte) < 0x80; }))
            << c.description << ": only ASCII bytes";

        QTextDocument reread;
        reread.setDefaultFont(original.defaultFont());
        RtfReader().read(rtf, reread);
        EXPECT_EQ(test::paragraphText(reread), test::paragraphText(original)) << c.description;
        EXPECT_EQ(test::describeResolved(reread), test::describeResolved(original)) << c.description << '\n' << rtf.toStdString();
        EXPECT_EQ(RtfWriter().write(reread).toStdString(), rtf.toStdString()) << c.description << ": writing again gives the same bytes";
    }
}

TEST(RtfWriter, roundTripsDocumentsMadeFromHtml)
{
    QTextDocument original;
    original.setHtml(QStringLiteral(
        "<p>Plain <b>bold</b> <i>italic</i> <u>under</u> <s>struck</s> "
        "<span style=\"color:#c00000; font-family:'Courier New'; font-size:15pt\">styled</span></p>"
        "<p align=\"center\">centred<br>second line</p><p></p><p>&lt;{\\}&gt; &euro; &#x3a9;</p>"));
    QTextDocument reread;
    RtfReader().read(RtfWriter().write(original), reread);
    EXPECT_EQ(test::paragraphText(reread), test::paragraphText(original));
    EXPECT_EQ(test::describeResolved(reread), test::describeResolved(original));
}

TEST(RtfWriter, escapesText)
{
    const struct {
        const char* description;
        QString text;
        const char* expected; // what follows the run's control words
    } cases[] = {
        {"plain text, after the space that ends the control words", "Hello", " Hello}"},
        {"braces and backslashes", "{a}\\", "\\{a\\}\\\\}"},
        {"Windows-1252 characters", QStringLiteral("caf\u00e9 \u20ac\u00a0"), " caf\\'e9 \\'80\\'a0}"},
        {"other characters", QStringLiteral("\u03A9\U0001F600"), "\\u937?\\u-10179?\\u-8704?}"},
        {"tabs and line breaks", QStringLiteral("a\tb\u2028c\t"), " a\\tab b\\line c\\tab}"},
        {"a digit after a control word", "1\t2", " 1\\tab 2}"},
        {"control characters are dropped", QStringLiteral("a\u0001b\u007f"), " ab\\'7f}"},
    };
    for (const auto& c : cases) {
        QTextDocument document;
        build(document, {{{{c.text}}}});
        const QByteArray rtf = RtfWriter().write(document);
        const QByteArray runStart = "\\pard\\plain\\f0";
        const qsizetype at = rtf.indexOf(runStart);
        ASSERT_GE(at, 0) << c.description << '\n' << rtf.toStdString();
        EXPECT_EQ(rtf.mid(at + runStart.size()).chopped(1).toStdString(), c.expected) << c.description;
    }
}

// Text without a size of its own is written without one, so that it comes back in the size of the
// pane it is read into; sizes of its own are kept between 1 and 400 points, pixels counted at 96
// dots per inch.
TEST(RtfWriter, writesSizes)
{
    auto pointSize = [](double points) {
        QTextCharFormat format;
        format.setFontPointSize(points);
        return format;
    };
    auto pixelSize = [](int pixels) {
        QTextCharFormat format;
        format.setProperty(QTextFormat::FontPixelSize, pixels);
        return format;
    };
    const struct {
        const char* description;
        QTextCharFormat format;
        const char* expected; // the run's control words
    } cases[] = {
        {"no size of its own", QTextCharFormat(), "\\plain\\f0 x"},
        {"points", pointSize(10.5), "\\plain\\f0\\fs21 x"},
        {"pixels", pixelSize(20), "\\plain\\f0\\fs30 x"},
        {"too small", pointSize(0.25), "\\plain\\f0\\fs2 x"},
        {"too large", pointSize(5000), "\\plain\\f0\\fs800 x"},
        {"too many pixels", pixelSize(100000), "\\plain\\f0\\fs800 x"},
    };
    for (const auto& c : cases) {
        QTextDocument document;
        QTextCursor(&document).insertText(QStringLiteral("x"), c.format);
        const QByteArray rtf = RtfWriter().write(document);
        EXPECT_TRUE(rtf.contains(c.expected)) << c.description << '\n' << rtf.toStdString();
    }
}

TEST(RtfWriter, roundTripsBackgroundColours)
{
    QTextDocument original;
    QTextCursor cursor(&original);
    QTextCharFormat marked;
    marked.setBackground(QColor(255, 255, 0));
    cursor.insertText(QStringLiteral("marked"), marked);
    cursor.insertText(QStringLiteral(" plain"), QTextCharFormat());
    QTextDocument reread;
    RtfReader().read(RtfWriter().write(original), reread);
    EXPECT_EQ(test::describeResolved(reread), test::describeResolved(original));
    EXPECT_NE(test::describeResolved(reread).find("bg#ffff00]marked"), std::string::npos) << test::describeResolved(reread);
}

TEST(RtfWriter, writesTablesOfTheFontsAndColoursUsed)
{
    QTextDocument document;
    build(document, {{{{"a", "Arial", 0, QColor(255, 0, 0)}, {"b", "Arial", 0, QColor(0, 128, 255)}, {"c"}}},
                     {{{"d", "Courier New", 0, QColor(255, 0, 0)}}}});
    const QByteArray rtf = RtfWriter().write(document);
    EXPECT_TRUE(rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 Liberation Serif;}{\\f1\\fnil\\fcharset0 Arial;}"
                             "{\\f2\\fnil\\fcharset0 Courier New;}}"))
        << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}")) << rtf.toStdString();
    EXPECT_EQ(rtf.count("\\par\n"), 1) << "one paragraph mark between two paragraphs";
}

} // namespace
} // namespace quendry
