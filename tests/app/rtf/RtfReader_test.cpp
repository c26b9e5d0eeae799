#include "app/rtf/RtfReader.h"

#include "tests/app/rtf/DocumentDescription.h"

#include <QTextDocument>

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace quendry {
namespace {

struct ReadCase {
    const char* description;
    std::string rtf;
    std::string expected;
};

void read(QTextDocument& document, const std::string& rtf)
{
    RtfReader().read(QByteArray::fromStdString(rtf), document);
}

std::string readText(const std::string& rtf)
{
    QTextDocument document;
    read(document, rtf);
    return test::paragraphText(document);
}

std::string readDescription(const std::string& rtf)
{
    QTextDocument document;
    read(document, rtf);
    return test::describe(document);
}

TEST(RtfReader, readsText)
{
    const ReadCase cases[] = {
        {"plain text", R"({\rtf1 Hello, world.})", "Hello, world."},
        {"paragraphs", R"({\rtf1 one\par two\par three})", "one\ntwo\nthree"},
        {"a closing \\par leaves an empty paragraph", R"({\rtf1 one\par})", "one\n"},
        {"empty paragraphs", R"({\rtf1 \par\par x})", "\n\nx"},
        {"line break", R"({\rtf1 one\line two})", "one<line>two"},
        {"tab", R"({\rtf1 a\tab b})", "a\tb"},
        {"escaped braces and backslash", R"({\rtf1 \{x\} \\y})", "{x} \\y"},
        {"the space after a control word belongs to it", R"({\rtf1 \b bold\b0  plain})", "bold plain"},
        {"a control word ends at a digit run or a non-letter", R"({\rtf1 \b1bold\b0.})", "bold."},
        {"hex escapes are Windows-1252", R"({\rtf1 caf\'e9 \'80 \'93q\'94 \'E9})", "café € “q” é"},
        {"undefined Windows-1252 bytes", R"({\rtf1 \'81\'9d})", "\xc2\x81\xc2\x9d"},
        {"raw bytes above 127 are Windows-1252", "{\\rtf1 caf\xe9 \x80}", "café €"},
        {"unicode escape with fallback", R"({\rtf1 \u8364?5})", "€5"},
        {"negative unicode escape", R"({\rtf1 \u-3?})", "\uFFFD"},
        {"surrogate pair", R"({\rtf1 \u-10179?\u-8704?})", "😀"},
        {"\\uc sets the fallback length", R"({\rtf1\uc2 \u8364 EU x})", "€ x"},
        {"\\uc0 has no fallback", R"({\rtf1\uc0 \u8364 x})", "€x"},
        {"a hex escape is one fallback character", R"({\rtf1 \u233\'e9 x})", "é x"},
        {"a control word is one fallback character", R"({\rtf1 \u233\emdash x})", "éx"},
        {"\\uc is scoped to its group", R"({\rtf1 {\uc2 \u8364 ab}\u8364 cd})", "€€d"},
        {"the fallback ends at a group boundary", R"({\rtf1\uc3 \u8364{x}})", "€x"},
        {"\\u without a number is ignored", R"({\rtf1 \u x})", "x"},
        {"unicode escape out of range", R"({\rtf1 \u70000?})", "\uFFFD"},
        {"special characters",
         R"({\rtf1 \emdash\endash\lquote\rquote\ldblquote\rdblquote\bullet\~\_\-x})",
         "—–‘’“”•\u00a0\u2011x"},
        {"raw line breaks are not text", "{\\rtf1 a\r\nb\nc\rd}", "abcd"},
        {"a backslash before a line break is a paragraph", "{\\rtf1 a\\\nb\\\r\nc}", "a\nb\nc"},
        {"control characters are dropped", R"({\rtf1 a\'00\'0a\'0d\u7?\u8233?b})", "a\nb"},
        {"unknown control words are skipped", R"({\rtf1 a\foo123 b\bar-4 c\baz d})", "abcd"},
        {"control words may have capitals", R"({\rtf1 a\mmathPr\mbrkBin0 b})", "ab"},
        {"unknown control symbols are skipped", R"({\rtf1 a\:b\|c\%d})", "abcd"},
        {"optional destinations are skipped", R"({\rtf1 a{\*\unknown junk {nested}}b})", "ab"},
        {"style sheet, information, headers and pictures are skipped",
         R"({\rtf1{\stylesheet{\s1 Heading 1;}}{\info{\title T}{\author A}}a{\header H}{\footer F})"
         R"({\pict\wmetafile8 0123abcd}b{\footnote N}{\object{\objdata 00}}c})",
         "abc"},
        {"a field shows its result", R"({\rtf1 {\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}} text})", "link text"},
        {"binary data is skipped", R"({\rtf1 a{\pict\bin3 }{\}b})", "ab"},
        {"table cells and rows", R"({\rtf1\trowd\cellx1000\cellx2000 \intbl a\cell b\cell\row after})", "a\tb\t\nafter"},
        {"sections and pages end paragraphs", R"({\rtf1 a\sect b\page c})", "a\nb\nc"},
        {"text outside the document group is ignored", R"(junk{\rtf1 a}b{\rtf1 c})", "a"},
        {"empty input", "", ""},
        {"no group at all", "just text", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readText(c.rtf), c.expected) << c.description;
}

TEST(RtfReader, readsFormatting)
{
    const ReadCase cases[] = {
        {"without \\fs the text keeps the size of the document it goes into", R"({\rtf1 x})", "[]x"},
        {"font table with entry groups",
         R"({\rtf1{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\froman\fprq2 Times New Roman;}}\f0\fs20 a\f1\fs28 b})",
         "[Arial 10]a[Times New Roman 14]b"},
        {"font table without entry groups", R"({\rtf1{\fonttbl\f0\fnil Courier New;\f1\fnil Arial;}\f1 x})", "[Arial]x"},
        {"font entry without a semicolon", R"({\rtf1{\fonttbl{\f0 Arial}}\f0 x})", "[Arial]x"},
        {"\\deff names the default font", R"({\rtf1\deff1{\fonttbl{\f0 A;}{\f1 B;}}x\f0 y})", "[B]x[A]y"},
        {"an unknown font number sets no family", R"({\rtf1{\fonttbl{\f0 A;}}\f5 x})", "[]x"},
        {"alternative names and panose data are skipped",
         R"({\rtf1{\fonttbl{\f0\fnil{\*\panose 020b0604020202020204}Ar{\*\falt Other}ial;}}\f0 x})",
         "[Arial]x"},
        {"escaped font names", R"({\rtf1{\fonttbl{\f0 Caf\'e9 \u937?;}}\f0 x})", "[Café Ω]x"},
        {"colours",
         R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green0\blue255;}\cf1 r\cf2 b\cf0 a\cf9 z})",
         "[#ff0000]r[#0000ff]b[]az"},
        {"colour components are clamped", R"({\rtf1{\colortbl;\red999\green-5\blue128;}\cf1 x})", "[#ff0080]x"},
        {"a colour entry without a semicolon", R"({\rtf1{\colortbl;\red0\green128\blue0}\cf1 x})", "[#008000]x"},
        {"bold, italic, underline, strike-out",
         R"({\rtf1 \b b\b0\i i\i0\ul u\ulnone\strike s\strike0 n})",
         "[b]b[i]i[u]u[s]s[]n"},
        {"switches with 1 and 0", R"({\rtf1 \b1 b\b0 n\ul1 u\ul0 n})", "[b]b[]n[u]u[]n"},
        {"underline styles", R"({\rtf1 \uldb d\ulnone\ulw w\ulnone\ulwave v})", "[u]dwv"},
        {"groups scope formatting", R"({\rtf1 a{\b b{\i c}d}e})", "[]a[b]b[b i]c[b]d[]e"},
        {"\\plain resets character formatting",
         R"({\rtf1{\fonttbl{\f0 A;}{\f1 B;}}{\colortbl;\red1\green2\blue3;}\f1\fs40\cf1\b\i\ul x\plain y})",
         "[B 20 b i u #010203]x[A]y"},
        {"sizes are kept between 1 and 400 points", R"({\rtf1 \fs1 a\fs999999999 b\fs800 c\fs0 d\fs-4 e\fs24 f\fs g})",
         "[1]a[400]bc[]de[12]f[]g"},
        {"background colours", R"({\rtf1{\colortbl;\red255\green255\blue0;}\highlight1 h\highlight0 n\cb1 c\cb0 n})",
         "[bg#ffff00]h[]n[bg#ffff00]c[]n"},
        {"alignment",
         R"({\rtf1\pard\qc a\par\pard b\par\qr c\par\qj d\par\ql e})",
         "<centre>[]a | []b | <right>[]c | <justify>[]d | []e"},
        {"the alignment at the paragraph mark counts", R"({\rtf1 a\qc\par\pard b})", "<centre>[]a | []b"},
        {"alignment lasts until \\pard", R"({\rtf1\qr a\par b})", "<right>[]a | <right>[]b"},
        {"the last paragraph takes the alignment in force at the end", R"({\rtf1 a\par\qr b})", "[]a | <right>[]b"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readDescription(c.rtf), c.expected) << c.description;
}

TEST(RtfReader, replacesWhatTheDocumentHeld)
{
    QTextDocument document;
    document.setPlainText("old\ntext");
    read(document, R"({\rtf1 new})");
    EXPECT_EQ(test::paragraphText(document), "new");
    EXPECT_FALSE(document.isUndoAvailable());
}

TEST(RtfReader, recognisesRichText)
{
    const struct {
        const char* bytes;
        bool expected;
    } cases[] = {
        {"{\\rtf1\\ansi x}", true},
        {"{\\rtf", true},
        {"{\\rtf1", true},
        {" {\\rtf1", false},
        {"{\\RTF1", false},
        {"{\\rt", false},
        {"", false},
        {"plain text", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RtfReader::isRtf(QByteArrayView(c.bytes)), c.expected) << c.bytes;
}

// Documents as common word processors save them.
TEST(RtfReader, readsWordProcessorDocuments)
{
    const ReadCase cases[] = {
        {"a small word processor's document",
         "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang2057{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}"
         "{\\f1\\fnil\\fcharset0 Courier New;}}\r\n"
         "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
         "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
         "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang9 It\\rquote s a \\b bold\\b0  and \\i italic\\i0  test.\\par\r\n"
         "\\cf1\\ul Red underlined\\cf0\\ulnone , then \\f1 code\\f0 .\\par\r\n"
         "\\pard\\qc Caf\\'e9 \\u8364?\\par\r\n"
         "}\r\n",
         "[Calibri 11]It’s a [Calibri 11 b]bold[Calibri 11] and [Calibri 11 i]italic[Calibri 11] test. | "
         "[Calibri 11 u #ff0000]Red underlined[Calibri 11], then [Courier New 11]code[Calibri 11]. | "
         "<centre>[Calibri 11]Café € | <centre>"},
        {"a full word processor's document",
         "{\\rtf1\\adeflang1025\\ansi\\ansicpg1252\\uc1\\adeff31507\\deff0\\stshfdbch31505\\stshfloch31506"
         "\\stshfhich31506\\stshfbi31507\\deflang2057\\deflangfe2057\\themelang2057\\themelangfe0\\themelangcs0"
         "{\\fonttbl{\\f0\\fbidi \\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}"
         "{\\f37\\fbidi \\fswiss\\fcharset0\\fprq2{\\*\\panose 020f0502020204030204}Calibri;}"
         "{\\flomajor\\f31500\\fbidi \\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}}\n"
         "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green255\\blue255;}\n"
         "{\\*\\defchp \\f31506\\fs22\\lang2057\\langfe1033\\langfenp1033 }{\\*\\defpap \\ql \\li0\\ri0\\sa160"
         "\\sl259\\slmult1\\widctlpar\\wrapdefault\\aspalpha\\aspnum\\faauto\\adjustright\\rin0\\lin0\\itap0 }\n"
         "\\noqfpromote {\\stylesheet{\\ql \\li0\\ri0\\sa160\\sl259\\slmult1\\widctlpar\\wrapdefault\\aspalpha"
         "\\aspnum\\faauto\\adjustright\\rin0\\lin0\\itap0 \\rtlch\\fcs1 \\af31507\\afs22\\alang1025 \\ltrch\\fcs0 "
         "\\f31506\\fs22\\lang2057\\langfe1033\\cgrid\\langnp2057\\langfenp1033 \\snext0 \\sqformat \\spriority0 Normal;}"
         "{\\*\\cs10 \\additive \\ssemihidden \\sunhideused \\spriority1 Default Paragraph Font;}}\n"
         "{\\*\\rsidtbl \\rsid1208335\\rsid6564519}{\\*\\mmathPr\\mmathFont34\\mbrkBin0}"
         "{\\info{\\author Jo Smith}{\\operator Jo Smith}{\\creatim\\yr2024\\mo3\\dy1\\hr9\\min5}"
         "{\\version1}{\\edmins1}{\\nofpages1}{\\nofwords4}{\\nofchars25}}"
         "{\\*\\xmlnstbl {\\xmlns1 http://schemas.microsoft.com/office/word/2003/wordml}}\n"
         "\\paperw11906\\paperh16838\\margl1440\\margr1440\\margt1440\\margb1440\\gutter0\\ltrsect \n"
         "{\\*\\pnseclvl1\\pnucrm\\pnstart1\\pnindent720\\pnhang {\\pntxta .}}\n"
         "\\pard\\plain \\ltrpar\\ql \\li0\\ri0\\sa160\\sl259\\slmult1\\widctlpar\\wrapdefault\\aspalpha\\aspnum"
         "\\faauto\\adjustright\\rin0\\lin0\\itap0\\pararsid6564519 \\rtlch\\fcs1 \\af31507\\afs22\\alang1025 "
         "\\ltrch\\fcs0 \\f37\\fs22\\lang2057\\langfe1033\\cgrid\\langnp2057\\langfenp1033 {\\rtlch\\fcs1 "
         "\\af31507 \\ltrch\\fcs0 \\insrsid6564519 The first }{\\rtlch\\fcs1 \\ab\\af31507 \\ltrch\\fcs0 "
         "\\b\\insrsid6564519\\charrsid6564519 paragraph}{\\rtlch\\fcs1 \\af31507 \\ltrch\\fcs0 "
         "\\insrsid6564519 .\n\\par }\\pard \\ltrpar\\qc \\li0\\ri0\\sa160\\sl259\\slmult1\\widctlpar"
         "\\wrapdefault\\aspalpha\\aspnum\\faauto\\adjustright\\rin0\\lin0\\itap0\\pararsid6564519 {\\rtlch\\fcs1 "
         "\\af31507 \\ltrch\\fcs0 \\cf2\\insrsid6564519 Centred blue.}{\\rtlch\\fcs1 \\af31507 \\ltrch\\fcs0 "
         "\\insrsid1208335\\charrsid6564519 \n\\par }{\\*\\themedata 504b030414000600080000002100e9de0fbfff00}\n"
         "{\\*\\datastore 01050000\n02000000180000004d73786d6c322e534158584d4c5265616465722e362e30}}",
         "[Calibri 11]The first [Calibri 11 b]paragraph[Calibri 11]. | <centre>[Calibri 11 #0000ff]Centred blue. | "
         "<centre>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readDescription(c.rtf), c.expected) << c.description;
}

// The reader says when the document holds less than the file, so that the file can be kept.
TEST(RtfReader, saysWhenItCouldNotReadEverything)
{
    const std::string deep(300, '{');
    const std::string deepEnd(300, '}');
    const struct {
        const char* description;
        std::string rtf;
        bool nestedTooDeep;
        bool truncated;
        std::string expected;
    } cases[] = {
        {"a whole document", R"({\rtf1 a{\b b}})", false, false, "[]a[b]b"},
        {"bytes after the end do not count", R"({\rtf1 a}{\b junk)", false, false, "[]a"},
        {"nesting at the limit", "{\\rtf1" + std::string(RtfReader::maxGroupDepth - 1, '{') + "a"
             + std::string(RtfReader::maxGroupDepth - 1, '}') + "}", false, false, "[]a"},
        {"cut short", R"({\rtf1 a{\b b)", false, true, "[]a[b]b"},
        {"nested too deep: the text stays, the deeper formatting goes",
         "{\\rtf1{\\i" + deep + "\\b x" + deepEnd + "}y}", true, false, "[i]x[]y"},
        {"both", "{\\rtf1 a" + deep + "b", true, true, "[]ab"},
    };
    for (const auto& c : cases) {
        QTextDocument document;
        const RtfReader::Outcome outcome = RtfReader().read(QByteArray::fromStdString(c.rtf), document);
        EXPECT_EQ(outcome.nestedTooDeep, c.nestedTooDeep) << c.description;
        EXPECT_EQ(outcome.truncated, c.truncated) << c.description;
        EXPECT_EQ(outcome.complete(), !c.nestedTooDeep && !c.truncated) << c.description;
        EXPECT_EQ(test::describe(document), c.expected) << c.description;
    }
}

// Hostile or broken input: each must finish quickly, without a crash, holding what could be read.
TEST(RtfReader, survivesHostileInput)
{
    auto repeated = [](const std::string& part, int times) {
        std::string result;
        for (int i = 0; i < times; ++i)
            result += part;
        return result;
    };
    std::string everyByte;
    for (int round = 0; round < 64; ++round) {
        for (int byte = 0; byte < 256; ++byte)
            everyByte += static_cast<char>((byte * 7 + round) & 0xFF);
    }
    const ReadCase cases[] = {
        {"deep nesting left open keeps its text", "{\\rtf1 a" + repeated("{", 100000) + "b", "ab"},
        {"deep nesting closed", "{\\rtf1 a" + repeated("{", 100000) + "b" + repeated("}", 100000) + "c}", "abc"},
        {"text at the deepest kept level", "{\\rtf1" + repeated("{", RtfReader::maxGroupDepth - 1) + "a" + repeated("}", RtfReader::maxGroupDepth - 1) + "b}", "ab"},
        {"text one level deeper", "{\\rtf1" + repeated("{", RtfReader::maxGroupDepth) + "a" + repeated("}", RtfReader::maxGroupDepth) + "b}", "ab"},
        {"formatting past the nesting cap does not leak",
         "{\\rtf1" + repeated("{", 300) + "\\b x" + repeated("}", 300) + "y}", "xy"},
        {"deep optional destinations", "{\\rtf1 a" + repeated("{\\*\\x ", 100000) + "b", "a"},
        {"deep destinations and their text are skipped, what follows them is not",
         "{\\rtf1" + repeated("{", 300) + "a{\\fonttbl{\\f0 F;}}{\\*\\x y{z}}{\\pict 0a}b\\par c\\u937?" + repeated("}", 300) + "d}",
         "ab\ncΩd"},
        {"closing braces only", repeated("}", 100000), ""},
        {"more closing than opening braces", "{\\rtf1 a}}}}}b", "a"},
        {"unterminated document", "{\\rtf1 abc", "abc"},
        {"unterminated paragraph formatting", "{\\rtf1 {\\b abc", "abc"},
        {"trailing backslash", "{\\rtf1 a\\", "a"},
        {"cut hex escape", "{\\rtf1 a\\'", "a"},
        {"half a hex escape", "{\\rtf1 a\\'4", "a4"},
        {"bad hex escape", "{\\rtf1 a\\'zz}", "azz"},
        {"huge parameters", "{\\rtf1 \\fs99999999999999999999999 a\\f-99999999999999999 b\\cf2147483648 c}", "abc"},
        {"huge unicode values", "{\\rtf1 \\u99999999999?\\u-99999999999?x}", "\uFFFD\uFFFDx"},
        {"huge fallback length", "{\\rtf1 {\\uc2147483647 \\u65 skipped}x}", "Ax"},
        {"negative fallback length", "{\\rtf1 \\uc-5 \\u65 x}", "Ax"},
        {"binary data longer than the input", "{\\rtf1 a\\bin999999999 xyz}", "a"},
        {"negative binary length", "{\\rtf1 a\\bin-5 b}", "ab"},
        {"a very long control word", "{\\rtf1 a\\" + repeated("x", 100000) + " b}", "ab"},
        {"a very long number", "{\\rtf1 a\\fs" + repeated("9", 100000) + " b}", "ab"},
        {"many paragraphs", "{\\rtf1 " + repeated("\\par", 20000) + "}", repeated("\n", 20000)},
        {"many format changes", "{\\rtf1 " + repeated("{\\b a}{\\i b}", 20000) + "}", repeated("ab", 20000)},
        {"a huge font table", "{\\rtf1{\\fonttbl" + repeated("\\f1 Arial;", 50000) + "}\\f1 x}", "x"},
        {"a huge colour table", "{\\rtf1{\\colortbl" + repeated(";", 100000) + "}\\cf99999 x}", "x"},
        {"a font name that never ends", "{\\rtf1{\\fonttbl{\\f0 " + repeated("A", 100000), ""},
    };
    for (const auto& c : cases) {
        const auto start = std::chrono::steady_clock::now();
        const std::string text = readText(c.rtf);
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(text, c.expected) << c.description;
        EXPECT_LT(elapsed, std::chrono::seconds(2)) << c.description;
    }

    // Arbitrary bytes only have to be survived.
    for (const std::string& prefix : {std::string("{\\rtf1 "), std::string("{\\rtf1{\\fonttbl "),
                                      std::string("{\\rtf1{\\colortbl "), std::string("{\\rtf1\\bin10 ")}) {
        QTextDocument document;
        read(document, prefix + everyByte);
        EXPECT_GE(document.blockCount(), 1);
    }
}

} // namespace
} // namespace quendry
