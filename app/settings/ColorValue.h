#pragma once

#include <QColor>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

class QPalette;

namespace quendry {

// A pane colour as the settings store keeps it: a 32-bit value whose low byte is red, then green,
// then blue, top byte 0; a top byte of 255 marks a desktop (system) colour whose number is in the
// low byte; two special values stand for no colour and for the default colour. Its text form is
// one of 52 names ("clBlue", "clWindowText", ...) or "$" and eight upper-case hexadecimal digits,
// top byte first ("$00563412" is red 18, green 52, blue 86).
class ColorValue {
public:
    static constexpr std::uint32_t noneValue = 0x1FFFFFFF;
    static constexpr std::uint32_t defaultValue = 0x20000000;
    static constexpr std::uint32_t systemFlag = 0xFF000000;
    static constexpr int windowTextNumber = 8;

    static ColorValue fromRgb(int red, int green, int blue);
    // The colour's red, green and blue; alpha is dropped.
    static ColorValue fromColor(const QColor& color);
    // The desktop's colour for text in windows, the panes' fallback.
    static ColorValue windowText();

    // Reads a name (compared without regard to case) or a number, decimal or after "$" in
    // hexadecimal. Nothing when the text is neither, or when the number is no colour of the
    // layout above.
    static std::optional<ColorValue> fromText(QStringView text);
    // The first matching name, otherwise "$" and eight hexadecimal digits.
    QString toText() const;

    // The colour to paint with. Desktop colours, "clNone" and "clDefault" take their colour from
    // the palette, so they follow the theme.
    QColor toColor(const QPalette& palette) const;
    // True for values whose colour comes from the palette.
    bool followsPalette() const;

    std::uint32_t value() const { return m_value; }
    bool operator==(const ColorValue&) const = default;

private:
    explicit ColorValue(std::uint32_t value)
        : m_value(value)
    {
    }
    static bool isValid(std::uint32_t value);

    std::uint32_t m_value;
};

} // namespace quendry
