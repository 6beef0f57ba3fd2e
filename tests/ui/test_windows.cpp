// What the four windows share: caption, icon, a fixed size, their frame's
// buttons, where they open, the exit screen's staying on top, a background
// of one grey, the keys that press a button, and links that open their page
// once.

#include "ui/app/startup.h"
#include "ui/exit/frmExitScreen.h"
#include "ui/main/frmAbout.h"
#include "ui/main/frmMain.h"
#include "ui/reading/frmDisplay.h"

#include "tests/support/messageboxwatcher.h"
#include "tests/support/testmain.h"
#include "tests/support/urlrecorder.h"
#include "tests/support/widgethelpers.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

using MakeWindow = std::function<QWidget *()>;
Q_DECLARE_METATYPE(MakeWindow)

namespace {

const MakeWindow Main = [] { return new frmMain; };
const MakeWindow ReadingWindow = [] { return new frmDisplay; };
const MakeWindow About = [] { return new frmAbout; };
const MakeWindow Exit = [] { return new frmExitScreen; };

// Shown and active, as a window the user works in; destroyed without
// closing, since closing the exit screen ends the program.
std::unique_ptr<QWidget> ActiveWindow(const MakeWindow &make)
{
    std::unique_ptr<QWidget> window(make());
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qFatal("window not active");
    return window;
}

// Counts clicks of every push button of the window, their own handlers cut
// off: what each button does is tested with its window.
struct ButtonClicks
{
    explicit ButtonClicks(QWidget *window)
    {
        for (QPushButton *button : window->findChildren<QPushButton *>()) {
            QObject::disconnect(button, &QPushButton::clicked, nullptr, nullptr);
            spies.emplace_back(std::make_unique<QSignalSpy>(button, &QPushButton::clicked));
            names << button->objectName();
        }
    }
    QStringList clicked() const
    {
        QStringList result;
        for (size_t i = 0; i < spies.size(); ++i) {
            for (int n = 0; n < spies[i]->count(); ++n)
                result << names[int(i)];
        }
        return result;
    }
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    QStringList names;
};

} // namespace

class TestWindows : public QObject
{
    Q_OBJECT

private slots:
    // The program's own start-up settings, Enter on buttons among them.
    void initTestCase() { SetUpApplication(); }

    // Only QuitApplication ends the program: when the last window on screen
    // closes, Qt does not ask the application to quit. Its request would be
    // posted with the signal that the last window closed, so it would come
    // before the exit that this test posts two steps later.
    void closingTheLastWindowKeepsRunning()
    {
        struct QuitRequests : QObject
        {
            int seen = 0;
            bool eventFilter(QObject *, QEvent *event) override
            {
                seen += event->type() == QEvent::Quit;
                return false;
            }
        } quits;
        qApp->installEventFilter(&quits);
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        connect(qApp, &QGuiApplication::lastWindowClosed, &window, [] {
            QTimer::singleShot(0, [] { QTimer::singleShot(0, [] { QCoreApplication::exit(1); }); });
        });
        QTimer::singleShot(0, &window, &QWidget::close);
        QTimer::singleShot(10000, [] { QCoreApplication::exit(2); }); // the deadline
        const int code = QApplication::exec();
        qApp->removeEventFilter(&quits);
        QVERIFY2(code != 2, "closing the window did not make it the last one closed");
        QCOMPARE(quits.seen, 0);
        QCOMPARE(code, 1);
    }

