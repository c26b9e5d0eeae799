#include "samples/CreateSampleDialog.h"

#include "app/shell/MessageBox.h"
#include "samples/SampleEditor.h"
#include "samples/SampleName.h"
#include "samples/SampleStore.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quendry {

CreateSampleDialog::CreateSampleDialog(const SampleStore& store, SettingsStore& settings, QWidget* parent)
    : QDialog(parent)
    , m_store(store)
    , m_placement(settings, Setting::CreateSampleLeft, Setting::CreateSampleTop, Setting::CreateSampleWidth,
          Setting::CreateSampleHeight)
    , m_name(new QLineEdit(this))
    , m_editor(new SampleEditor(this))
{
    setObjectName(QStringLiteral("createSampleDialog"));
    setWindowTitle(QStringLiteral("Create sample"));

    auto* top = new QWidget(this);
    top->setFixedHeight(65);
    auto* topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(8, 8, 8, 8);
    auto* label = new QLabel(QStringLiteral("Sample name:"), top);
    m_name->setObjectName(QStringLiteral("nameEdit"));
    label->setBuddy(m_name);
    topLayout->addWidget(label);
    topLayout->addWidget(m_name);

    m_editor->setObjectName(QStringLiteral("sampleEditor"));
    m_editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_editor->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    auto* bottom = new QWidget(this);
    bottom->setFixedHeight(41);
    auto* bottomLayout = new QHBoxLayout(bottom);
    bottomLayout->setContentsMargins(8, 8, 8, 8);
    auto* saveButton = new QPushButton(QStringLiteral("Save"), bottom);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    auto* exitButton = new QPushButton(QStringLiteral("Exit"), bottom);
    exitButton->setObjectName(QStringLiteral("exitButton"));
    for (QPushButton* button : {saveButton, exitButton}) {
        button->setFixedSize(75, 25);
        button->setAutoDefault(false);
    }
    bottomLayout->addWidget(saveButton);
    bottomLayout->addStretch(1);
    bottomLayout->addWidget(exitButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(top);
    layout->addWidget(m_editor, 1);
    layout->addWidget(bottom);

    connect(saveButton, &QPushButton::clicked, this, &CreateSampleDialog::save);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);

    m_placement.restore(*this, designPosition);
}

void CreateSampleDialog::save()
{
    const QString name = SampleName::trimmed(m_name->text());
    if (name.isEmpty())
        return;
    if (const auto problem = SampleName::problem(name)) {
        MessageBox::warning(this, *problem);
        return;
    }
    if (const auto error = m_store.ensureFolder()) {
        MessageBox::error(this, *error);
        return;
    }
    if (m_store.exists(name)
        && MessageBox::askYesNo(this, QStringLiteral("Sample with that name already exists. Replace?"),
               QStringLiteral("Question"))
            != MessageBox::Button::Yes) {
        return;
    }
    // A failed write keeps the window open with the text, so nothing the user typed is lost.
    if (const auto error = m_store.write(name, *m_editor->document())) {
        MessageBox::error(this, *error);
        return;
    }
    MessageBox::information(this, QStringLiteral("Saved successfully."));
    m_savedName = name;
    accept();
}

void CreateSampleDialog::done(int result)
{
    m_placement.store(*this);
    QDialog::done(result);
}

} // namespace quendry
