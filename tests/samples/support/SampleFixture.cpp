#include "tests/samples/support/SampleFixture.h"

#include "app/mainwindow/TextPane.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>
#include <QTextEdit>

namespace quendry::test {

SampleFixture::SampleFixture(GuiTestFolder::Dictionary dictionary)
    : m_folder(dictionary)
    , m_application(std::make_unique<Application>(m_folder.settings(), m_folder.folder()))
{
}

SampleFixture::~SampleFixture() = default;

QTextEdit& SampleFixture::editor(Pane pane) const
{
    return *m_application->window().pane(pane).editor();
}

QString SampleFixture::paneText(Pane pane) const
{
    return editor(pane).toPlainText();
}

void SampleFixture::setPaneText(Pane pane, const QString& text)
{
    editor(pane).setPlainText(text);
}

void SampleFixture::writeSampleFile(const QString& fileName, const QByteArray& bytes)
{
    QDir(m_folder.folder().path()).mkpath(SampleStore::folderName());
    QFile file(samplePath(fileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write a sample file");
}

QString SampleFixture::samplePath(const QString& fileName) const
{
    return store().folderPath() + QLatin1Char('/') + fileName;
}

bool SampleFixture::sampleFileExists(const QString& fileName) const
{
    return QFileInfo::exists(samplePath(fileName));
}

QByteArray SampleFixture::sampleFile(const QString& fileName) const
{
    QFile file(samplePath(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString SampleFixture::sampleText(const QString& name) const
{
    QTextDocument document;
    if (store().load(name, document))
        return QStringLiteral("<cannot load>");
    return document.toPlainText();
}

} // namespace quendry::test
