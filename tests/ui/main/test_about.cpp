#include "ui/main/frmAbout.h"

#include "engine/catalogue.h"
#include "platform/weblinks.h"
#include "tests/support/messageboxwatcher.h"
#include "tests/support/testmain.h"
#include "tests/support/urlrecorder.h"
#include "tests/support/widgethelpers.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>

namespace {

// Runs `action` while the dialog is in its modal loop, then makes sure the
// loop ends even if the action did not close it. Returns false if the
// dialog had to be closed by force (the action left it open).
bool RunWhileOpen(QDialog &dialog, const std::function<void()> &action, bool expectClosed)
{
    bool forced = false;
    QTimer::singleShot(0, &dialog, [&] {
        // Act as the user does: on the window once it is up and active.
        if (!QTest::qWaitForWindowActive(&dialog))
            qWarning("the About window did not become active");
        action();
        if (dialog.isVisible()) {
            forced = true;
            dialog.reject();
        }
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &dialog, [&] {
        forced = true;
        dialog.reject();
    });
    guard.start(10000);
    dialog.exec();
    return expectClosed ? !forced : forced;
}

// Everything a user could see of the window, to compare two openings.
QStringList Snapshot(QDialog &dialog)
{
    QStringList lines{dialog.windowTitle(), QString::number(dialog.width()) + QLatin1Char('x')
                                                + QString::number(dialog.height())};
    const auto widgets = dialog.findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        QString line =
            w->objectName() + QLatin1Char(' ') + QLatin1String(w->metaObject()->className());
        const QRect g = w->geometry();
        line += QStringLiteral(" %1,%2,%3,%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
        line += QLatin1Char(' ') + w->font().toString() + QLatin1Char(' ')
                + w->palette().color(QPalette::WindowText).name();
        if (auto *label = qobject_cast<QLabel *>(w))
            line += QLatin1Char(' ') + label->text();
        if (auto *button = qobject_cast<QPushButton *>(w))
            line += QLatin1Char(' ') + button->text();
        lines << line;
    }
    return lines;
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT
private slots:
    void layoutFontsAndColours_data();
    void layoutFontsAndColours();
    void textsAndWindowShape();
    void opensCentredOnScreenWithFocusOnOk();
    void linksOpenTheirPageAndLeaveWindowOpen_data();
    void linksOpenTheirPageAndLeaveWindowOpen();
    void eachWayOfClosing_data();
    void eachWayOfClosing();
    void parentTakesNoInputWhileOpen();
    void twoOpeningsShowTheSameContent();
};

void TestAbout::layoutFontsAndColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QColor>("colour"); // invalid: the window's own
    QTest::addColumn<double>("points"); // 0: the window's own font
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");

    const QColor purple(128, 0, 128), magenta(255, 0, 255);
    // clang-format off
    QTest::newRow("Picture1") << "Picture1" << QRect(8, 8, 32, 32) << QColor() << 0.0 << false << false;
    QTest::newRow("Label2") << "Label2" << QRect(56, 8, 305, 17) << purple << 9.75 << true << false;
    QTest::newRow("Label1") << "Label1" << QRect(56, 40, 385, 79) << magenta << 8.25 << false << false;
    QTest::newRow("lblHomePage") << "lblHomePage" << QRect(176, 128, 270, 13) << purple << 8.25 << false << true;
    QTest::newRow("Label3") << "Label3" << QRect(56, 144, 379, 45) << magenta << 8.25 << true << false;
    QTest::newRow("lblCobrand") << "lblCobrand" << QRect(288, 192, 161, 13) << purple << 8.25 << false << true;
    // A line from -60 to 6840 twips: it runs past both edges of the window.
    QTest::newRow("Line1") << "Line1" << QRect(-4, 218, 460, 1) << purple << 0.0 << false << false;
    QTest::newRow("cmdOK") << "cmdOK" << QRect(360, 224, 84, 23) << QColor() << 0.0 << false << false;
    // clang-format on
}

void TestAbout::layoutFontsAndColours()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(QColor, colour);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, underline);

    frmAbout about;
    auto *w = about.findChild<QWidget *>(name);
    QVERIFY(w);
    QCOMPARE(w->parentWidget(), &about);
    QCOMPARE(w->geometry(), place);
    if (colour.isValid())
        QCOMPARE(w->palette().color(QPalette::WindowText), colour);
    if (points > 0) {
        QCOMPARE(w->font().pointSizeF(), points);
        QCOMPARE(w->font().family(), QStringLiteral("Verdana"));
        QCOMPARE(w->font().bold(), bold);
        QCOMPARE(w->font().underline(), underline);
    } else {
        QCOMPARE(w->font(), about.font());
    }
    if (auto *label = qobject_cast<QLabel *>(w)) {
        QVERIFY(!label->autoFillBackground()); // labels are transparent
        if (points > 0)
            QCOMPARE(label->textFormat(), Qt::PlainText);
    }
}

