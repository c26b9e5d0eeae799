#pragma once

#include <QStringList>
#include <QTextEdit>

namespace quendry {

// The rich-text editor of a pane. Files dropped onto it (or pasted as files from a file manager)
// are not inserted as their names: the editor hands them on with filesDropped, and the pane opens
// them. Everything else is inserted as QTextEdit does.
class PaneEditor : public QTextEdit {
    Q_OBJECT

public:
    explicit PaneEditor(QWidget* parent = nullptr);

    // The local files a drop or paste carries, empty when it carries none.
    static QStringList localFiles(const QMimeData* source);

signals:
    void filesDropped(const QStringList& paths);

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

} // namespace quendry
