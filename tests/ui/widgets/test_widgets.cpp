// Text shrunk to fit its label, exact font sizes, link labels (by mouse,
// by keyboard and to screen readers), windows centred on the screen and the
// sizes of the program icon.

#include "ui/widgets/appicon.h"
#include "ui/widgets/centering.h"
#include "ui/widgets/fittext.h"
#include "ui/widgets/formfonts.h"
#include "ui/widgets/linklabel.h"
#include "ui/widgets/offerband.h"

#include "tests/support/testmain.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <cmath>
#include <memory>

namespace {

// Whether a link is fitted before it is drawn, and its text set anew after.
enum class Fitting { None, Fitted, Retexted };

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

class TestWidgets : public QObject
{
    Q_OBJECT

private slots:
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
        // A hidden label is fitted when it is first shown.
        QCOMPARE(label.font().pointSizeF(), 9.0);
        label.show();
        const double points = label.font().pointSizeF();
        QCOMPARE(points < 9, shrinks);
        QCOMPARE(Fits(label), fitsAfter);
        QCOMPARE(label.size(), size);
        // Where nothing fits it ends at the smallest readable size, 7 points.
        QVERIFY(fitsAfter ? points >= 7 : points == 7);
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
        LinkLabel label;
        label.setText(QStringLiteral("Visit us"));
        label.setFixedSize(100, 20);
        int clicks = 0;
        connect(&label, &LinkLabel::clicked, this, [&clicks] { ++clicks; });
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        QTest::mousePress(&label, button, {}, QPoint(10, 5));
        // After a drag with the button held the release still goes to the
        // label, wherever it happens.
        QMouseEvent up(QEvent::MouseButtonRelease, release, label.mapToGlobal(release), button,
                       Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&label, &up);
        QCOMPARE(clicks, runs);
    }

