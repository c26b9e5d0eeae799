#pragma once

#include <QWidget>

namespace quendry {

// The horizontal gauge of the result strip: a bar from 0 to 100 with its value in bold followed
// by "%". Its colours are fixed, so the result reads the same under every theme.
class ResultGauge : public QWidget {
    Q_OBJECT

public:
    static const QColor barColor;
    static const QColor backgroundColor;
    static const QColor textColor;

    explicit ResultGauge(QWidget* parent = nullptr);

    int value() const { return m_value; }
    // Clamped to 0..100.
    void setValue(int value);
    // What the gauge shows, such as "63%".
    QString text() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_value = 0;
};

} // namespace quendry
