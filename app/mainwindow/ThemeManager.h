#pragma once

#include <QString>
#include <QStringList>

namespace quendry {

// The appearance themes. "Classic" is the plain look the program starts with (the desktop's own
// style and palette); the other themes are built in and change the style and palette of the whole
// application. Style and palette belong to the application, so the plain look is remembered once
// per process, before the first theme is applied.
class ThemeManager {
public:
    static QString classicName();

    ThemeManager();

    // The names the selector offers after "Classic".
    QStringList themeNames() const;
    bool hasTheme(const QString& name) const;

    // Applies a theme by name; "Classic", an empty name or an unknown one give the plain look.
    // Returns the name of the theme now active, "" for the plain look.
    QString apply(const QString& name);
    QString activeTheme() const { return m_active; }

private:
    QString m_active;
};

} // namespace quendry
