#include "app/settings/ColorValue.h"

#include <QPalette>

#include <array>

namespace quendry {
namespace {

constexpr std::uint32_t rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    return red | (green << 8) | (blue << 16);
}

constexpr std::uint32_t system(std::uint32_t number)
{
    return ColorValue::systemFlag | number;
}

struct NamedColor {
    const char* name;
    std::uint32_t value;
};

// The named colours in the order that decides which name a value is written with.
constexpr std::array<NamedColor, 52> namedColors{{
    {"clBlack", rgb(0, 0, 0)},
    {"clMaroon", rgb(128, 0, 0)},
    {"clGreen", rgb(0, 128, 0)},
    {"clOlive", rgb(128, 128, 0)},
    {"clNavy", rgb(0, 0, 128)},
    {"clPurple", rgb(128, 0, 128)},
    {"clTeal", rgb(0, 128, 128)},
    {"clGray", rgb(128, 128, 128)},
    {"clSilver", rgb(192, 192, 192)},
    {"clRed", rgb(255, 0, 0)},
    {"clLime", rgb(0, 255, 0)},
    {"clYellow", rgb(255, 255, 0)},
    {"clBlue", rgb(0, 0, 255)},
    {"clFuchsia", rgb(255, 0, 255)},
    {"clAqua", rgb(0, 255, 255)},
    {"clWhite", rgb(255, 255, 255)},
    {"clMoneyGreen", rgb(192, 220, 192)},
    {"clSkyBlue", rgb(166, 202, 240)},
    {"clCream", rgb(255, 251, 240)},
    {"clMedGray", rgb(160, 160, 164)},
    {"clActiveBorder", system(10)},
    {"clActiveCaption", system(2)},
    {"clAppWorkSpace", system(12)},
    {"clBackground", system(1)},
    {"clBtnFace", system(15)},
    {"clBtnHighlight", system(20)},
    {"clBtnShadow", system(16)},
    {"clBtnText", system(18)},
    {"clCaptionText", system(9)},
    {"clDefault", ColorValue::defaultValue},
    {"clGradientActiveCaption", system(27)},
    {"clGradientInactiveCaption", system(28)},
    {"clGrayText", system(17)},
    {"clHighlight", system(13)},
    {"clHighlightText", system(14)},
    {"clHotLight", system(26)},
    {"clInactiveBorder", system(11)},
    {"clInactiveCaption", system(3)},
    {"clInactiveCaptionText", system(19)},
    {"clInfoBk", system(24)},
    {"clInfoText", system(23)},
    {"clMenu", system(4)},
    {"clMenuBar", system(30)},
    {"clMenuHighlight", system(29)},
    {"clMenuText", system(7)},
    {"clNone", ColorValue::noneValue},
    {"clScrollBar", system(0)},
    {"cl3DDkShadow", system(21)},
    {"cl3DLight", system(22)},
    {"clWindow", system(5)},
    {"clWindowFrame", system(6)},
    {"clWindowText", system(8)},
}};

struct SystemRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The palette entry that plays the part of each desktop colour number.
std::optional<SystemRole> systemRole(std::uint32_t number)
{
    using P = QPalette;
    switch (number) {
    case 0: return SystemRole{P::Active, P::Button};           // scroll bar
    case 1: return SystemRole{P::Active, P::Window};           // desktop background
    case 2: return SystemRole{P::Active, P::Highlight};        // active caption
    case 3: return SystemRole{P::Active, P::Mid};              // inactive caption
    case 4: return SystemRole{P::Active, P::Window};           // menu
    case 5: return SystemRole{P::Active, P::Base};             // window
    case 6: return SystemRole{P::Active, P::Shadow};           // window frame
    case 7: return SystemRole{P::Active, P::WindowText};       // menu text
    case 8: return SystemRole{P::Active, P::Text};             // window text
    case 9: return SystemRole{P::Active, P::HighlightedText};  // caption text
    case 10: return SystemRole{P::Active, P::Window};          // active border
    case 11: return SystemRole{P::Active, P::Window};          // inactive border
    case 12: return SystemRole{P::Active, P::Mid};             // application work space
    case 13: return SystemRole{P::Active, P::Highlight};       // highlight
    case 14: return SystemRole{P::Active, P::HighlightedText}; // highlighted text
    case 15: return SystemRole{P::Active, P::Button};          // button face
    case 16: return SystemRole{P::Active, P::Dark};            // button shadow
    case 17: return SystemRole{P::Disabled, P::Text};          // grey text
    case 18: return SystemRole{P::Active, P::ButtonText};      // button text
    case 19: return SystemRole{P::Inactive, P::WindowText};    // inactive caption text
    case 20: return SystemRole{P::Active, P::Light};           // button highlight
    case 21: return SystemRole{P::Active, P::Shadow};          // 3-D dark shadow
    case 22: return SystemRole{P::Active, P::Midlight};        // 3-D light
    case 23: return SystemRole{P::Active, P::ToolTipText};     // info text
    case 24: return SystemRole{P::Active, P::ToolTipBase};     // info background
    case 26: return SystemRole{P::Active, P::Link};            // hot-tracked item
    case 27: return SystemRole{P::Active, P::Highlight};       // gradient active caption
    case 28: return SystemRole{P::Active, P::Midlight};        // gradient inactive caption
    case 29: return SystemRole{P::Active, P::Highlight};       // menu highlight
    case 30: return SystemRole{P::Active, P::Window};          // menu bar
    default: return std::nullopt;
    }
}

// Decimal, with an optional sign, or "$" and hexadecimal digits; the number must fit 32 bits,
// signed or unsigned.
std::optional<std::uint32_t> parseNumber(QStringView text)
{
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    if (text.front() == QLatin1Char('$')) {
        const QStringView digits = text.mid(1);
        if (digits.isEmpty() || digits.front() == QLatin1Char('+') || digits.front() == QLatin1Char('-'))
            return std::nullopt;
        const qulonglong value = digits.toULongLong(&ok, 16);
        if (!ok || value > 0xFFFFFFFFULL)
            return std::nullopt;
        return static_cast<std::uint32_t>(value);
    }
    const qlonglong value = text.toLongLong(&ok, 10);
    if (!ok || value < -0x80000000LL || value > 0xFFFFFFFFLL)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

} // namespace

ColorValue ColorValue::fromRgb(int red, int green, int blue)
{
    return ColorValue(rgb(static_cast<std::uint32_t>(red & 0xFF), static_cast<std::uint32_t>(green & 0xFF),
        static_cast<std::uint32_t>(blue & 0xFF)));
}

ColorValue ColorValue::fromColor(const QColor& color)
{
    const QColor asRgb = color.toRgb();
    return fromRgb(asRgb.red(), asRgb.green(), asRgb.blue());
}

ColorValue ColorValue::windowText()
{
    return ColorValue(system(windowTextNumber));
}

bool ColorValue::isValid(std::uint32_t value)
{
    if (value == noneValue || value == defaultValue)
        return true;
    const std::uint32_t top = value & 0xFF000000;
    if (top == 0)
        return true;
    return top == systemFlag && (value & 0x00FFFF00) == 0 && systemRole(value & 0xFF).has_value();
}

std::optional<ColorValue> ColorValue::fromText(QStringView text)
{
    for (const NamedColor& named : namedColors) {
        if (text.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0)
            return ColorValue(named.value);
    }
    const auto number = parseNumber(text);
    if (!number || !isValid(*number))
        return std::nullopt;
    return ColorValue(*number);
}

QString ColorValue::toText() const
{
    for (const NamedColor& named : namedColors) {
        if (named.value == m_value)
            return QString::fromLatin1(named.name);
    }
    return QStringLiteral("$%1").arg(m_value, 8, 16, QLatin1Char('0')).toUpper();
}

bool ColorValue::followsPalette() const
{
    return (m_value & 0xFF000000) != 0;
}

QColor ColorValue::toColor(const QPalette& palette) const
{
    if (m_value == noneValue || m_value == defaultValue)
        return palette.color(QPalette::Active, QPalette::Text);
    if ((m_value & 0xFF000000) == systemFlag) {
        if (const auto entry = systemRole(m_value & 0xFF))
            return palette.color(entry->group, entry->role);
        return palette.color(QPalette::Active, QPalette::Text);
    }
    return QColor(static_cast<int>(m_value & 0xFF), static_cast<int>((m_value >> 8) & 0xFF),
        static_cast<int>((m_value >> 16) & 0xFF));
}

} // namespace quendry
