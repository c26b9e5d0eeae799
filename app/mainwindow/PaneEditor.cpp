#include "app/mainwindow/PaneEditor.h"

#include <QMimeData>
#include <QUrl>

namespace quendry {

PaneEditor::PaneEditor(QWidget* parent)
    : QTextEdit(parent)
{
}

QStringList PaneEditor::localFiles(const QMimeData* source)
{
    QStringList files;
    if (!source || !source->hasUrls())
        return files;
    for (const QUrl& url : source->urls()) {
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    }
    return files;
}

bool PaneEditor::canInsertFromMimeData(const QMimeData* source) const
{
    return !localFiles(source).isEmpty() || QTextEdit::canInsertFromMimeData(source);
}

void PaneEditor::insertFromMimeData(const QMimeData* source)
{
    const QStringList files = localFiles(source);
    if (files.isEmpty()) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    emit filesDropped(files);
}

} // namespace quendry
