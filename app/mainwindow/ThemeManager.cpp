#include "app/mainwindow/ThemeManager.h"

#include <QApplication>
#include <QStyle>

namespace quendry {
namespace {

const QString lightName = QStringLiteral("Light");
const QString darkName = QStringLiteral("Dark");

QPalette lightPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(240, 240, 243));
    palette.setColor(QPalette::WindowText, QColor(25, 25, 30));
    palette.setColor(QPalette::Base, QColor(255, 255, 255));
    palette.setColor(QPalette::AlternateBase, QColor(246, 246, 250));
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, QColor(25, 25, 30));
    palette.setColor(QPalette::PlaceholderText, QColor(140, 140, 150));
    palette.setColor(QPalette::Text, QColor(20, 20, 25));
    palette.setColor(QPalette::Button, QColor(232, 232, 238));
    palette.setColor(QPalette::ButtonText, QColor(25, 25, 30));
    palette.setColor(QPalette::BrightText, Qt::red);
    palette.setColor(QPalette::Light, QColor(255, 255, 255));
    palette.setColor(QPalette::Midlight, QColor(222, 222, 230));
    palette.setColor(QPalette::Mid, QColor(180, 180, 190));
    palette.setColor(QPalette::Dark, QColor(150, 150, 160));
    palette.setColor(QPalette::Shadow, QColor(90, 90, 100));
    palette.setColor(QPalette::Highlight, QColor(48, 120, 215));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(30, 100, 200));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(150, 150, 160));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(150, 150, 160));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(150, 150, 160));
    return palette;
}

QPalette darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(45, 47, 52));
    palette.setColor(QPalette::WindowText, QColor(225, 225, 230));
    palette.setColor(QPalette::Base, QColor(30, 31, 35));
    palette.setColor(QPalette::AlternateBase, QColor(40, 42, 47));
    palette.setColor(QPalette::ToolTipBase, QColor(60, 62, 68));
    palette.setColor(QPalette::ToolTipText, QColor(230, 230, 235));
    palette.setColor(QPalette::PlaceholderText, QColor(130, 130, 140));
    palette.setColor(QPalette::Text, QColor(225, 225, 230));
    palette.setColor(QPalette::Button, QColor(55, 58, 64));
    palette.setColor(QPalette::ButtonText, QColor(225, 225, 230));
    palette.setColor(QPalette::BrightText, QColor(255, 90, 90));
    palette.setColor(QPalette::Light, QColor(75, 78, 85));
    palette.setColor(QPalette::Midlight, QColor(62, 65, 72));
    palette.setColor(QPalette::Mid, QColor(40, 42, 47));
    palette.setColor(QPalette::Dark, QColor(25, 26, 30));
    palette.setColor(QPalette::Shadow, QColor(10, 10, 12));
    palette.setColor(QPalette::Highlight, QColor(60, 130, 220));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(110, 170, 255));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(115, 115, 125));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(115, 115, 125));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(115, 115, 125));
    return palette;
}

} // namespace

QString ThemeManager::classicName()
{
    return QStringLiteral("Classic");
}

namespace {

struct ClassicLook {
    QString style;
    QPalette palette;
};

const ClassicLook& classicLook()
{
    static const ClassicLook look{QApplication::style() ? QApplication::style()->name() : QString(),
        QApplication::palette()};
    return look;
}

} // namespace

ThemeManager::ThemeManager()
{
    classicLook();
}

QStringList ThemeManager::themeNames() const
{
    return {lightName, darkName};
}

bool ThemeManager::hasTheme(const QString& name) const
{
    return themeNames().contains(name);
}

QString ThemeManager::apply(const QString& name)
{
    const QString wanted = hasTheme(name) ? name : QString();
    if (wanted.isEmpty()) {
        const ClassicLook& look = classicLook();
        if (!look.style.isEmpty())
            QApplication::setStyle(look.style);
        QApplication::setPalette(look.palette);
    } else {
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(wanted == darkName ? darkPalette() : lightPalette());
    }
    m_active = wanted;
    return m_active;
}

} // namespace quendry
