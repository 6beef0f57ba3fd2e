// What the four windows share: caption, icon, a fixed size, their frame's
// buttons, where they open, and the exit screen's staying on top.

#include "frmAbout.h"
#include "frmDisplay.h"
#include "frmExitScreen.h"
#include "frmMain.h"

#include "testmain.h"

#include <QScreen>
#include <QTest>

#include <functional>
#include <memory>

using MakeWindow = std::function<QWidget *()>;
Q_DECLARE_METATYPE(MakeWindow)

class TestWindows : public QObject
{
    Q_OBJECT

private slots:
    void frame_data()
    {
        QTest::addColumn<MakeWindow>("make");
        QTest::addColumn<bool>("fixedButtons"); // close box only, no minimise or maximise
        QTest::addColumn<bool>("topmost");      // on top, shown without taking the focus

        QTest::newRow("main window") << MakeWindow([] { return new frmMain; }) << true << false;
        QTest::newRow("reading window") << MakeWindow([] { return new frmDisplay; }) << true << false;
        QTest::newRow("About window") << MakeWindow([] { return new frmAbout; }) << true << false;
        QTest::newRow("exit screen") << MakeWindow([] { return new frmExitScreen; }) << false << true;
    }

    void frame()
    {
        QFETCH(MakeWindow, make);
        QFETCH(bool, fixedButtons);
        QFETCH(bool, topmost);

        // Destroyed without closing: closing the exit screen ends the program.
        std::unique_ptr<QWidget> window(make());
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        QCOMPARE(window->windowTitle(), QStringLiteral("Gemvara v1.0"));
        QVERIFY(!window->windowIcon().isNull());
        QCOMPARE(window->minimumSize(), window->maximumSize());

        const Qt::WindowFlags flags = window->windowFlags();
        if (fixedButtons) {
            QVERIFY(flags & Qt::WindowCloseButtonHint);
            QVERIFY(flags & Qt::WindowSystemMenuHint);
            QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
            QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
            QVERIFY(!(flags & Qt::WindowContextHelpButtonHint));
        }
        QCOMPARE(bool(flags & Qt::WindowStaysOnTopHint), topmost);
        QCOMPARE(window->testAttribute(Qt::WA_ShowWithoutActivating), topmost);

        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QRect screen = window->screen()->availableGeometry();
        QVERIFY2((window->frameGeometry().center() - screen.center()).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("opens at %1,%2").arg(window->x()).arg(window->y())));
    }
};

GEMVARA_TEST_MAIN(TestWindows)
#include "test_windows.moc"
