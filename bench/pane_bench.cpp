// How long a pane takes to take in a large text and lay it out, on Qt's offscreen platform unless
// QT_QPA_PLATFORM says otherwise. Each row reads the file, puts it into a shown pane and lays out
// the whole document, as the window does at start or after "Open...". The corpus folder is
// QUENDRY_CORPUS when set, otherwise the one beside the repository.

#include "app/mainwindow/TextPane.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

QString corpusFile(const char* name)
{
    const QByteArray folder = qgetenv("QUENDRY_CORPUS");
    return (folder.isEmpty() ? QStringLiteral(QUENDRY_DEFAULT_CORPUS) : QString::fromLocal8Bit(folder))
        + QLatin1Char('/') + QString::fromLatin1(name);
}

// A million characters of prose from the corpus, read once.
QByteArray prose()
{
    QFile file(corpusFile("dickens_-_bleak_house.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray(1024 * 1024, 'x');
    return file.read(1024 * 1024);
}

void loadIntoPane(benchmark::State& state, const QByteArray& bytes)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("text.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("cannot write the text file");
        return;
    }
    file.close();
    quendry::TextPane pane(quendry::Pane::Upper);
    pane.resize(520, 300);
    pane.show();
    for (auto _ : state) {
        pane.openFile(path);
        pane.document()->documentLayout()->documentSize();
        QApplication::processEvents();
        state.PauseTiming();
        pane.clearText();
        pane.document()->clearUndoRedoStacks();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void oneMegabyteUnbrokenWord(benchmark::State& state)
{
    loadIntoPane(state, QByteArray(1024 * 1024, 'w'));
}

void oneMegabyteOfProse(benchmark::State& state)
{
    loadIntoPane(state, prose());
}

BENCHMARK(oneMegabyteUnbrokenWord)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(oneMegabyteOfProse)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
