#include "samples/SampleLibrary.h"

#include "app/shell/MessageBox.h"
#include "samples/RankingDialog.h"
#include "samples/SampleName.h"
#include "samples/SaveSampleDialog.h"
#include "samples/SamplesDialog.h"

#include <QTextDocument>

namespace quendry {

SampleLibrary::SampleLibrary(SettingsStore& settings, ProgramFolder folder, const Analyzer& analyzer, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_store(std::move(folder))
    , m_analyzer(analyzer)
{
}

void SampleLibrary::openSamples(QWidget* parent)
{
    SamplesDialog dialog(*this, parent);
    dialog.exec();
}

void SampleLibrary::saveSampleAs(const QTextDocument& paneText, QWidget* parent)
{
    SaveSampleDialog dialog(m_store, m_settings, paneText, parent);
    dialog.exec();
}

std::optional<QString> SampleLibrary::rankAgainstSamples(std::string questionedText,
    std::filesystem::path dictionaryPath, RankingProgress progress, QWidget* parent)
{
    const SampleStore::Listing listing = m_store.list();
    if (listing.error) {
        MessageBox::error(parent, *listing.error);
        return std::nullopt;
    }
    std::vector<RankingTask::Sample> samples;
    for (const QString& name : listing.names) {
        // A listed file whose name has no exact ".tqd" cannot be put into a pane; it is not ranked.
        if (m_store.exists(name))
            samples.push_back({name, m_store.filePath(name).toStdString()});
    }
    if (samples.empty()) {
        MessageBox::information(parent, emptyLibraryMessage());
        return std::nullopt;
    }
    RankingDialog dialog(m_analyzer, std::move(questionedText), std::move(samples), std::move(dictionaryPath),
        progress, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenSample().isEmpty())
        return std::nullopt;
    if (!putIntoPane(dialog.chosenSample(), Pane::Lower, parent))
        return std::nullopt;
    return dialog.chosenSample();
}

QString SampleLibrary::unchangedSample(Pane pane, const QString& paneText) const
{
    const QString name = m_remembered.name(pane);
    if (name.isEmpty() || !m_store.exists(name))
        return {};
    QTextDocument sample;
    if (m_store.load(name, sample))
        return {};
    const QString sampleText = SampleName::trimmed(sample.toPlainText());
    return !sampleText.isEmpty() && sampleText == SampleName::trimmed(paneText) ? name : QString();
}

bool SampleLibrary::putIntoPane(const QString& name, Pane pane, QWidget* parent)
{
    if (const auto error = m_store.ensureFolder()) {
        MessageBox::error(parent, *error);
        return false;
    }
    if (!m_store.exists(name))
        return false;
    // Read whole before anything is sent, so a failure leaves the pane as it was.
    QTextDocument text;
    const TextFileReader::Result result = m_store.read(name, text);
    if (result.error) {
        MessageBox::error(parent, *result.error);
        return false;
    }
    emit putTextInPane(pane, &text);
    m_remembered.remember(pane, name);
    if (result.incomplete)
        MessageBox::warning(parent, *result.incomplete + QStringLiteral("\n\nThe pane shows the text that could be read."));
    return true;
}

std::optional<QString> SampleLibrary::renameSample(const QString& name, const QString& newName)
{
    if (auto error = m_store.rename(name, newName))
        return error;
    for (const Pane pane : {Pane::Upper, Pane::Lower}) {
        if (m_remembered.name(pane) == name)
            m_remembered.remember(pane, newName);
    }
    return std::nullopt;
}

} // namespace quendry
