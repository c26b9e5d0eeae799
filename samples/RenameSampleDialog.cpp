#include "samples/RenameSampleDialog.h"

#include "app/shell/MessageBox.h"
#include "samples/SampleLibrary.h"
#include "samples/SampleName.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quendry {

RenameSampleDialog::RenameSampleDialog(SampleLibrary& library, const QString& name, QWidget* parent)
    : QDialog(parent)
    , m_library(library)
    , m_name(name)
    , m_edit(new QLineEdit(name, this))
{
    setObjectName(QStringLiteral("renameSampleDialog"));
    setWindowTitle(QStringLiteral("Rename sample"));
    m_edit->setObjectName(QStringLiteral("nameEdit"));
    m_edit->setMinimumWidth(325);
    m_edit->selectAll();

    auto* label = new QLabel(QStringLiteral("New name:"), this);
    label->setBuddy(m_edit);
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
    layout->addWidget(label);
    layout->addWidget(m_edit);
    layout->addLayout(buttons);

    connect(okButton, &QPushButton::clicked, this, &RenameSampleDialog::rename);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    m_edit->setFocus();
}

void RenameSampleDialog::rename()
{
    const QString name = SampleName::trimmed(m_edit->text());
    if (name.isEmpty())
        return;
    if (name == m_name) {
        reject();
        return;
    }
    if (const auto problem = SampleName::problem(name)) {
        MessageBox::warning(this, *problem);
        return;
    }
    if (const auto error = m_library.renameSample(m_name, name)) {
        MessageBox::error(this, *error);
        return;
    }
    m_name = name;
    accept();
}

} // namespace quendry
