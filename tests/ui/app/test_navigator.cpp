// The way between the windows as a user walks it: which window shows,
// hides and closes, in which order, and how leaving the exit screen ends
// the program.

#include "ui/app/navigator.h"
#include "ui/exit/frmExitScreen.h"
#include "ui/main/frmMain.h"
#include "ui/reading/frmDisplay.h"

#include "tests/support/testmain.h"
#include "tests/support/widgethelpers.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>

namespace {

// Shows, hides and closes of the program's windows, as "frmMain hide".
class WindowEvents : public QObject
{
public:
    WindowEvents() { qApp->installEventFilter(this); }
    ~WindowEvents() override { qApp->removeEventFilter(this); }

    QStringList seen;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        static const QHash<QEvent::Type, QString> names{{QEvent::Show, QStringLiteral("show")},
                                                        {QEvent::Hide, QStringLiteral("hide")},
                                                        {QEvent::Close, QStringLiteral("close")}};
        auto *window = qobject_cast<QWidget *>(watched);
        if (window && window->isWindow() && names.contains(event->type())
            && (qobject_cast<frmMain *>(window) || qobject_cast<frmDisplay *>(window)
                || qobject_cast<frmExitScreen *>(window)))
            seen << QLatin1String(window->metaObject()->className()) + QLatin1Char(' ')
                        + names.value(event->type());
        return false;
    }
};

frmDisplay *ReadingWindow()
{
    const QList<frmDisplay *> windows = TopLevels<frmDisplay>();
    return windows.size() == 1 ? windows.first() : nullptr;
}

} // namespace

class TestNavigator : public QObject
{
    Q_OBJECT

    std::unique_ptr<Navigator> m_navigator;
    QPointer<frmMain> m_main;

    void click(QWidget *window, const char *button)
    {
        QTest::mouseClick(Child<QPushButton>(window, button), Qt::LeftButton);
    }
    void askForReading() { click(m_main, "cmdNext"); }

private slots:
    void init()
    {
        m_navigator = std::make_unique<Navigator>();
        m_main = m_navigator->openMain();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
        TypeInto(Child<QLineEdit>(m_main, "txtFirstName"), QStringLiteral("MIRA"));
        TypeInto(Child<QLineEdit>(m_main, "txtLastName"), QStringLiteral("OKAFOR"));
    }

    void cleanup()
    {
        DeleteAllWindows();
        m_navigator.reset();
    }

    // Each step in the order the program takes it: the exit screen comes up
    // before a closing window goes; Back never shows it, not even for a
    // moment, and brings the main window back.
    void order_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QStringList>("events");

        const auto events = [](std::initializer_list<const char *> list) {
            QStringList all;
            for (const char *event : list)
                all << QLatin1String(event);
            return all;
        };
        // clang-format off
        QTest::newRow("reading asked")
            << "next" << events({"frmMain hide", "frmDisplay show"});
        QTest::newRow("Back")
            << "back" << events({"frmDisplay close", "frmDisplay hide", "frmMain show"});
        QTest::newRow("reading window's close box")
            << "close reading" << events({"frmDisplay close", "frmExitScreen show", "frmDisplay hide"});
        QTest::newRow("main window's Exit")
            << "exit" << events({"frmMain close", "frmExitScreen show", "frmMain hide"});
        QTest::newRow("main window's close box")
            << "close main" << events({"frmMain close", "frmExitScreen show", "frmMain hide"});
        // clang-format on
    }
    void order()
    {
        QFETCH(QString, step);
        QFETCH(QStringList, events);

        if (step == QLatin1String("back") || step == QLatin1String("close reading")) {
            askForReading();
            QVERIFY(ReadingWindow());
        }
        WindowEvents seen;
        if (step == QLatin1String("next"))
            askForReading();
        else if (step == QLatin1String("back"))
            click(ReadingWindow(), "cmdback");
        else if (step == QLatin1String("close reading"))
            ReadingWindow()->windowHandle()->close();
        else if (step == QLatin1String("exit"))
            Child<QPushButton>(m_main, "cmdExit")->click();
        else
            m_main->windowHandle()->close();
        QCOMPARE(seen.seen, events);
    }

    // Loaded by the first reading without ever showing, then only shown and
    // hidden: what the user typed into it stays, and so does its text.
    void exitScreenLoadedOnce()
    {
        WindowEvents seen;
        askForReading();
        auto *screen = qobject_cast<frmExitScreen *>(ExitScreenWidget());
        QVERIFY(screen);
        QVERIFY(!screen->isVisible());
        QVERIFY(!seen.seen.contains(QStringLiteral("frmExitScreen show")));
        const QString support = Child<QLabel>(screen, "Label2")->text();
        Child<QLineEdit>(screen, "txtName")->setText(QStringLiteral("Ann"));

        click(ReadingWindow(), "cmdback");
        QTRY_VERIFY(!ReadingWindow());
        QVERIFY(!screen->isVisible());
        askForReading();
        QVERIFY(!screen->isVisible());
        ReadingWindow()->windowHandle()->close();
        QVERIFY(screen->isVisible());

        QCOMPARE(ExitScreenWidget(), screen);
        QCOMPARE(Child<QLineEdit>(screen, "txtName")->text(), QStringLiteral("Ann"));
        QCOMPARE(Child<QLabel>(screen, "Label2")->text(), support);
        QCOMPARE(seen.seen.count(QStringLiteral("frmExitScreen show")), 1);
    }

    // Leaving the exit screen ends the program: every window closes, none
    // comes up again, and Qt's event loop ends, so main returns.
    void leaving_data()
    {
        QTest::addColumn<bool>("afterReading"); // the main window hidden, not closed
        QTest::addColumn<bool>("byCloseBox");
        // clang-format off
        QTest::newRow("Exit button") << false << false;
        QTest::newRow("close box") << false << true;
        QTest::newRow("after a reading, Exit button") << true << false;
        QTest::newRow("after a reading, close box") << true << true;
        // clang-format on
    }
    void leaving()
    {
        QFETCH(bool, afterReading);
        QFETCH(bool, byCloseBox);
        if (afterReading) {
            askForReading();
            ReadingWindow()->windowHandle()->close();
        } else {
            m_main->close();
        }
        QWidget *screen = ExitScreenWidget();
        QVERIFY(screen && screen->isVisible());

        WindowEvents seen;
        QTimer::singleShot(0, screen, [screen, byCloseBox] {
            if (byCloseBox)
                screen->windowHandle()->close();
            else
                Child<QPushButton>(screen, "cmdClose")->click();
        });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY2(!seen.seen.join(u' ').contains(QLatin1String("show")),
                 qPrintable(seen.seen.join(u',')));
        for (QWidget *window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible(), window->metaObject()->className());
    }
};

GEMVARA_TEST_MAIN(TestNavigator)
#include "test_navigator.moc"
