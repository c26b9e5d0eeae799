#include "app/settings/SettingsDialog.h"

#include "app/mainwindow/TextPane.h"
#include "app/settings/SettingsStore.h"
#include "app/shell/WindowPlacement.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace quendry {
namespace {

QPushButton* makeButton(const QString& caption, const QString& objectName, QSize size, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setFixedSize(size);
    button->setAutoDefault(false);
    return button;
}

std::optional<QColor> askDesktopForColor(const QColor& initial, QWidget* parent)
{
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

} // namespace

SettingsDialog::SettingsDialog(SettingsStore& settings, TextPane& upperPane, TextPane& lowerPane, QWidget* parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_upperPane(upperPane)
    , m_lowerPane(lowerPane)
    , m_chooseColor(askDesktopForColor)
    , m_historyCheck(new QCheckBox(QStringLiteral("History comparisons"), this))
    , m_fontColorCheck(new QCheckBox(QStringLiteral("Font color"), this))
    , m_upperColorButton(makeButton(QStringLiteral("In the upper window"), QStringLiteral("upperColorButton"),
          QSize(153, 22), this))
    , m_lowerColorButton(makeButton(QStringLiteral("In the lower window"), QStringLiteral("lowerColorButton"),
          QSize(153, 22), this))
    , m_upperColor(upperPane.textColor())
    , m_lowerColor(lowerPane.textColor())
{
    setObjectName(QStringLiteral("settingsDialog"));
    setWindowTitle(QStringLiteral("Settings"));
    setFixedSize(clientWidth, clientHeight);
    m_historyCheck->setObjectName(QStringLiteral("historyCheck"));
    m_fontColorCheck->setObjectName(QStringLiteral("fontColorCheck"));

    QPushButton* historyButton = makeButton(QStringLiteral("History"), QStringLiteral("historyButton"), QSize(153, 25), this);
    QPushButton* clearButton = makeButton(QStringLiteral("Clear History"), QStringLiteral("clearHistoryButton"),
        QSize(153, 25), this);
    QPushButton* saveButton = makeButton(QStringLiteral("Save"), QStringLiteral("saveButton"), QSize(75, 25), this);
    QPushButton* exitButton = makeButton(QStringLiteral("Exit"), QStringLiteral("exitButton"), QSize(75, 25), this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 8);
    layout->setSpacing(6);
    layout->addWidget(m_historyCheck);
    layout->addWidget(historyButton, 0, Qt::AlignHCenter);
    layout->addWidget(clearButton, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    layout->addWidget(m_fontColorCheck);
    layout->addWidget(m_upperColorButton, 0, Qt::AlignHCenter);
    layout->addWidget(m_lowerColorButton, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(saveButton);
    bottom->addStretch(1);
    bottom->addWidget(exitButton);
    layout->addLayout(bottom);

    connect(historyButton, &QPushButton::clicked, this, &SettingsDialog::historyViewerRequested);
    connect(clearButton, &QPushButton::clicked, this, &SettingsDialog::historyClearRequested);
    connect(m_fontColorCheck, &QCheckBox::toggled, this, &SettingsDialog::fontColorToggled);
    connect(m_upperColorButton, &QPushButton::clicked, this, [this] { chooseColor(m_upperColor, m_upperColorButton); });
    connect(m_lowerColorButton, &QPushButton::clicked, this, [this] { chooseColor(m_lowerColor, m_lowerColorButton); });
    connect(saveButton, &QPushButton::clicked, this, &SettingsDialog::save);
    connect(exitButton, &QPushButton::clicked, this, &SettingsDialog::reject);

    // Placement first, then the values as they are stored now.
    const auto left = m_settings.number(Setting::SettingsLeft);
    const auto top = m_settings.number(Setting::SettingsTop);
    WindowPlacement::moveOnScreen(*this, left && top ? QPoint(*left, *top) : designPosition);

    m_historyCheck->setChecked(m_settings.text(Setting::Hist) == QLatin1String("1"));
    const bool fontColor = m_settings.text(Setting::StrColor) == QLatin1String("1");
    m_fontColorCheck->setChecked(fontColor);
    showColor(m_upperColorButton, m_upperColor);
    showColor(m_lowerColorButton, m_lowerColor);
    m_upperColorButton->setEnabled(fontColor);
    m_lowerColorButton->setEnabled(fontColor);
}

void SettingsDialog::done(int result)
{
    m_settings.setNumber(Setting::SettingsLeft, x());
    m_settings.setNumber(Setting::SettingsTop, y());
    QDialog::done(result);
}

void SettingsDialog::save()
{
    m_settings.setOn(Setting::Hist, m_historyCheck->isChecked());
    m_settings.setOn(Setting::StrColor, m_fontColorCheck->isChecked());
    m_settings.setText(Setting::Color1, m_upperColor.toText());
    m_settings.setText(Setting::Color2, m_lowerColor.toText());

    // The panes take what was stored, read back as at start.
    if (m_settings.text(Setting::StrColor) != QLatin1String("1")) {
        m_upperPane.setTextColor(ColorValue::windowText());
        m_lowerPane.setTextColor(ColorValue::windowText());
    } else {
        if (const auto color = ColorValue::fromText(m_settings.text(Setting::Color1)))
            m_upperPane.setTextColor(*color);
        if (const auto color = ColorValue::fromText(m_settings.text(Setting::Color2)))
            m_lowerPane.setTextColor(*color);
    }
    accept();
}

void SettingsDialog::fontColorToggled(bool on)
{
    m_upperColorButton->setEnabled(on);
    m_lowerColorButton->setEnabled(on);
    if (!on) {
        m_upperColor = ColorValue::windowText();
        m_lowerColor = ColorValue::windowText();
        showColor(m_upperColorButton, m_upperColor);
        showColor(m_lowerColorButton, m_lowerColor);
    }
}

void SettingsDialog::chooseColor(ColorValue& color, QPushButton* button)
{
    if (const auto chosen = m_chooseColor(color.toColor(QApplication::palette()), this)) {
        color = ColorValue::fromColor(*chosen);
        showColor(button, color);
    }
}

void SettingsDialog::showColor(QPushButton* button, ColorValue color)
{
    QPixmap swatch(14, 14);
    swatch.fill(color.toColor(QApplication::palette()));
    QPainter painter(&swatch);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 13, 13);
    painter.end();
    button->setIcon(QIcon(swatch));
    button->setToolTip(color.toText());
}

} // namespace quendry
