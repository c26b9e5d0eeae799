#include "samples/EditSampleDialog.h"

#include "app/shell/MessageBox.h"
#include "samples/SampleEditor.h"
#include "samples/SampleStore.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace quendry {

EditSampleDialog::EditSampleDialog(const SampleStore& store, SettingsStore& settings, const QString& name,
    QWidget* parent)
    : QDialog(parent)
    , m_store(store)
    , m_placement(settings, Setting::EditSampleLeft, Setting::EditSampleTop, Setting::EditSampleWidth,
          Setting::EditSampleHeight)
    , m_name(name)
    , m_editor(new SampleEditor(this))
{
    setObjectName(QStringLiteral("editSampleDialog"));
    setWindowTitle(QStringLiteral("Sample Editing"));
    setMinimumSize(minimumWidth, minimumHeight);

    m_editor->setObjectName(QStringLiteral("sampleEditor"));
    m_editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_editor->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    auto* bottom = new QWidget(this);
    bottom->setFixedHeight(41);
    auto* bottomLayout = new QHBoxLayout(bottom);
    bottomLayout->setContentsMargins(8, 8, 8, 8);
    auto* saveButton = new QPushButton(QStringLiteral("Save"), bottom);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    auto* closeButton = new QPushButton(QStringLiteral("Close"), bottom);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    for (QPushButton* button : {saveButton, closeButton}) {
        button->setFixedSize(75, 25);
        button->setAutoDefault(false);
    }
    bottomLayout->addWidget(saveButton);
    bottomLayout->addStretch(1);
    bottomLayout->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_editor, 1);
    layout->addWidget(bottom);

    connect(saveButton, &QPushButton::clicked, this, &EditSampleDialog::save);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    m_placement.restore(*this, designPosition);
}

std::optional<QString> EditSampleDialog::load()
{
    const TextFileReader::Result result = m_store.read(m_name, *m_editor->document());
    if (result.error)
        return result.error;
    m_editor->document()->clearUndoRedoStacks();
    m_editor->document()->setModified(false);
    // "Save" would replace the file with the part that could be read: say so before.
    if (result.incomplete) {
        MessageBox::warning(parentWidget(),
            *result.incomplete + QStringLiteral("\n\nThe editor shows the text that could be read; \"Save\" replaces "
                                                "the file with it."));
    }
    return std::nullopt;
}

void EditSampleDialog::save()
{
    // A failed write keeps the window open with the edited text, so the edits are not lost.
    if (const auto error = m_store.write(m_name, *m_editor->document())) {
        MessageBox::error(this, *error);
        return;
    }
    MessageBox::information(this, QStringLiteral("Saved successfully."));
    accept();
}

void EditSampleDialog::done(int result)
{
    m_placement.store(*this);
    QDialog::done(result);
}

} // namespace quendry
