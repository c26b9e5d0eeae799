#include "app/settings/ColorValue.h"

#include <QPalette>
#include <QtTest>

using namespace quendry;

class ColorValueTest : public QObject {
    Q_OBJECT

private slots:
    void everyNameReadsBackAsItself_data();
    void everyNameReadsBackAsItself();
    void ordinaryColors_data();
    void ordinaryColors();
    void readingText_data();
    void readingText();
    void unreadableText_data();
    void unreadableText();
    void desktopColorsFollowThePalette();
};

void ColorValueTest::everyNameReadsBackAsItself_data()
{
    QTest::addColumn<QString>("name");
    const char* const names[] = {"clBlack", "clMaroon", "clGreen", "clOlive", "clNavy", "clPurple", "clTeal",
        "clGray", "clSilver", "clRed", "clLime", "clYellow", "clBlue", "clFuchsia", "clAqua", "clWhite",
        "clMoneyGreen", "clSkyBlue", "clCream", "clMedGray", "clActiveBorder", "clActiveCaption",
        "clAppWorkSpace", "clBackground", "clBtnFace", "clBtnHighlight", "clBtnShadow", "clBtnText",
        "clCaptionText", "clDefault", "clGradientActiveCaption", "clGradientInactiveCaption", "clGrayText",
        "clHighlight", "clHighlightText", "clHotLight", "clInactiveBorder", "clInactiveCaption",
        "clInactiveCaptionText", "clInfoBk", "clInfoText", "clMenu", "clMenuBar", "clMenuHighlight", "clMenuText",
        "clNone", "clScrollBar", "cl3DDkShadow", "cl3DLight", "clWindow", "clWindowFrame", "clWindowText"};
    QCOMPARE(std::size(names), std::size_t{52});
    for (const char* name : names)
        QTest::newRow(name) << QString::fromLatin1(name);
}

void ColorValueTest::everyNameReadsBackAsItself()
{
    QFETCH(QString, name);
    const auto color = ColorValue::fromText(name);
    QVERIFY(color.has_value());
    QCOMPARE(color->toText(), name);
    // The numeric form of a named colour is written back by its name.
    const QString hex = QStringLiteral("$%1").arg(color->value(), 8, 16, QLatin1Char('0')).toUpper();
    QCOMPARE(ColorValue::fromText(hex)->toText(), name);
}

void ColorValueTest::ordinaryColors_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("text");

    QTest::newRow("bytes blue, green, red") << QColor(18, 52, 86) << "$00563412";
    QTest::newRow("pure red has its name") << QColor(255, 0, 0) << "clRed";
    QTest::newRow("the default upper colour") << QColor(0, 0, 255) << "clBlue";
    QTest::newRow("the default lower colour") << QColor(0, 128, 0) << "clGreen";
    QTest::newRow("sky blue") << QColor(166, 202, 240) << "clSkyBlue";
    QTest::newRow("almost black") << QColor(1, 0, 0) << "$00000001";
    QTest::newRow("alpha is dropped") << QColor(18, 52, 86, 10) << "$00563412";
}

void ColorValueTest::ordinaryColors()
{
    QFETCH(QColor, color);
    QFETCH(QString, text);

    const ColorValue value = ColorValue::fromColor(color);
    QCOMPARE(value.toText(), text);
    const auto read = ColorValue::fromText(text);
    QVERIFY(read.has_value());
    QCOMPARE(read->toColor(QPalette()), QColor(color.red(), color.green(), color.blue()));
}

void ColorValueTest::readingText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("writtenAs");

    QTest::newRow("name in capitals") << "CLRED" << "clRed";
    QTest::newRow("name in small letters") << "clwindowtext" << "clWindowText";
    QTest::newRow("decimal") << "255" << "clRed";
    QTest::newRow("decimal of no name") << "5649426" << "$00563412";
    QTest::newRow("negative decimal: a desktop colour") << "-16777208" << "clWindowText";
    QTest::newRow("hexadecimal in small letters") << "$00563412" << "$00563412";
    QTest::newRow("hexadecimal, short") << "$ff" << "clRed";
    QTest::newRow("desktop colour by number") << "$FF00000D" << "clHighlight";
}

void ColorValueTest::readingText()
{
    QFETCH(QString, text);
    QFETCH(QString, writtenAs);
    const auto color = ColorValue::fromText(text);
    QVERIFY(color.has_value());
    QCOMPARE(color->toText(), writtenAs);
}

void ColorValueTest::unreadableText_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "";
    QTest::newRow("not a colour") << "purple-ish";
    QTest::newRow("a dollar alone") << "$";
    QTest::newRow("signed hexadecimal") << "$-1";
    QTest::newRow("more than 32 bits") << "$100000000";
    QTest::newRow("decimal beyond 32 bits") << "4294967296";
    QTest::newRow("top byte neither 0 nor 255") << "$01000000";
    QTest::newRow("no desktop colour 25") << "$FF000019";
    QTest::newRow("desktop colour with middle bytes") << "$FF000108";
    QTest::newRow("name with a blank") << "clRed ";
}

void ColorValueTest::unreadableText()
{
    QFETCH(QString, text);
    QCOMPARE(ColorValue::fromText(text), std::nullopt);
}

void ColorValueTest::desktopColorsFollowThePalette()
{
    QPalette light;
    light.setColor(QPalette::Text, QColor(10, 20, 30));
    light.setColor(QPalette::Highlight, QColor(40, 50, 60));
    QPalette dark;
    dark.setColor(QPalette::Text, QColor(200, 210, 220));

    QCOMPARE(ColorValue::windowText().toColor(light), QColor(10, 20, 30));
    QCOMPARE(ColorValue::windowText().toColor(dark), QColor(200, 210, 220));
    QCOMPARE(ColorValue::fromText(QStringLiteral("clHighlight"))->toColor(light), QColor(40, 50, 60));
    QVERIFY(ColorValue::windowText().followsPalette());
    QVERIFY(!ColorValue::fromRgb(0, 0, 0).followsPalette());
}

QTEST_GUILESS_MAIN(ColorValueTest)
#include "ColorValue_test.moc"
