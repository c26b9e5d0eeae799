#include "app/shell/WindowPlacement.h"

#include <QtTest>

using namespace quendry;

class WindowPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void corrected_data();
    void corrected();
};

void WindowPlacementTest::corrected_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QPoint>("expected");

    const QRect primary(0, 0, 1920, 1040);
    const QRect right(1920, 0, 1280, 1024);
    const QList<QRect> one{primary};
    const QList<QRect> two{primary, right};

    QTest::newRow("inside stays") << QRect(100, 80, 800, 540) << one << QPoint(100, 80);
    QTest::newRow("on the second screen stays") << QRect(2000, 100, 800, 540) << two << QPoint(2000, 100);
    QTest::newRow("second screen gone: centred on the primary")
        << QRect(2000, 100, 800, 540) << one << QPoint(560, 250);
    QTest::newRow("title band above the screen") << QRect(100, -200, 800, 540) << one << QPoint(560, 250);
    QTest::newRow("mostly left of the screen, title still grabbable")
        << QRect(-700, 50, 800, 540) << one << QPoint(-700, 50);
    QTest::newRow("only a sliver left of the screen") << QRect(-780, 50, 800, 540) << one << QPoint(560, 250);
    QTest::newRow("below the screen") << QRect(100, 1035, 800, 540) << one << QPoint(560, 250);
    QTest::newRow("larger than the screen goes to its corner")
        << QRect(5000, 5000, 2500, 1200) << one << QPoint(0, 0);
    QTest::newRow("primary with an offset") << QRect(-5000, 0, 400, 420) << QList<QRect>{QRect(100, 30, 1000, 800)}
                                            << QPoint(400, 220);
}

void WindowPlacementTest::corrected()
{
    QFETCH(QRect, window);
    QFETCH(QList<QRect>, screens);
    QFETCH(QPoint, expected);
    QCOMPARE(WindowPlacement::corrected(window, screens, screens.first()), expected);
}

QTEST_GUILESS_MAIN(WindowPlacementTest)
#include "WindowPlacement_test.moc"
