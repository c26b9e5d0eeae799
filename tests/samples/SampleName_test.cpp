#include "samples/SampleName.h"

#include <QtTest>

using quendry::SampleName;

class SampleNameTest : public QObject {
    Q_OBJECT

private slots:
    void trimmedRemovesBlanksAndControlsOnly_data();
    void trimmedRemovesBlanksAndControlsOnly();
    void fromFileNameTakesOffExactExtension_data();
    void fromFileNameTakesOffExactExtension();
    void acceptedNames_data();
    void acceptedNames();
    void refusedNames_data();
    void refusedNames();
    void escapingNames_data();
    void escapingNames();
};

void SampleNameTest::trimmedRemovesBlanksAndControlsOnly_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::newRow("blanks around") << QStringLiteral("  memo 3  ") << QStringLiteral("memo 3");
    QTest::newRow("controls around") << QStringLiteral("\t\r\nnotes\x01\x1f") << QStringLiteral("notes");
    QTest::newRow("inner blanks kept") << QStringLiteral("a  b") << QStringLiteral("a  b");
    QTest::newRow("only blanks") << QStringLiteral(" \t ") << QString();
    QTest::newRow("no-break space is text") << QStringLiteral("\u00a0memo\u00a0") << QStringLiteral("\u00a0memo\u00a0");
}

void SampleNameTest::trimmedRemovesBlanksAndControlsOnly()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QCOMPARE(SampleName::trimmed(typed), name);
}

void SampleNameTest::fromFileNameTakesOffExactExtension_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("name");
    QTest::newRow("lower-case extension") << QStringLiteral("notes.tqd") << QStringLiteral("notes");
    QTest::newRow("upper-case extension") << QStringLiteral("NOTES.TQD") << QStringLiteral("NOTES.TQD");
    QTest::newRow("mixed-case extension") << QStringLiteral("memo.Tqd") << QStringLiteral("memo.Tqd");
    QTest::newRow("only once") << QStringLiteral("a.tqd.tqd") << QStringLiteral("a.tqd");
    QTest::newRow("extension alone") << QStringLiteral(".tqd") << QString();
    QTest::newRow("too short") << QStringLiteral("tqd") << QStringLiteral("tqd");
}

void SampleNameTest::fromFileNameTakesOffExactExtension()
{
    QFETCH(QString, fileName);
    QFETCH(QString, name);
    QCOMPARE(SampleName::fromFileName(fileName), name);
}

void SampleNameTest::acceptedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("blank inside") << QStringLiteral("memo 3");
    QTest::newRow("not Latin") << QStringLiteral("Заметка");
    QTest::newRow("dots inside and at the end") << QStringLiteral("a.b.");
    QTest::newRow("device name inside a longer word") << QStringLiteral("console");
    QTest::newRow("COM with two digits") << QStringLiteral("COM10");
    QTest::newRow("longest") << QString(SampleName::maximumBytes, QLatin1Char('x'));
}

void SampleNameTest::acceptedNames()
{
    QFETCH(QString, name);
    QCOMPARE(SampleName::problem(name), std::nullopt);
}

void SampleNameTest::refusedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("parent folder") << QStringLiteral("../notes") << QStringLiteral("\"/\", which separates folders");
    QTest::newRow("subfolder") << QStringLiteral("a/b") << QStringLiteral("\"/\", which separates folders");
    QTest::newRow("backslash") << QStringLiteral("a\\b") << QStringLiteral("\"\\\", which separates folders");
    QTest::newRow("colon") << QStringLiteral("c:notes") << QStringLiteral("contains \":\"");
    QTest::newRow("star") << QStringLiteral("a*") << QStringLiteral("contains \"*\"");
    QTest::newRow("question mark") << QStringLiteral("why?") << QStringLiteral("contains \"?\"");
    QTest::newRow("double quote") << QStringLiteral("say \"hi\"") << QStringLiteral("contains \"\"\"");
    QTest::newRow("angle bracket") << QStringLiteral("a<b") << QStringLiteral("contains \"<\"");
    QTest::newRow("bar") << QStringLiteral("a|b") << QStringLiteral("contains \"|\"");
    QTest::newRow("control inside") << QStringLiteral("a\tb") << QStringLiteral("control character");
    QTest::newRow("one dot") << QStringLiteral(".") << QStringLiteral("dots only");
    QTest::newRow("two dots") << QStringLiteral("..") << QStringLiteral("dots only");
    QTest::newRow("leading dot") << QStringLiteral(".hidden") << QStringLiteral("begin with a dot");
    QTest::newRow("device") << QStringLiteral("CON") << QStringLiteral("reserves");
    QTest::newRow("device in lower case") << QStringLiteral("nul") << QStringLiteral("reserves");
    QTest::newRow("device with extension") << QStringLiteral("aux.notes") << QStringLiteral("reserves");
    QTest::newRow("device with blank") << QStringLiteral("prn .x") << QStringLiteral("reserves");
    QTest::newRow("numbered device") << QStringLiteral("lpt9") << QStringLiteral("reserves");
    QTest::newRow("too long") << QString(SampleName::maximumBytes + 1, QLatin1Char('x')) << QStringLiteral("too long");
    QTest::newRow("too long in bytes") << QString(SampleName::maximumBytes / 2 + 1, QChar(0x0416))
                                       << QStringLiteral("too long");
}

void SampleNameTest::refusedNames()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    const auto problem = SampleName::problem(name);
    QVERIFY(problem.has_value());
    QVERIFY2(problem->contains(QLatin1Char('"') + name + QLatin1Char('"')), qPrintable(*problem));
    QVERIFY2(problem->contains(reason), qPrintable(*problem));
}

void SampleNameTest::escapingNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("escapes");
    QTest::newRow("plain") << QStringLiteral("notes") << false;
    QTest::newRow("dots become a file name") << QStringLiteral("..") << false;
    QTest::newRow("parent folder") << QStringLiteral("../notes") << true;
    QTest::newRow("backslash") << QStringLiteral("..\\notes") << true;
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("nul character") << QStringLiteral("a") + QChar(0) + QStringLiteral("b") << true;
}

void SampleNameTest::escapingNames()
{
    QFETCH(QString, name);
    QFETCH(bool, escapes);
    QCOMPARE(SampleName::escapesFolder(name), escapes);
}

QTEST_GUILESS_MAIN(SampleNameTest)
#include "SampleName_test.moc"