    // A link is a Tab stop and, to screen readers, a link; Enter, Return or
    // Space press it once, a held key does not repeat it, and other keys or
    // chords do nothing.
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
        LinkLabel label;
        int clicks = 0;
        connect(&label, &LinkLabel::clicked, this, [&clicks] { ++clicks; });
        QCOMPARE(label.focusPolicy(), Qt::TabFocus);
        QCOMPARE(QAccessible::queryAccessibleInterface(&label)->role(), QAccessible::Link);
        QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), repeat);
        QCoreApplication::sendEvent(&label, &press);
        QCOMPARE(clicks, runs);
    }

    // Reached by Tab, the link shows the style's focus frame, which goes
    // with the focus.
    void labelShowsItsFocus()
    {
        QWidget window;
        auto *label = new LinkLabel(&window);
        label->setText(QStringLiteral("Visit us"));
        label->setGeometry(10, 10, 100, 20);
        auto *other = new QLabel(QStringLiteral("Elsewhere"), &window);
        other->setGeometry(10, 40, 100, 20);
        other->setFocusPolicy(Qt::TabFocus);
        auto *blank = new QLabel(&window);
        blank->setGeometry(10, 70, 100, 20);
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

    // A link draws its text as a label that takes the focus draws it, from
    // a document, laid out once where QLabel lays out its own four times.
    void linkDrawsAsLabel_data()
    {
        QTest::addColumn<int>("align");
        QTest::addColumn<bool>("wrap");
        QTest::addColumn<int>("margin");
        QTest::addColumn<int>("indent");
        QTest::addColumn<bool>("framed");
        QTest::addColumn<Fitting>("fitting");
        const int top = Qt::AlignHCenter | Qt::AlignTop;
        // clang-format off
        QTest::newRow("centred, wrapped") << top << true << 0 << -1 << false << Fitting::None;
        QTest::newRow("one line, middle") << int(Qt::AlignLeft | Qt::AlignVCenter) << false << 0 << -1 << false << Fitting::None;
        QTest::newRow("at the foot, margin") << int(Qt::AlignRight | Qt::AlignBottom) << true << 3 << -1 << false << Fitting::None;
        QTest::newRow("indented") << int(Qt::AlignLeft | Qt::AlignTop) << true << 0 << 7 << false << Fitting::None;
        QTest::newRow("framed") << int(Qt::AlignLeft | Qt::AlignVCenter) << true << 1 << -1 << true << Fitting::None;
        // The link draws from the document that fitted it, unless the text
        // has changed since.
        QTest::newRow("fitted") << top << true << 0 << -1 << false << Fitting::Fitted;
        QTest::newRow("fitted, then a new text") << top << true << 0 << -1 << false << Fitting::Retexted;
        // clang-format on
    }

    void linkDrawsAsLabel()
    {
        QFETCH(int, align);
        QFETCH(bool, wrap);
        QFETCH(int, margin);
        QFETCH(int, indent);
        QFETCH(bool, framed);
        QFETCH(Fitting, fitting);
        QWidget window;
        LinkLabel link(&window);
        QLabel label(&window);
        for (QLabel *shown : {static_cast<QLabel *>(&link), &label}) {
            shown->setFocusPolicy(Qt::TabFocus);
            shown->setTextFormat(Qt::PlainText);
            shown->setText(QStringLiteral("Start your own business and make money online today."));
            shown->setAlignment(Qt::Alignment(align));
            shown->setWordWrap(wrap);
            shown->setMargin(margin);
            shown->setIndent(indent);
            shown->setFrameStyle(framed ? QFrame::Box : QFrame::NoFrame);
            // A size of its own for each fitting, too low for the text: one
            // fitted before is not measured again.
            shown->resize(170, fitting == Fitting::None     ? 70
                               : fitting == Fitting::Fitted ? 30
                                                            : 28);
            QPalette colours = shown->palette();
            colours.setColor(QPalette::WindowText, Qt::darkMagenta);
            shown->setPalette(colours);
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Where the window gets the keys (Windows), the link has the focus
        // and draws the style's frame, which the label does not.
        link.clearFocus();
        for (QLabel *shown : {static_cast<QLabel *>(&link), &label}) {
            if (fitting != Fitting::None)
                FitTextToLabel(shown);
            if (fitting == Fitting::Retexted)
                shown->setText(QStringLiteral("Visit now."));
        }
        QCOMPARE(link.grab().toImage(), label.grab().toImage());
    }

    // The co-brand draw: r * 6 + 1, halves rounded to the even neighbour.
    void drawnNumber_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("n");

        // clang-format off
        QTest::newRow("0") << 0.0f << 1;
        QTest::newRow("1/16 -> 1.375") << 0.0625f << 1;
        QTest::newRow("1/8 -> 1.75") << 0.125f << 2;
        QTest::newRow("1/4 -> 2.5, half down to even") << 0.25f << 2;
        QTest::newRow("1/2 -> 4") << 0.5f << 4;
        QTest::newRow("3/4 -> 5.5, half up to even") << 0.75f << 6;
        QTest::newRow("7/8 -> 6.25") << 0.875f << 6;
        QTest::newRow("15/16 -> 6.625") << 0.9375f << 7;
        QTest::newRow("largest below 1") << std::nextafter(1.0f, 0.0f) << 7;
        // clang-format on
    }

    void drawnNumber()
    {
        QFETCH(float, r);
        QFETCH(int, n);
        QCOMPARE(int(CoBrandNumberFor(r)), n);
    }

    void drawnNumberSpread_data()
    {
        QTest::addColumn<bool>("seeded");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("r evenly spread over [0, 1)") << false << 0.001;
        QTest::newRow("draws of a seeded generator") << true << 0.005;
    }

    void drawnNumberSpread()
    {
        // The ends come half as often as the middle, and nothing else comes.
        QFETCH(bool, seeded);
        QFETCH(double, tolerance);
        QRandomGenerator random(20240310);
        int counts[8] = {};
        const int steps = 1 << 16;
        for (int k = 0; k < steps; ++k) {
            const int n =
                seeded ? DrawCoBrandNumber(random) : CoBrandNumberFor(float(k) / float(steps));
            QVERIFY2(n >= 1 && n <= 7, qPrintable(QString::number(n)));
            ++counts[n];
        }
        for (int n = 1; n <= 7; ++n) {
            const double expected = (n == 1 || n == 7) ? 1.0 / 12 : 1.0 / 6;
            QVERIFY2(qAbs(double(counts[n]) / steps - expected) < tolerance,
                     qPrintable(QString::number(n)));
        }
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

GEMVARA_TEST_MAIN(TestWidgets)
#include "test_widgets.moc"
