#include "samples/SaveSampleDialog.h"

#include "app/shell/MessageBox.h"
#include "samples/SampleName.h"
#include "samples/SampleStore.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quendry {

SaveSampleDialog::SaveSampleDialog(const SampleStore& store, SettingsStore& settings, const QTextDocument& source,
    QWidget* parent)
    : QDialog(parent)
    , m_store(store)
    , m_source(source)
    , m_placement(settings, Setting::SaveSampleLeft, Setting::SaveSampleTop)
    , m_name(new QLineEdit(this))
{
    setObjectName(QStringLiteral("saveSampleDialog"));
    setWindowTitle(caption());

    m_name->setObjectName(QStringLiteral("nameEdit"));
    m_name->setFixedWidth(325);

    auto* okButton = new QPushButton(QStringLiteral("Ok"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    auto* closeButton = new QPushButton(QStringLiteral("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(okButton);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_name);
    layout->addLayout(buttons);

    connect(okButton, &QPushButton::clicked, this, &SaveSampleDialog::save);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    m_placement.restore(*this, designPosition);
    m_name->setFocus();
}

void SaveSampleDialog::save()
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
    if (m_store.exists(name)) {
        MessageBox::information(this, QStringLiteral("Sample with that name already exists."));
        return;
    }
    if (const auto error = m_store.write(name, m_source)) {
        // The text is still in its pane; the reason helps the user choose what to do.
        MessageBox::error(this, QStringLiteral("Sample cannot be saved.\n\n") + *error);
        reject();
        return;
    }
    MessageBox::information(this, QStringLiteral("Sample saved successfully."));
    accept();
}

void SaveSampleDialog::done(int result)
{
    m_placement.store(*this);
    QDialog::done(result);
}

} // namespace quendry
