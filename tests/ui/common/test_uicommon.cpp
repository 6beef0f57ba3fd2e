// Text shrunk to fit its label, labels that act as links (by mouse and by
// keyboard), windows centred on the screen, the sizes of the program icon
// and the light look.

#include "appicon.h"
#include "centering.h"
#include "fittext.h"
#include "fixedsize.h"
#include "formfonts.h"
#include "lightlook.h"
#include "linklabels.h"

#include "testmain.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QWindow>

#include <memory>

namespace {

// Measured from the font, not the way the label measures itself.
bool Fits(const QLabel &label)
{
    const QFontMetrics metrics(label.font());
    const QRect area = label.contentsRect();
    if (label.wordWrap()) {
        const QRect needed = metrics.boundingRect(area, Qt::TextWordWrap, label.text());
        return needed.height() <= area.height() && needed.width() <= area.width();
    }
    return metrics.horizontalAdvance(label.text()) <= area.width();
}

} // namespace

class TestUiCommon : public QObject
{
    Q_OBJECT

private slots:
    // The whole program, these tests included, wears the light look.
    void initTestCase() { UseLightLook(); }

    // Each colour of the light look, as active and inactive windows show it
    // and as a disabled control does, whatever the desktop's theme says.
    void lightLook_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QColor>("disabled");
        const QColor black(0, 0, 0), white(255, 255, 255), face(239, 239, 239);
        const QColor greyText(190, 190, 190), shadow(118, 118, 118);
        const auto row = [](const char *name, QPalette::ColorRole role, QColor colour,
                            QColor disabled) {
            QTest::newRow(name) << int(role) << colour << disabled;
        };
        row("WindowText", QPalette::WindowText, black, greyText);
        row("Window", QPalette::Window, face, face);
        row("Button", QPalette::Button, face, face);
        row("ButtonText", QPalette::ButtonText, black, greyText);
        row("Light", QPalette::Light, white, white);
        row("Midlight", QPalette::Midlight, QColor(202, 202, 202), QColor(202, 202, 202));
        row("Mid", QPalette::Mid, QColor(184, 184, 184), QColor(184, 184, 184));
        row("Dark", QPalette::Dark, QColor(159, 159, 159), QColor(190, 190, 190));
        row("Shadow", QPalette::Shadow, shadow, QColor(177, 177, 177));
        row("Text", QPalette::Text, black, greyText);
        row("BrightText", QPalette::BrightText, white, white);
        row("Base", QPalette::Base, white, face);
        row("AlternateBase", QPalette::AlternateBase, face, face);
        row("ToolTipBase", QPalette::ToolTipBase, QColor(255, 255, 220), QColor(255, 255, 220));
        row("ToolTipText", QPalette::ToolTipText, black, black);
        row("Link", QPalette::Link, QColor(0, 0, 255), QColor(0, 0, 255));
        row("LinkVisited", QPalette::LinkVisited, QColor(255, 0, 255), QColor(255, 0, 255));
        row("Highlight", QPalette::Highlight, QColor(48, 140, 198), QColor(145, 145, 145));
        row("HighlightedText", QPalette::HighlightedText, white, white);
        row("PlaceholderText", QPalette::PlaceholderText, QColor(0, 0, 0, 128),
            QColor(0, 0, 0, 128));
    }

    void lightLook()
    {
        QFETCH(int, role);
        QFETCH(QColor, colour);
        QFETCH(QColor, disabled);
        // As drawn: eight bits a channel.
        const auto shown = [](QPalette::ColorGroup group, int r) {
            return QApplication::palette()
                .color(group, QPalette::ColorRole(r))
                .name(QColor::HexArgb);
        };
        QCOMPARE(shown(QPalette::Active, role), colour.name(QColor::HexArgb));
        QCOMPARE(shown(QPalette::Inactive, role), colour.name(QColor::HexArgb));
        QCOMPARE(shown(QPalette::Disabled, role), disabled.name(QColor::HexArgb));
    }

    void lightLookStyle()
    {
        // Message boxes put Yes before No on every desktop.
        QCOMPARE(QApplication::style()->styleHint(QStyle::SH_DialogButtonLayout),
                 int(QDialogButtonBox::WinLayout));
        // In all else the style is Fusion's.
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        for (const auto hint :
             {QStyle::SH_ToolTipLabel_Opacity, QStyle::SH_Widget_Animation_Duration})
            QCOMPARE(QApplication::style()->styleHint(hint), fusion->styleHint(hint));
    }

    void fitText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("wrap");
        QTest::addColumn<bool>("shrinks");
        QTest::addColumn<bool>("fitsAfter");

        const QString sentence = QStringLiteral("Click Here To Visit Orvanta Softwares");
        // clang-format off
        QTest::newRow("fits already") << sentence << QSize(600, 20) << false << false << true;
        QTest::newRow("one line, a little too wide") << sentence << QSize(200, 20) << false << true << true;
        QTest::newRow("word-wrapped, too tall")
            << QString(sentence + QLatin1Char(' ')).repeated(4) << QSize(200, 60) << true << true << true;
        QTest::newRow("word-wrapped, fits") << sentence << QSize(200, 60) << true << false << true;
        // Low enough, but one word is wider than the label.
        QTest::newRow("word-wrapped, a word too wide") << sentence << QSize(55, 120) << true << true << true;
        // No size makes it fit: it stops at the smallest size, and ends.
        QTest::newRow("can never fit") << sentence.repeated(50) << QSize(40, 12) << false << true << false;
        QTest::newRow("empty") << QString() << QSize(1, 1) << false << false << true;
        // clang-format on
    }

    void fitText()
    {
        QFETCH(QString, text);
        QFETCH(QSize, size);
        QFETCH(bool, wrap);
        QFETCH(bool, shrinks);
        QFETCH(bool, fitsAfter);

        QLabel label(text);
        QFont font(QStringLiteral("Verdana"));
        font.setPointSizeF(9);
        label.setFont(font);
        label.setWordWrap(wrap);
        label.setFixedSize(size);

        FitTextToLabel(&label);
        const double points = label.font().pointSizeF();
        QCOMPARE(points < 9, shrinks);
        QCOMPARE(Fits(label), fitsAfter);
        QCOMPARE(label.size(), size);
        // Where nothing fits it ends at the smallest size, 6 points.
        QVERIFY(fitsAfter ? points >= 6 : points == 6);
        if (shrinks && fitsAfter) {
            // Small steps: a quarter point more would not have fitted.
            QLabel larger(text);
            QFont bigger = label.font();
            bigger.setPointSizeF(points + 0.25);
            larger.setFont(bigger);
            larger.setWordWrap(wrap);
            larger.setFixedSize(size);
            QVERIFY(!Fits(larger));
        }
    }

    // A widget's exact point size comes from its "pointSizeF"; a value that
    // is no size leaves its font alone, without a word from Qt.
    void formFonts_data()
    {
        QTest::addColumn<QVariant>("size");
        QTest::addColumn<double>("points"); // 0: left alone
        QTest::newRow("9.75") << QVariant(9.75) << 9.75;
        QTest::newRow("0") << QVariant(0.0) << 0.0;
        QTest::newRow("not a number") << QVariant(QStringLiteral("large")) << 0.0;
    }

    void formFonts()
    {
        QFETCH(QVariant, size);
        QFETCH(double, points);
        QWidget form;
        auto *label = new QLabel(&form);
        label->setProperty("pointSizeF", size);
        const double before = label->font().pointSizeF();
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        ApplyFormFonts(&form);
        QCOMPARE(label->font().pointSizeF(), points > 0 ? points : before);
    }

    // The forms' Verdana and MS Sans Serif fall back to the desktop's own
    // font, unless that is Qt's generic name, which loads nothing itself.
    void fontSubstitutes()
    {
        const QString sans = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        InstallFontSubstitutes();
        const bool generic = sans.compare(QLatin1String("Sans Serif"), Qt::CaseInsensitive) == 0;
        // Qt keeps the names it is given in lower case.
        for (const QString &family : {QStringLiteral("Verdana"), QStringLiteral("MS Sans Serif")})
            QCOMPARE(QFont::substitutes(family),
                     generic ? QStringList() : QStringList{sans.toLower()});
    }

    // A fixed-size window asked to maximise: elsewhere the window system
    // decides; on Wayland it takes the maximised size for a moment, returns
    // to the normal state by itself and gets its fixed size back. First
    // the other platforms, as the Wayland keeper once there stays.
    void fixedSizeMaximised_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("resizable");
        QTest::addColumn<bool>("returns");
        QTest::newRow("X11") << QStringLiteral("xcb") << false << false;
        QTest::newRow("Wayland") << QStringLiteral("wayland") << false << true;
        // A window that may be resized keeps its limits and the state.
        QTest::newRow("Wayland, resizable") << QStringLiteral("wayland") << true << false;
    }

    void fixedSizeMaximised()
    {
        QFETCH(QString, platform);
        QFETCH(bool, resizable);
        QFETCH(bool, returns);
        InstallFixedSizeOnWayland(platform);
        const QSize fixed(300, 200), unlimited(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        QWidget window;
        if (resizable)
            window.setMinimumSize(fixed);
        else
            window.setFixedSize(fixed);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setWindowState(Qt::WindowMaximized);
        // On Wayland a fixed window gives up its limits as soon as it asks.
        QCOMPARE(window.windowHandle()->minimumSize(), returns ? QSize(0, 0) : fixed);
        QCOMPARE(window.windowHandle()->maximumSize(), returns || resizable ? unlimited : fixed);
        if (resizable) {
            QVERIFY(window.isMaximized());
            return;
        }
        if (returns) {
            // The compositor's answer comes as the state, then the size;
            // until the window is drawn at that size, a request to leave
            // the state would be forgotten, so none is made.
            QWindow *handle = window.windowHandle();
            QWindowStateChangeEvent stateAnswer(Qt::WindowNoState);
            QCoreApplication::sendEvent(handle, &stateAnswer);
            QResizeEvent sizeAnswer(handle->size(), fixed);
            QCoreApplication::sendEvent(handle, &sizeAnswer);
            QCoreApplication::sendPostedEvents(handle, QEvent::MetaCall);
            QVERIFY(handle->windowStates() & Qt::WindowMaximized);
            // Here the window may be drawn at its new size before it hears
            // of the state; a compositor has it drawn after: so it is drawn
            // again until it has left the state.
            const auto drawn = [&window] {
                QExposeEvent expose(QRect(QPoint(), window.size()));
                QCoreApplication::sendEvent(window.windowHandle(), &expose);
                return true;
            };
            QTRY_VERIFY(drawn() && !window.isMaximized());
        }
        QTRY_COMPARE(window.size(), fixed);
        QCOMPARE(window.windowHandle()->minimumSize(), fixed);
        QCOMPARE(window.windowHandle()->maximumSize(), fixed);
    }

    void labelClick_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("release"); // where the button comes up
        QTest::addColumn<int>("runs");
        // clang-format off
        QTest::newRow("left button") << Qt::LeftButton << QPoint(10, 5) << 1;
        QTest::newRow("right button") << Qt::RightButton << QPoint(10, 5) << 0;
        QTest::newRow("dragged off before release") << Qt::LeftButton << QPoint(300, 5) << 0;
        // clang-format on
    }

    void labelClick()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, release);
        QFETCH(int, runs);
        QLabel label(QStringLiteral("Visit us"));
        label.setFixedSize(100, 20);
        // Installed first, it sees what the link's filter lets through.
        struct : QObject
        {
            int releases = 0;
            bool eventFilter(QObject *, QEvent *event) override
            {
                releases += event->type() == QEvent::MouseButtonRelease;
                return false;
            }
        } passedOn;
        label.installEventFilter(&passedOn);
        int clicks = 0;
        OnLabelClick(&label, [&clicks] { ++clicks; });
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        QTest::mousePress(&label, button, {}, QPoint(10, 5));
        // After a drag with the button held the release still goes to the
        // label, wherever it happens.
        QMouseEvent up(QEvent::MouseButtonRelease, release, label.mapToGlobal(release), button,
                       Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&label, &up);
        QCOMPARE(clicks, runs);
        // Any other release goes on to the label.
        QCOMPARE(passedOn.releases, 1 - runs);
    }

    // A link is a Tab stop; Enter, Return or Space press it once, a held
    // key does not repeat it, and other keys or chords do nothing.
    void labelKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<int>("runs");
        // clang-format off
        QTest::newRow("Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers() << false << 1;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << false << 1;
        QTest::newRow("Space") << int(Qt::Key_Space) << Qt::KeyboardModifiers() << false << 1;
        QTest::newRow("Space held") << int(Qt::Key_Space) << Qt::KeyboardModifiers() << true << 0;
        QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ControlModifier) << false << 0;
        QTest::newRow("a letter") << int(Qt::Key_A) << Qt::KeyboardModifiers() << false << 0;
        // clang-format on
    }

    void labelKeys()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, repeat);
        QFETCH(int, runs);
        QLabel label(QStringLiteral("Visit us"));
        int clicks = 0;
        OnLabelClick(&label, [&clicks] { ++clicks; });
        QCOMPARE(label.focusPolicy(), Qt::TabFocus);
        QVERIFY(label.property("accessibleLink").toBool());
        QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), repeat);
        QCoreApplication::sendEvent(&label, &press);
        QCOMPARE(clicks, runs);
    }

    // Reached by Tab, the link shows the style's focus frame, which goes
    // with the focus.
    void labelShowsItsFocus()
    {
        QWidget window;
        auto *label = new QLabel(QStringLiteral("Visit us"), &window);
        label->setGeometry(10, 10, 100, 20);
        auto *other = new QLabel(QStringLiteral("Elsewhere"), &window);
        other->setGeometry(10, 40, 100, 20);
        other->setFocusPolicy(Qt::TabFocus);
        auto *blank = new QLabel(&window);
        blank->setGeometry(10, 70, 100, 20);
        OnLabelClick(label, [] {});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        const QImage without = label->grab().toImage();
        // Without the focus it still shows its text.
        QVERIFY(without != blank->grab().toImage());
        QTest::keyClick(other, Qt::Key_Tab);
        QVERIFY(label->hasFocus());
        QVERIFY(label->grab().toImage() != without);
        QTest::keyClick(label, Qt::Key_Tab);
        QVERIFY(other->hasFocus());
        QCOMPARE(label->grab().toImage(), without);
    }

    // Unscaled, the window system is handed 16 to 64 pixels only: each size
    // it gets is decoded at start-up.
    void iconSizesUnscaled()
    {
        QCOMPARE(qApp->devicePixelRatio(), 1.0);
        QCOMPARE(AppIcon().availableSizes(),
                 (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
    }

    // A window is centred on its own screen when shown, and again when
    // its frame arrives, as a window manager may have placed it elsewhere
    // by then. A window without a frame has none to wait for.
    void centerOnScreen_data()
    {
        QTest::addColumn<Qt::WindowFlags>("flags");
        QTest::addColumn<int>("screen");
        QTest::newRow("framed") << Qt::WindowFlags() << 0;
        QTest::newRow("frameless") << Qt::WindowFlags(Qt::FramelessWindowHint) << 0;
        QTest::newRow("framed, second screen") << Qt::WindowFlags() << 1;
    }

    void centerOnScreen()
    {
        QFETCH(Qt::WindowFlags, flags);
        QFETCH(int, screen);
        if (screen >= QGuiApplication::screens().size()) {
#ifdef Q_OS_WIN
            QSKIP("under Wine the test runs on Wine's own display, which has one screen");
#else
            QFAIL("the test runs on the two screens of twoscreens.json");
#endif
        }
        QWidget window(nullptr, flags);
        window.setScreen(QGuiApplication::screens().at(screen));
        window.resize(300, 200);
        window.move(0, 0);
        CenterOnScreen(&window);
        window.show();
        const QRect area = window.screen()->availableGeometry();
        QCOMPARE(window.screen(), QGuiApplication::screens().at(screen));
        const auto centred = [&window, area] {
            return (window.frameGeometry().center() - area.center()).manhattanLength() <= 2;
        };
        QVERIFY(centred());

        const bool framed = !(flags & Qt::FramelessWindowHint);
        window.move(area.topLeft());
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.repaint();
        if (framed)
            QVERIFY(centred());
        else
            QCOMPARE(window.pos(), area.topLeft());

        // Once placed, it stays where the user puts it, also when shown again.
        window.move(area.topLeft() + QPoint(10, 10));
        window.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.repaint();
        QCOMPARE(window.pos(), area.topLeft() + QPoint(10, 10));
    }
};

GEMVARA_TEST_MAIN(TestUiCommon)
#include "test_uicommon.moc"
