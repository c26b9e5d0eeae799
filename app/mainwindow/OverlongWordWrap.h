#pragma once

#include <QObject>
#include <QStringView>

class QTextEdit;

namespace quendry {

// Keeps an editor responsive with text that has nowhere to break a line. Wrapping at word
// boundaries looks, for every line it makes, for the end of the word it is in, so one unbroken
// run of n characters costs time in proportion to n squared (a million characters: minutes).
// While the editor's text holds a run of more than overlongRun characters without a blank, the
// editor wraps anywhere instead, which costs time in proportion to n; it goes back to word
// boundaries once no such run is left. The check runs on each change, before the text is laid out.
class OverlongWordWrap : public QObject {
    Q_OBJECT

public:
    // Far longer than any word, and short enough that a text full of such runs still lays out in
    // well under a second at word boundaries.
    static constexpr qsizetype overlongRun = 1000;

    // Watches the editor's document; the editor owns the watcher.
    explicit OverlongWordWrap(QTextEdit* editor);

    static bool hasOverlongRun(QStringView text);

private:
    void contentsChanged(int position, int removed, int added);
    bool documentHasOverlongRun(int from, int to) const;
    void setWrapAnywhere(bool anywhere);

    QTextEdit* m_editor;
};

} // namespace quendry
