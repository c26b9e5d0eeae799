#pragma once

#include <QPalette>
#include <QString>
#include <QStringList>

namespace quendry {

// The appearance themes. "Classic" is the plain look the program starts with (the desktop's own
// style and palette); the other themes are built in and change the style and palette of the whole
// application.
class ThemeManager {
public:
    static QString classicName();

    // Remembers the plain look; create it before any theme is applied.
    ThemeManager();

    // The names the selector offers after "Classic".
    QStringList themeNames() const;
    bool hasTheme(const QString& name) const;

    // Applies a theme by name; "Classic", an empty name or an unknown one give the plain look.
    // Returns the name of the theme now active, "" for the plain look.
    QString apply(const QString& name);
    QString activeTheme() const { return m_active; }

private:
    QString m_classicStyle;
    QPalette m_classicPalette;
    QString m_active;
};

} // namespace quendry