void TestAbout::textsAndWindowShape()
{
    frmAbout about;
    QCOMPARE(Child<QLabel>(about, "Label2")->text(), QStringLiteral("Gemvara v1.0"));
    QCOMPARE(Child<QLabel>(about, "Label1")->text(), AboutDescription());
    QCOMPARE(Child<QLabel>(about, "lblHomePage")->text(),
             QStringLiteral("Click here to visit ") + ForumSite());
    QCOMPARE(
        Child<QLabel>(about, "Label3")->text(),
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                       "online. Get this software fully branded for your website."));
    QCOMPARE(Child<QLabel>(about, "lblCobrand")->text(),
             QStringLiteral(" Click here for more details."));
    QCOMPARE(Child<QPushButton>(about, "cmdOK")->text(), QStringLiteral("OK"));
    QVERIFY(Child<QLabel>(about, "Label1")->wordWrap());
    QVERIFY(Child<QLabel>(about, "Label3")->wordWrap());

    const QPixmap icon = Child<QLabel>(about, "Picture1")->pixmap();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.size(), QSize(32, 32));

    for (const char *link : {"lblHomePage", "lblCobrand"})
        QCOMPARE(Child<QLabel>(about, link)->cursor().shape(), Qt::PointingHandCursor);

    // Modal over its parent; caption, icon and frame: see test_windows.
    QCOMPARE(about.size(), QSize(455, 256));
    QCOMPARE(about.windowModality(), Qt::WindowModal);
    QVERIFY(Child<QPushButton>(about, "cmdOK")->isDefault());
}

void TestAbout::opensCentredOnScreenWithFocusOnOk()
{
    // The parent sits in a corner: the window still centres on the screen,
    // not over the parent.
    QWidget parent;
    parent.setGeometry(0, 0, 200, 100);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    frmAbout about(&parent);
    QPoint centre;
    QWidget *focus = nullptr;
    QVERIFY(RunWhileOpen(
        about,
        [&] {
            centre = about.frameGeometry().center();
            focus = about.focusWidget();
            about.accept();
        },
        true));
    const QPoint screenCentre = parent.screen()->availableGeometry().center();
    QVERIFY2((centre - screenCentre).manhattanLength() <= 2,
             qPrintable(QStringLiteral("centre %1,%2").arg(centre.x()).arg(centre.y())));
    QCOMPARE(focus, Child<QPushButton>(about, "cmdOK"));
}

void TestAbout::linksOpenTheirPageAndLeaveWindowOpen_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("address");
    // clang-format off
    QTest::newRow("home page: bare root") << "lblHomePage" << ForumSite();
    // The details of the full-branding offer, never the co-branding page.
    QTest::newRow("more details: full brand") << QStringLiteral("lblCobrand") << HelpSite() + QStringLiteral("/fully-branded.html");
    // clang-format on
}

