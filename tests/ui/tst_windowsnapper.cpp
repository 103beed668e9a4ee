// Edge snapping: a side closer than 16 pixels to a work-area edge lies on
// it; only moves that follow the mouse are snapped.

#include "platform/screens.h"
#include "ui/chat/windowsnapper.h"

#include <QCursor>
#include <QWidget>
#include <QtTest>

namespace {

// Two screens side by side; the left one has a task bar at the bottom.
const QList<QRect> Areas{QRect(0, 0, 1920, 1040), QRect(1920, 0, 1280, 1024)};

} // namespace

class tst_WindowSnapper : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void snapped_data();
    void snapped();
    void onlyDragsSnap();
};

void tst_WindowSnapper::snapped_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("left side 15 px from the edge snaps") << QRect(15, 300, 400, 300) << QPoint(0, 300);
    QTest::newRow("left side 16 px from the edge stays") << QRect(16, 300, 400, 300) << QPoint(16, 300);
    QTest::newRow("left side 15 px beyond the edge snaps back") << QRect(-15, 300, 400, 300) << QPoint(0, 300);
    QTest::newRow("right side 15 px short of the screen joint snaps") << QRect(1505, 300, 400, 300) << QPoint(1520, 300);
    QTest::newRow("right side 16 px short stays") << QRect(1504, 300, 400, 300) << QPoint(1504, 300);
    QTest::newRow("bottom onto the task bar's edge, top onto nothing") << QRect(600, 730, 400, 300) << QPoint(600, 740);
    QTest::newRow("both directions at once") << QRect(1930, 10, 400, 300) << QPoint(1920, 0);
}

void tst_WindowSnapper::snapped()
{
    QFETCH(QRect, frame);
    QFETCH(QPoint, topLeft);
    const QRect result = WindowSnapper::snapped(frame, WindowSnapper::edgesOf(Areas));
    QCOMPARE(result.topLeft(), topLeft);
    QCOMPARE(result.size(), frame.size());
}

void tst_WindowSnapper::onlyDragsSnap()
{
    platform::FixedScreens screens(QList<QRect>{QRect(0, 0, 1920, 1080)}, QList<QRect>{QRect(0, 0, 1920, 1040)});
    platform::Screens::setInstance(&screens);
    QWidget window;
    new WindowSnapper(&window);
    window.setGeometry(200, 200, 400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint grab = window.frameGeometry().topLeft() + QPoint(50, 10);
    QCursor::setPos(grab);
    // The window moves under a cursor that stays: no drag.
    window.move(window.frameGeometry().topLeft() + QPoint(-1, -1));
    window.move(QPoint(10, 150));
    QCOMPARE(window.frameGeometry().topLeft(), QPoint(10, 150));
    // Window and cursor move together: the user drags it near the edge.
    const QPoint hold(50, 10);
    for (const QPoint &to : {QPoint(12, 150), QPoint(8, 152)}) {
        QCursor::setPos(to + hold);
        window.move(to);
    }
    QCOMPARE(window.frameGeometry().topLeft(), QPoint(0, 152));
    platform::Screens::setInstance(nullptr);
}

QTEST_MAIN(tst_WindowSnapper)
#include "tst_windowsnapper.moc"
