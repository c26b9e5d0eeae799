#include "app/mainwindow/OverlongWordWrap.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

namespace quendry {

OverlongWordWrap::OverlongWordWrap(QTextEdit* editor)
    : QObject(editor)
    , m_editor(editor)
{
    connect(editor->document(), &QTextDocument::contentsChange, this, &OverlongWordWrap::contentsChanged);
    setWrapAnywhere(documentHasOverlongRun(0, editor->document()->characterCount()));
}

bool OverlongWordWrap::hasOverlongRun(QStringView text)
{
    qsizetype run = 0;
    for (const QChar c : text) {
        if (c.isSpace()) {
            run = 0;
        } else if (++run > overlongRun) {
            return true;
        }
    }
    return false;
}

void OverlongWordWrap::contentsChanged(int position, int removed, int added)
{
    const bool anywhere = m_editor->wordWrapMode() == QTextOption::WrapAnywhere;
    if (!anywhere) {
        // Only the paragraphs that changed can have gained a run.
        if (documentHasOverlongRun(position, position + added))
            setWrapAnywhere(true);
    } else if (removed > 0) {
        // A run may have gone anywhere in the text.
        if (!documentHasOverlongRun(0, m_editor->document()->characterCount()))
            setWrapAnywhere(false);
    }
}

bool OverlongWordWrap::documentHasOverlongRun(int from, int to) const
{
    const QTextDocument* document = m_editor->document();
    const QTextBlock last = document->findBlock(to);
    for (QTextBlock block = document->findBlock(from); block.isValid(); block = block.next()) {
        if (block.length() > overlongRun && hasOverlongRun(block.text()))
            return true;
        if (last.isValid() && block == last)
            break;
    }
    return false;
}

void OverlongWordWrap::setWrapAnywhere(bool anywhere)
{
    m_editor->setWordWrapMode(anywhere ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere);
}

} // namespace quendry
