#pragma once

#include "app/settings/ColorValue.h"

#include <QColor>
#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QPushButton;

namespace quendry {

class SettingsStore;
class TextPane;

// The Settings window: the history switch, the panes' text colours, and the way to the history.
// It reads the values afresh when it opens and writes them only on "Save"; its position is kept
// under "SET" whichever way it closes.
class SettingsDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int clientWidth = 229;
    static constexpr int clientHeight = 246;
    static constexpr QPoint designPosition{405, 270};

    // Picks a colour, starting from the given one; nothing when the user cancels.
    using ColorChooser = std::function<std::optional<QColor>(const QColor& initial, QWidget* parent)>;

    SettingsDialog(SettingsStore& settings, TextPane& upperPane, TextPane& lowerPane, QWidget* parent = nullptr);

    // Tests pick colours without the desktop's dialog.
    void setColorChooser(ColorChooser chooser) { m_chooseColor = std::move(chooser); }

    ColorValue upperColor() const { return m_upperColor; }
    ColorValue lowerColor() const { return m_lowerColor; }

    void done(int result) override;

signals:
    // "History": the History window is to open above this one.
    void historyViewerRequested();
    // "Clear History": the history file is to be emptied at once, without a question.
    void historyClearRequested();

private:
    void save();
    void fontColorToggled(bool on);
    void chooseColor(ColorValue& color, QPushButton* button);
    void showColor(QPushButton* button, ColorValue color);

    SettingsStore& m_settings;
    TextPane& m_upperPane;
    TextPane& m_lowerPane;
    ColorChooser m_chooseColor;

    QCheckBox* m_historyCheck;
    QCheckBox* m_fontColorCheck;
    QPushButton* m_upperColorButton;
    QPushButton* m_lowerColorButton;
    ColorValue m_upperColor;
    ColorValue m_lowerColor;
};

} // namespace quendry
