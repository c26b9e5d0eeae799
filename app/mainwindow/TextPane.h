#pragma once

#include "app/mainwindow/Pane.h"
#include "app/settings/ColorValue.h"

#include <QWidget>

#include <optional>

class QAction;
class QMenu;
class QTextDocument;
class QTextEdit;
class QToolBar;

namespace quendry {

// One text pane of the main window: a rich-text editor with its toolbar (clear, copy, paste, undo,
// open, save as, save as sample) and its context menu. The pane keeps its text colour as a
// ColorValue so that a desktop colour follows the theme. Files dropped onto the editor are opened
// as by "Open...".
class TextPane : public QWidget {
    Q_OBJECT

public:
    static constexpr int toolbarHeight = 29;

    explicit TextPane(Pane pane, QWidget* parent = nullptr);

    Pane pane() const { return m_pane; }
    QTextEdit* editor() const { return m_editor; }
    QTextDocument* document() const;

    // The colour of text that carries no colour of its own.
    ColorValue textColor() const { return m_textColor; }
    void setTextColor(ColorValue color);
    // Takes a desktop colour afresh from the application's palette, as after a change of theme.
    // The pane also does so by itself when the palette-change event reaches it.
    void refreshTextColor() { applyTextColor(); }

    // The context menu, built afresh; the caller owns it.
    QMenu* createContextMenu();

    // Empties the pane as one edit that can be undone.
    void clearText();
    // Replaces the pane's whole content with the document's, text and formatting, as one edit that
    // can be undone.
    void replaceContent(const QTextDocument& source);
    // Reads a text file (TextFileReader) and puts it into the pane as one edit that can be undone.
    // A file that cannot be read leaves the pane as it was; the user is told, with the file's name,
    // also when it could be read only in part. False when nothing was put into the pane.
    bool openFile(const QString& path);
    // "Open...": asks for a file and opens it.
    void chooseFileToOpen();
    // "Save as...": asks for a file name and writes the pane there: rich text for a name ending in
    // ".rtf", UTF-8 plain text otherwise. Failures are shown with the file's name.
    void chooseFileToSave();
    // Writes the pane to the file as chooseFileToSave does; the error names the file.
    std::optional<QString> saveToFile(const QString& path) const;
    // Puts the selection on the clipboard as plain text only; no selection gives an empty text.
    void copySelectionAsPlainText();
    // Removes the selection without touching the clipboard.
    void deleteSelection();

signals:
    void saveSampleRequested(Pane pane);

protected:
    void changeEvent(QEvent* event) override;

private:
    void showContextMenu(const QPoint& position);
    void openDroppedFiles(const QStringList& paths);
    void applyTextColor();
    QAction* addToolbarAction(const QIcon& icon, const QString& hint, const QString& objectName);

    Pane m_pane;
    QToolBar* m_toolbar;
    QTextEdit* m_editor;
    QAction* m_openAction = nullptr;
    QAction* m_saveAsAction = nullptr;
    ColorValue m_textColor = ColorValue::windowText();
};

} // namespace quendry
