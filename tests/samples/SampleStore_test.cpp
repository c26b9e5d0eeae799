#include "samples/SampleStore.h"
#include "tests/app/guisupport/GuiTestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using namespace quendry;
using quendry::test::GuiTestFolder;

namespace {

struct Fixture {
    GuiTestFolder folder{GuiTestFolder::Dictionary::Missing};
    SampleStore store{folder.folder()};

    void place(const QString& fileName, const QByteArray& bytes = "text")
    {
        QDir(folder.folder().path()).mkpath(SampleStore::folderName());
        folder.writeFile(SampleStore::folderName() + QLatin1Char('/') + fileName, bytes);
    }
};

} // namespace

class SampleStoreTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::prepareGuiTests(); }
    void listingWithoutFolderCreatesIt();
    void listingShowsSampleFilesOnly();
    void plainTextFileIsASample();
    void savedSampleLoadsWithItsFormatting();
    void writingReplacesTheSample();
    void removingAMissingSampleIsNoError();
    void nameLeadingOutOfTheFolderIsRefused_data();
    void nameLeadingOutOfTheFolderIsRefused();
    void folderThatCannotBeCreatedStopsEveryOperation();
};

void SampleStoreTest::listingWithoutFolderCreatesIt()
{
    Fixture fixture;
    QVERIFY(!fixture.folder.exists(SampleStore::folderName()));
    const SampleStore::Listing listing = fixture.store.list();
    QCOMPARE(listing.error, std::nullopt);
    QVERIFY(listing.names.isEmpty());
    QVERIFY(QFileInfo(fixture.folder.filePath(SampleStore::folderName())).isDir());
    QCOMPARE(fixture.store.folderPath(), fixture.folder.filePath(QStringLiteral("Template")));
}

void SampleStoreTest::listingShowsSampleFilesOnly()
{
    Fixture fixture;
    fixture.place(QStringLiteral("memo 3.tqd"));
    fixture.place(QStringLiteral("Alpha.tqd"));
    fixture.place(QStringLiteral("NOTES.TQD"));
    fixture.place(QStringLiteral("readme.txt"));
    fixture.place(QStringLiteral(".hidden.tqd"));
    QDir(fixture.store.folderPath()).mkdir(QStringLiteral("folder.tqd"));

    const QStringList expected{QStringLiteral("Alpha"), QStringLiteral("memo 3"), QStringLiteral("NOTES.TQD")};
    QCOMPARE(fixture.store.list().names, expected);
    // A name listed with its upper-case extension names no file of its own.
    QVERIFY(!fixture.store.exists(QStringLiteral("NOTES.TQD")));
    QVERIFY(fixture.store.exists(QStringLiteral("memo 3")));
}

void SampleStoreTest::plainTextFileIsASample()
{
    Fixture fixture;
    fixture.place(QStringLiteral("notes.tqd"), "First line\r\ncaf\xe9 au lait");
    QCOMPARE(fixture.store.list().names, QStringList{QStringLiteral("notes")});
    QTextDocument document;
    QCOMPARE(fixture.store.load(QStringLiteral("notes"), document), std::nullopt);
    QCOMPARE(document.toPlainText(), QStringLiteral("First line\ncafé au lait"));
}

void SampleStoreTest::savedSampleLoadsWithItsFormatting()
{
    Fixture fixture;
    QTextDocument written;
    QTextCursor cursor(&written);
    cursor.insertText(QStringLiteral("plain "));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setForeground(QColor(200, 0, 0));
    cursor.insertText(QStringLiteral("bold red"), bold);
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("second paragraph"));

    QCOMPARE(fixture.store.write(QStringLiteral("memo"), written), std::nullopt);
    QVERIFY(fixture.folder.readFile(QStringLiteral("Template/memo.tqd")).startsWith("{\\rtf"));

    QTextDocument read;
    QCOMPARE(fixture.store.load(QStringLiteral("memo"), read), std::nullopt);
    QCOMPARE(read.toPlainText(), written.toPlainText());
    QTextCursor probe(&read);
    probe.setPosition(QStringLiteral("plain b").size());
    QCOMPARE(probe.charFormat().fontWeight(), int(QFont::Bold));
    QCOMPARE(probe.charFormat().foreground().color(), QColor(200, 0, 0));
}

void SampleStoreTest::writingReplacesTheSample()
{
    Fixture fixture;
    fixture.place(QStringLiteral("memo.tqd"), "old text");
    QTextDocument document(QStringLiteral("new text"));
    QCOMPARE(fixture.store.write(QStringLiteral("memo"), document), std::nullopt);
    QTextDocument read;
    QCOMPARE(fixture.store.load(QStringLiteral("memo"), read), std::nullopt);
    QCOMPARE(read.toPlainText(), QStringLiteral("new text"));
    // Only the sample itself is in the folder: nothing half-written is left beside it.
    QCOMPARE(QDir(fixture.store.folderPath()).entryList(QDir::Files | QDir::Hidden),
        QStringList{QStringLiteral("memo.tqd")});
}

void SampleStoreTest::removingAMissingSampleIsNoError()
{
    Fixture fixture;
    fixture.place(QStringLiteral("memo.tqd"));
    QCOMPARE(fixture.store.remove(QStringLiteral("memo")), std::nullopt);
    QVERIFY(!fixture.store.exists(QStringLiteral("memo")));
    QCOMPARE(fixture.store.remove(QStringLiteral("memo")), std::nullopt);
}

void SampleStoreTest::nameLeadingOutOfTheFolderIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("slash") << QStringLiteral("../notes");
    QTest::newRow("backslash") << QStringLiteral("..\\notes");
}

void SampleStoreTest::nameLeadingOutOfTheFolderIsRefused()
{
    QFETCH(QString, name);
    Fixture fixture;
    // The file that "../notes" would replace: the user's own, beside the sample folder.
    fixture.folder.writeFile(QStringLiteral("notes.tqd"), "the user's own file");

    QTextDocument document(QStringLiteral("sample text"));
    const auto error = fixture.store.write(name, document);
    QVERIFY(error.has_value());
    QVERIFY2(error->contains(name), qPrintable(*error));
    QVERIFY(fixture.store.remove(name).has_value());
    QVERIFY(!fixture.store.exists(name));

    QCOMPARE(fixture.folder.readFile(QStringLiteral("notes.tqd")), QByteArray("the user's own file"));
    QVERIFY(QDir(fixture.store.folderPath()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void SampleStoreTest::folderThatCannotBeCreatedStopsEveryOperation()
{
    Fixture fixture;
    // A file where the folder should be.
    fixture.folder.writeFile(QStringLiteral("Template"), "not a folder");
    const QString message = QStringLiteral("Cannot create ") + QDir::toNativeSeparators(fixture.store.folderPath());

    QCOMPARE(fixture.store.ensureFolder(), message);
    QCOMPARE(fixture.store.list().error, message);
    QTextDocument document(QStringLiteral("text"));
    QCOMPARE(fixture.store.write(QStringLiteral("memo"), document), message);
    QCOMPARE(fixture.store.load(QStringLiteral("memo"), document), message);
    QCOMPARE(fixture.store.remove(QStringLiteral("memo")), message);
    QCOMPARE(fixture.folder.readFile(QStringLiteral("Template")), QByteArray("not a folder"));
}

QTEST_MAIN(SampleStoreTest)
#include "SampleStore_test.moc"