void TestAbout::linksOpenTheirPageAndLeaveWindowOpen()
{
    QFETCH(QString, label);
    QFETCH(QString, address);

    QWidget parent;
    parent.show();
    frmAbout about(&parent);
    auto *link = about.findChild<QLabel *>(label);
    QVERIFY(link);

    UrlRecorder recorder;
    MessageBoxWatcher boxes;
    QStringList afterOne, afterTwo, afterOthers;
    bool openAfterClicks = false;
    QVERIFY(RunWhileOpen(
        about,
        [&] {
            QTest::mouseClick(link, Qt::LeftButton);
            afterOne = recorder.addresses();
            QTest::mouseClick(link, Qt::LeftButton);
            afterTwo = recorder.addresses();
            // Only a left click on the label itself counts.
            QTest::mouseClick(link, Qt::RightButton);
            QTest::mouseClick(Child<QLabel>(about, "Label3"), Qt::LeftButton);
            afterOthers = recorder.addresses();
            openAfterClicks = about.isVisible() && about.isModal();
        },
        false));

    QCOMPARE(afterOne, QStringList{address});
    QCOMPARE(afterTwo, QStringList({address, address}));
    QCOMPARE(afterOthers, afterTwo);
    QVERIFY(openAfterClicks);
    QCOMPARE(boxes.count(), 0);
}

void TestAbout::eachWayOfClosing_data()
{
    QTest::addColumn<QString>("how");
    // clang-format off
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("keypad Enter") << "KeypadEnter";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("OK clicked") << "OK";
    QTest::newRow("close box") << "CloseBox";
    // clang-format on
}

void TestAbout::eachWayOfClosing()
{
    QFETCH(QString, how);
    QWidget parent;
    parent.show();
    frmAbout about(&parent);
    auto *ok = Child<QPushButton>(about, "cmdOK");

    UrlRecorder recorder;
    QVERIFY2(RunWhileOpen(
                 about,
                 [&] {
                     // Keys go where the user's keys would: to the widget with focus.
                     QWidget *target = about.focusWidget();
                     QVERIFY(target);
                     if (how == QLatin1String("Enter"))
                         QTest::keyClick(target, Qt::Key_Return);
                     else if (how == QLatin1String("KeypadEnter"))
                         QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
                     else if (how == QLatin1String("Esc"))
                         QTest::keyClick(target, Qt::Key_Escape);
                     else if (how == QLatin1String("OK"))
                         QTest::mouseClick(ok, Qt::LeftButton);
                     else
                         about.close();
                 },
                 true),
             "the window stayed open");
    QVERIFY(!about.isVisible());
    QVERIFY(recorder.urls().isEmpty());
}

void TestAbout::parentTakesNoInputWhileOpen()
{
    QWidget parent;
    auto *layout = new QVBoxLayout(&parent);
    auto *button = new QPushButton(QStringLiteral("Parent"), &parent);
    layout->addWidget(button);
    parent.resize(200, 100);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    int clicks = 0;
    connect(button, &QPushButton::clicked, [&] { ++clicks; });

    // Through the window system, where modality is enforced.
    const auto clickParent = [&] {
        const QPoint at = button->mapTo(&parent, button->rect().center());
        QTest::mouseClick(parent.windowHandle(), Qt::LeftButton, {}, at);
    };

    frmAbout about(&parent);
    bool blocked = false;
    QVERIFY(RunWhileOpen(
        about,
        [&] {
            blocked = QApplication::activeModalWidget() == &about;
            clickParent();
            QTest::keyClick(parent.windowHandle(), Qt::Key_Space);
            about.accept();
        },
        true));
    QVERIFY(blocked);
    QCOMPARE(clicks, 0);

    // The same click reaches the parent once the window has closed.
    clickParent();
    QCOMPARE(clicks, 1);
}

void TestAbout::twoOpeningsShowTheSameContent()
{
    QWidget parent;
    parent.show();
    UrlRecorder recorder;

    QStringList first, second;
    {
        frmAbout about(&parent);
        RunWhileOpen(
            about,
            [&] {
                first = Snapshot(about);
                QTest::mouseClick(Child<QLabel>(about, "lblHomePage"), Qt::LeftButton);
                QTest::keyClick(&about, Qt::Key_Escape);
            },
            true);
    }
    {
        frmAbout about(&parent);
        RunWhileOpen(
            about,
            [&] {
                second = Snapshot(about);
                about.accept();
            },
            true);
    }
    QVERIFY(first.size() >= 8);
    QCOMPARE(second, first);
}

GEMVARA_TEST_MAIN(TestAbout)
#include "test_about.moc"