    void frame_data()
    {
        QTest::addColumn<MakeWindow>("make");
        QTest::addColumn<bool>("fixedButtons"); // close box only, no minimise or maximise
        QTest::addColumn<bool>("topmost");      // on top, shown without taking the focus

        // clang-format off
        QTest::newRow("main window") << MakeWindow([] { return new frmMain; }) << true << false;
        QTest::newRow("reading window") << MakeWindow([] { return new frmDisplay; }) << true << false;
        QTest::newRow("About window") << MakeWindow([] { return new frmAbout; }) << true << false;
        QTest::newRow("exit screen") << MakeWindow([] { return new frmExitScreen; }) << false << true;
        // clang-format on
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

    // Where a style's window colour differs from the face, no patch of
    // the second grey shows: the window's own background is the face.
    void backgroundIsTheFace_data()
    {
        QTest::addColumn<MakeWindow>("make");
        // clang-format off
        QTest::newRow("reading window") << ReadingWindow;
        QTest::newRow("About window") << About;
        // clang-format on
    }

    void backgroundIsTheFace()
    {
        QFETCH(MakeWindow, make);
        const QPalette before = QApplication::palette();
        const auto restore = qScopeGuard([&before] { QApplication::setPalette(before); });
        const QColor other(201, 123, 45);
        QPalette otherWindow = before;
        otherWindow.setColor(QPalette::Window, other);
        QApplication::setPalette(otherWindow);

        const std::unique_ptr<QWidget> window = ActiveWindow(make);
        const QImage picture = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QPoint patch(-1, -1);
        for (int y = 0; y < picture.height() && patch.x() < 0; ++y) {
            for (int x = 0; x < picture.width() && patch.x() < 0; ++x) {
                if (QColor(picture.pixel(x, y)) == other)
                    patch = QPoint(x, y);
            }
        }
        QVERIFY2(
            patch.x() < 0,
            qPrintable(QStringLiteral("window colour at %1,%2").arg(patch.x()).arg(patch.y())));
    }

    // Return and keypad Enter press the focused button, as Space does;
    // a chord or another key does not.
    void enterPressesFocusedButton_data()
    {
        QTest::addColumn<MakeWindow>("make");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("presses");
        const QList<std::pair<const char *, MakeWindow>> windows = {
            {"cmdNext", Main}, {"cmdback", ReadingWindow}, {"cmdClose", Exit}, {"cmdSubmit", Exit}};
        for (const auto &[button, make] : windows) {
            // clang-format off
            QTest::addRow("%s, Return", button) << make << button << int(Qt::Key_Return) << Qt::KeyboardModifiers() << true;
            QTest::addRow("%s, keypad Enter", button)
                << make << button << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << true;
            QTest::addRow("%s, Space", button) << make << button << int(Qt::Key_Space) << Qt::KeyboardModifiers() << true;
            // clang-format on
        }
        // clang-format off
        QTest::newRow("cmdNext, Ctrl+Return") << Main << "cmdNext" << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
        QTest::newRow("cmdNext, a letter") << Main << "cmdNext" << int(Qt::Key_N) << Qt::KeyboardModifiers() << false;
        // clang-format on
    }

    void enterPressesFocusedButton()
    {
        QFETCH(MakeWindow, make);
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, presses);
        const std::unique_ptr<QWidget> window = ActiveWindow(make);
        ButtonClicks clicks(window.get());
        QWidget *focused = Child(window.get(), qPrintable(button));
        focused->setFocus(Qt::TabFocusReason);
        QVERIFY(focused->hasFocus());
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(focused, &press);
        QTest::keyRelease(focused, Qt::Key(key), modifiers);
        QCOMPARE(clicks.clicked(), presses ? QStringList{button} : QStringList());
        // A key that presses the button goes no further, to the window.
        QCOMPARE(press.isAccepted(), presses);
    }

    // Dialogs keep Qt's own Enter: a focused button that is not
    // auto-default hands it on, and the dialog presses its default button.
    void enterInADialogPressesItsDefault()
    {
        QDialog dialog;
        auto *focused = new QPushButton(QStringLiteral("Other"), &dialog);
        focused->setObjectName(QStringLiteral("other"));
        focused->setAutoDefault(false);
        auto *preferred = new QPushButton(QStringLiteral("Default"), &dialog);
        preferred->setObjectName(QStringLiteral("default"));
        preferred->move(0, 40);
        preferred->setDefault(true);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        ButtonClicks clicks(&dialog);
        focused->setFocus(Qt::TabFocusReason);
        QTest::keyClick(focused, Qt::Key_Return);
        QCOMPARE(clicks.clicked(), QStringList{QStringLiteral("default")});
    }

    // Enter in a box or a list stays with it (or with the window, as
    // before); a button that merely lies nearby is not pressed.
    void enterElsewherePressesNothing_data()
    {
        QTest::addColumn<MakeWindow>("make");
        QTest::addColumn<QString>("control");
        // clang-format off
        QTest::newRow("name box") << Main << "txtFirstName";
        QTest::newRow("date list") << Main << "cboYear";
        QTest::newRow("reading box") << ReadingWindow << "txtLifeJourneyNumberDisplay";
        QTest::newRow("tab row") << ReadingWindow << "SSTab1";
        QTest::newRow("referral box") << Exit << "txtFriendEmail";
        QTest::newRow("check box") << Exit << "Check1";
        // clang-format on
    }

    void enterElsewherePressesNothing()
    {
        QFETCH(MakeWindow, make);
        QFETCH(QString, control);
        const std::unique_ptr<QWidget> window = ActiveWindow(make);
        ButtonClicks clicks(window.get());
        QWidget *focused = Child(window.get(), qPrintable(control));
        focused->setFocus(Qt::TabFocusReason);
        QWidget *receiver = QApplication::focusWidget();
        QVERIFY(receiver);
        MessageBoxWatcher boxes;
        UrlRecorder pages;
        QTest::keyClick(receiver, Qt::Key_Return);
        QTest::keyClick(receiver, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(clicks.clicked(), QStringList());
        QCOMPARE(boxes.count(), 0);
        QVERIFY(pages.urls().isEmpty());
        QVERIFY(window->isVisible());
    }

    // A double-click on a link opens its page once, as one click does, and
    // so does a key that presses it.
    void doubleClickOpensOnePage_data()
    {
        QTest::addColumn<MakeWindow>("make");
        QTest::addColumn<QString>("link");
        for (const char *link : {"lblFullBrand", "lblCobrand", "Label61", "Label2"})
            // clang-format off
            QTest::addRow("main window, %s", link) << Main << link;
        // clang-format on
        for (const char *link : {"Label61", "lblCobrand", "lblFullBrand"})
            // clang-format off
            QTest::addRow("reading window, %s", link) << ReadingWindow << link;
        // clang-format on
        for (const char *link : {"lblHomePage", "lblCobrand"})
            // clang-format off
            QTest::addRow("About window, %s", link) << About << link;
        QTest::newRow("exit screen, lblGoToHome") << Exit << "lblGoToHome";
        // clang-format on
    }

    void doubleClickOpensOnePage()
    {
        QFETCH(MakeWindow, make);
        QFETCH(QString, link);
        const std::unique_ptr<QWidget> window = ActiveWindow(make);
        auto *label = Child<QLabel>(window.get(), qPrintable(link));
        const QPoint centre = label->rect().center();

        UrlRecorder click;
        QTest::mouseClick(label, Qt::LeftButton, {}, centre);
        QCOMPARE(click.urls().size(), 1);

        // What the window system delivers for a double-click.
        UrlRecorder twice;
        QTest::mousePress(label, Qt::LeftButton, {}, centre);
        QTest::mouseRelease(label, Qt::LeftButton, {}, centre);
        QTest::mousePress(label, Qt::LeftButton, {}, centre);
        QTest::mouseDClick(label, Qt::LeftButton, {}, centre);
        QTest::mouseRelease(label, Qt::LeftButton, {}, centre);
        QCOMPARE(twice.addresses(), click.addresses());

        // The click after it is a click again.
        UrlRecorder after;
        QTest::mouseClick(label, Qt::LeftButton, {}, centre);
        QCOMPARE(after.addresses(), click.addresses());

        // From the keyboard, each of Return, Enter and Space opens it once,
        // and nothing else: a dialog's default button stays unpressed.
        label->setFocus(Qt::TabFocusReason);
        for (const auto &[key, modifiers] :
             {std::pair{Qt::Key_Return, Qt::KeyboardModifiers()},
              std::pair{Qt::Key_Enter, Qt::KeyboardModifiers(Qt::KeypadModifier)},
              std::pair{Qt::Key_Space, Qt::KeyboardModifiers()}}) {
            UrlRecorder keyed;
            MessageBoxWatcher boxes;
            QTest::keyClick(label, key, modifiers);
            QCOMPARE(keyed.addresses(), click.addresses());
            QCOMPARE(boxes.count(), 0);
            QVERIFY(window->isVisible());
        }
    }
};

GEMVARA_TEST_MAIN(TestWindows)
#include "test_windows.moc"
