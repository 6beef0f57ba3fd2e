#include "ui/main/frmMain.h"

#include "engine/catalogue.h"
#include "ui/app/navigator.h"
#include "ui/exit/frmExitScreen.h"

#include "platform/weblinks.h"
#include "tests/support/messageboxwatcher.h"
#include "tests/support/testmain.h"
#include "tests/support/urlrecorder.h"
#include "tests/support/widgethelpers.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

class TestFrmMain : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowFrame();
    void layout_data();
    void layout();
    void fieldCaptionsFitTheirText();
    void texts_data();
    void texts();
    void colours_data();
    void colours();
    void fonts_data();
    void fonts();
    void fullBrandInFrontAtCreation();
    void listsFilledAndFirstSelected();
    void listsCannotBeEdited();
    void startsWithFocusAndTabOrder_data();
    void startsWithFocusAndTabOrder();
    void exitButtonOutOfReach();

    void upperCaseFilter_data();
    void upperCaseFilter();
    void pastedTextKeepsItsCase();

    void menuTree();
    void links_data();
    void links();
    void accessKeys_data();
    void accessKeys();
    void f10OpensTheFirstMenu();
    void disabledEntryNeverOpensAPage();
    void frontLabelDecidesThePage_data();
    void frontLabelDecidesThePage();
    void aboutOpensModal();
    void readingEntryValidatesLikeTheButton();
    void exitRemovesTheWindow_data();
    void exitRemovesTheWindow();

private:
    template<typename T>
    T *findControl(const char *name) const
    {
        return Child<T>(m_main.data(), name);
    }
    QAction *action(const char *name) const { return findControl<QAction>(name); }

    std::unique_ptr<Navigator> m_navigator;
    QPointer<frmMain> m_main;
};

void TestFrmMain::init()
{
    m_navigator = std::make_unique<Navigator>();
    m_main = m_navigator->openMain();
    QVERIFY(QTest::qWaitForWindowActive(m_main));
}

void TestFrmMain::cleanup()
{
    DeleteAllWindows();
    m_navigator.reset();
}

void TestFrmMain::windowFrame()
{
    // Caption, icon, frame buttons and placement: see test_windows.
    QWidget *client = m_main->centralWidget();
    QCOMPARE(client->size(), QSize(427, 277));
    QCOMPARE(client->y(), m_main->menuBar()->geometry().bottom() + 1);
    QCOMPARE(m_main->height(), client->geometry().bottom() + 1);
}

void TestFrmMain::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("place");

    const char *client = "centralwidget";
    auto row = [](const char *name, const char *in, int x, int y, int w, int h) {
        // clang-format off
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(in) << QRect(x, y, w, h);
        // clang-format on
    };
    row("fraFullBrand", client, 5, 216, 417, 57);
    row("lblFullBrand", "fraFullBrand", 8, 11, 399, 41);
    row("lblCobrand", "fraFullBrand", 8, 11, 399, 41);
    row("Frame2", client, 5, 0, 420, 41);
    row("Label61", "Frame2", 8, 9, 408, 39);
    row("fraName", client, 5, 80, 417, 131);
    row("txtFirstName", "fraName", 6, 30, 127, 23);
    row("txtMiddleName", "fraName", 141, 30, 131, 23);
    row("txtLastName", "fraName", 280, 30, 129, 23);
    row("fraBirthDay", "fraName", 8, 56, 403, 67);
    row("cboMonth", "fraBirthDay", 8, 24, 97, 21);
    row("cboDate", "fraBirthDay", 112, 24, 57, 21);
    row("cboYear", "fraBirthDay", 176, 24, 65, 21);
    row("cmdNext", "fraBirthDay", 248, 14, 147, 45);
    row("cmdExit", client, 256, 312, 139, 21);
    row("Label2", client, 8, 48, 417, 33);
}

void TestFrmMain::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, place);

    auto *widget = m_main->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(widget->geometry(), place);
}

void TestFrmMain::fieldCaptionsFitTheirText()
{
    const struct
    {
        const char *name = nullptr;
        QPoint at;
    } captions[] = {{"Label1", {8, 16}}, {"Label4", {144, 16}}, {"Label5", {280, 16}}};
    for (const auto &caption : captions) {
        auto *label = findControl<QLabel>(caption.name);
        QCOMPARE(label->parentWidget()->objectName(), QStringLiteral("fraName"));
        QCOMPARE(label->pos(), caption.at);
        QCOMPARE(label->size(), label->sizeHint());
    }
}

void TestFrmMain::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    // clang-format off
    QTest::newRow("lblFullBrand")
        << "lblFullBrand"
        << "Home Business Opportunity. Start your own Internet business and make money online. "
           // clang-format on
           "Get this software fully branded for your website. Click here for more details.";
    // One ampersand on screen where the original caption doubles it.
    // clang-format off
    QTest::newRow("lblCobrand")
        << "lblCobrand"
        << "Co-brand this software for your site.  Increase loyalty and traffic to your site. "
           // clang-format on
           "Put your site's name &  link here. See \"Help\" for details.    "
           "Click Here for more info on co-branding.";
    // clang-format off
    QTest::newRow("Label61") << "Label61" << ForumAdvertisement();
    QTest::newRow("Label2") << "Label2"
                            << "Gemstones have a positive influence on our lives. Know more about "
                               // clang-format on
                               "the gemstones that are suitable for you based on numerology!";
    // clang-format off
    QTest::newRow("Label1") << "Label1" << "First Name";
    QTest::newRow("Label4") << "Label4" << "Middle Name";
    QTest::newRow("Label5") << "Label5" << "Last Name";
    QTest::newRow("fraName") << "fraName" << "Please Fill In The Below Details:";
    QTest::newRow("fraBirthDay") << "fraBirthDay" << "Date Of Birth";
    QTest::newRow("fraFullBrand") << "fraFullBrand" << "";
    QTest::newRow("Frame2") << "Frame2" << "";
    QTest::newRow("cmdNext") << "cmdNext" << "Get My Gemvara Reading";
    QTest::newRow("cmdExit") << "cmdExit" << "E&xit";
    // clang-format on
}

void TestFrmMain::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);

    QObject *control = m_main->findChild<QObject *>(name);
    QVERIFY(control);
    if (auto *label = qobject_cast<QLabel *>(control)) {
        QCOMPARE(label->text(), text);
        QCOMPARE(label->textFormat(), Qt::PlainText);
    } else if (auto *frame = qobject_cast<QGroupBox *>(control)) {
        QCOMPARE(frame->title(), text);
    } else {
        QCOMPARE(qobject_cast<QPushButton *>(control)->text(), text);
    }
}

void TestFrmMain::colours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("opaque");

    const QColor purple(128, 0, 128), magenta(255, 0, 255), green(0, 64, 0);
    const int text = QPalette::WindowText;
    // clang-format off
    QTest::newRow("lblFullBrand") << "lblFullBrand" << text << purple << true;
    QTest::newRow("lblCobrand") << "lblCobrand" << text << purple << true;
    QTest::newRow("Label61") << "Label61" << text << purple << false;
    QTest::newRow("Label1") << "Label1" << text << purple << false;
    QTest::newRow("Label4") << "Label4" << text << purple << false;
    QTest::newRow("Label5") << "Label5" << text << purple << false;
    QTest::newRow("Label2") << "Label2" << text << green << true;
    QTest::newRow("fraName caption") << "fraName" << text << purple << false;
    // clang-format on
    for (const char *box : {"txtFirstName", "txtMiddleName", "txtLastName"})
        // clang-format off
        QTest::newRow(box) << box << int(QPalette::Text) << magenta << false;
    // clang-format on
    for (const char *list : {"cboMonth", "cboDate", "cboYear"})
        // clang-format off
        QTest::newRow(list) << list << int(QPalette::ButtonText) << magenta << false;
    QTest::newRow("cmdExit") << "cmdExit" << int(QPalette::Button) << QColor(124, 165, 231) << true;
    // clang-format on
}

void TestFrmMain::colours()
{
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QColor, colour);
    QFETCH(bool, opaque);

    auto *widget = m_main->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->palette().color(QPalette::ColorRole(role)), colour);
    QCOMPARE(widget->autoFillBackground(), opaque);
    const QColor face = QApplication::palette().color(QPalette::Button);
    if (opaque && name != QLatin1String("cmdExit"))
        QCOMPARE(widget->palette().color(QPalette::Window), face);
    if (qobject_cast<QLineEdit *>(widget))
        QCOMPARE(widget->palette().color(QPalette::Base), face);
}

void TestFrmMain::fonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<bool>("pointingHand");

    const QString verdana = QStringLiteral("Verdana"), sans = QStringLiteral("MS Sans Serif");
    // clang-format off
    QTest::newRow("lblFullBrand") << "lblFullBrand" << verdana << 8.25 << true << true << true;
    QTest::newRow("lblCobrand") << "lblCobrand" << verdana << 8.25 << true << true << true;
    QTest::newRow("Label61") << "Label61" << verdana << 9.0 << false << true << true;
    QTest::newRow("Label2") << "Label2" << verdana << 8.25 << false << false << false;
    QTest::newRow("fraName") << "fraName" << verdana << 8.25 << true << false << false;
    QTest::newRow("fraBirthDay") << "fraBirthDay" << verdana << 8.25 << true << false << false;
    QTest::newRow("cmdNext") << "cmdNext" << verdana << 8.25 << true << false << false;
    QTest::newRow("Label1") << "Label1" << sans << 8.25 << false << false << false;
    QTest::newRow("Label5") << "Label5" << sans << 8.25 << false << false << false;
    QTest::newRow("txtFirstName") << "txtFirstName" << verdana << 8.25 << false << false << false;
    QTest::newRow("cboYear") << "cboYear" << verdana << 8.25 << false << false << false;
    // clang-format on
}

void TestFrmMain::fonts()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    QFETCH(bool, pointingHand);

    auto *widget = m_main->findChild<QWidget *>(name);
    QVERIFY(widget);
    const QFont font = widget->font();
    QCOMPARE(font.family(), family);
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.underline(), underline);
    QCOMPARE(widget->cursor().shape() == Qt::PointingHandCursor, pointingHand);
}

void TestFrmMain::fullBrandInFrontAtCreation()
{
    auto *frame = findControl<QGroupBox>("fraFullBrand");
    auto *full = findControl<QLabel>("lblFullBrand");
    QCOMPARE(frame->childAt(full->geometry().center()), full);
    QVERIFY(full->isVisible());
    QVERIFY(!findControl<QLabel>("lblCobrand")->isVisible());
}

void TestFrmMain::listsFilledAndFirstSelected()
{
    QStringList days, years;
    for (int d = 1; d <= 31; ++d)
        days << QString::number(d);
    for (int y = 1900; y <= 2050; ++y)
        years << QString::number(y);

    auto entries = [](QComboBox *list) {
        QStringList all;
        for (int i = 0; i < list->count(); ++i)
            all << list->itemText(i);
        return all;
    };
    QCOMPARE(entries(Child<QComboBox>(m_main, "cboDate")), days);
    QCOMPARE(entries(Child<QComboBox>(m_main, "cboMonth")), CalendarMonths());
    QCOMPARE(entries(Child<QComboBox>(m_main, "cboYear")), years);
    QCOMPARE(Child<QComboBox>(m_main, "cboDate")->currentText(), QStringLiteral("1"));
    QCOMPARE(Child<QComboBox>(m_main, "cboMonth")->currentText(), QStringLiteral("January"));
    QCOMPARE(Child<QComboBox>(m_main, "cboYear")->currentText(), QStringLiteral("1900"));
    for (QLineEdit *box :
         {Child<QLineEdit>(m_main, "txtFirstName"), Child<QLineEdit>(m_main, "txtMiddleName"),
          Child<QLineEdit>(m_main, "txtLastName")})
        QVERIFY(box->text().isEmpty());
}

void TestFrmMain::listsCannotBeEdited()
{
    for (QComboBox *list :
         {Child<QComboBox>(m_main, "cboDate"), Child<QComboBox>(m_main, "cboMonth"),
          Child<QComboBox>(m_main, "cboYear")}) {
        QVERIFY(!list->isEditable());
        list->setFocus();
        const QString before = list->currentText();
        QTest::keyClicks(list, QStringLiteral("xyz"));
        QCOMPARE(list->currentText(), before);
    }
}

void TestFrmMain::startsWithFocusAndTabOrder_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("dates"); // the date lists, left to right
    QTest::newRow("English: month, day, year")
        << QStringLiteral("en_US")
        << QStringList{QStringLiteral("cboMonth"), QStringLiteral("cboDate")};
    QTest::newRow("Portuguese: day, month, year")
        << QStringLiteral("pt_BR")
        << QStringList{QStringLiteral("cboDate"), QStringLiteral("cboMonth")};
}

void TestFrmMain::startsWithFocusAndTabOrder()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, dates);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    DeleteAllWindows();
    m_main = m_navigator->openMain();
    QLocale::setDefault(before);
    QVERIFY(QTest::qWaitForWindowActive(m_main));

    // The two lists share the spots of the form's month and day lists,
    // and screen readers find them in the order they are shown.
    auto *first = findControl<QComboBox>(qPrintable(dates[0]));
    auto *second = findControl<QComboBox>(qPrintable(dates[1]));
    QCOMPARE(first->x(), 8);
    QCOMPARE(second->geometry().right(), 168);
    const QObjectList inFrame = first->parentWidget()->children();
    QVERIFY(inFrame.indexOf(first) < inFrame.indexOf(second));

    QCOMPARE(QApplication::focusWidget(), Child<QLineEdit>(m_main, "txtFirstName"));
    // The links follow the form's own order, top to bottom; of the two
    // offers only the one in front is a stop.
    const QStringList order =
        QStringList{QStringLiteral("txtMiddleName"), QStringLiteral("txtLastName")} + dates
        + QStringList{QStringLiteral("cboYear"),      QStringLiteral("cmdNext"),
                      QStringLiteral("Label61"),      QStringLiteral("Label2"),
                      QStringLiteral("lblFullBrand"), QStringLiteral("txtFirstName")};
    for (const QString &name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }
}

void TestFrmMain::exitButtonOutOfReach()
{
    auto *exit = findControl<QPushButton>("cmdExit");
    QCOMPARE(exit->focusPolicy(), Qt::NoFocus);
    QWidget *client = m_main->centralWidget();
    QVERIFY(!client->rect().intersects(exit->geometry()));
    QVERIFY(exit->visibleRegion().isEmpty());
}

void TestFrmMain::upperCaseFilter_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    // clang-format off
    QTest::newRow("lower letters") << "txtFirstName" << "abcxyz" << "ABCXYZ";
    QTest::newRow("middle name") << "txtMiddleName" << "mary ann" << "MARY ANN";
    QTest::newRow("last name") << "txtLastName" << "o'neil-smith" << "O'NEIL-SMITH";
    QTest::newRow("capitals stay") << "txtFirstName" << "AbC" << "ABC";
    QTest::newRow("digits, punctuation, blanks") << "txtFirstName" << "a3- .z" << "A3- .Z";
    QTest::newRow("letters outside a-z") << "txtLastName" << "\u00e9a\u00df" << "\u00e9A\u00df";
    // clang-format on
}

void TestFrmMain::upperCaseFilter()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    auto *edit = findControl<QLineEdit>(box.toLatin1().constData());
    edit->setFocus();
    const QImage empty = edit->grab().toImage();
    for (QChar c : typed)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QCOMPARE(edit->text(), shown);
    // The filter takes key presses only: the box still paints what it holds.
    QVERIFY(edit->grab().toImage() != empty);

    // Editing keys and shortcuts still do their own work.
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), shown.chopped(1));
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(edit->selectedText(), shown.chopped(1));
    QTest::keyClicks(edit, QStringLiteral("q"));
    QCOMPARE(edit->text(), QStringLiteral("Q"));
}

void TestFrmMain::pastedTextKeepsItsCase()
{
    QApplication::clipboard()->setText(QStringLiteral("lower case"));
    for (QLineEdit *edit :
         {Child<QLineEdit>(m_main, "txtFirstName"), Child<QLineEdit>(m_main, "txtLastName")}) {
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("ab"));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), QStringLiteral("ABlower case"));
    }
}

void TestFrmMain::menuTree()
{
    QMenuBar *bar = m_main->menuBar();
    QStringList top;
    for (QAction *action : bar->actions())
        top << action->objectName() + QLatin1Char('=') + action->text();
    QCOMPARE(top, QStringList({QStringLiteral("=&File"), QStringLiteral("=&Help"),
                               QStringLiteral("mnuDonate=&Donate"),
                               QStringLiteral("mkmoney=Make Money &Online")}));
    QCOMPARE(bar->actions().at(0)->menu()->objectName(), QStringLiteral("nuFile"));
    QCOMPARE(bar->actions().at(1)->menu()->objectName(), QStringLiteral("mnuHelp"));
    QVERIFY(!action("mnuDonate")->menu());

    auto lines = [](QMenu *menu) {
        QStringList all;
        for (QAction *action : menu->actions())
            all << action->objectName()
                       + (action->isSeparator() ? QStringLiteral("|-")
                                                : QLatin1Char('=') + action->text());
        return all;
    };
    QCOMPARE(lines(findControl<QMenu>("nuFile")),
             QStringList({QStringLiteral("mnuNext=Get My Gemvara Reading"),
                          QStringLiteral("mnuExit=E&xit")}));
    QCOMPARE(
        lines(findControl<QMenu>("mnuHelp")),
        QStringList({QStringLiteral("mnuOnline=&Online Help"),
                     QStringLiteral("mnuVisit=&Visit Us Online"), QStringLiteral("mnuFileSep1|-"),
                     QStringLiteral("mnuUpdate=&Check for Software Update"),
                     QStringLiteral("mnuFileSep2|-"), QStringLiteral("mnuAbout=&About Software")}));
}

void TestFrmMain::links_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address");

    // clang-format off
    QTest::newRow("mnuOnline") << "mnuOnline" << ProductSite() + QStringLiteral("/gemvara-free-help.html");
    QTest::newRow("mnuVisit") << "mnuVisit" << ForumSite();
    QTest::newRow("mnuUpdate") << "mnuUpdate" << ProductSite() + QStringLiteral("/download-gemvara-free.html");
    QTest::newRow("mnuDonate") << "mnuDonate" << HelpSite() + QStringLiteral("/donate.html");
    QTest::newRow("lblFullBrand") << "lblFullBrand" << HelpSite() + QStringLiteral("/fully-branded.html");
    QTest::newRow("Label61") << "Label61" << ForumSite();
    QTest::newRow("Label2") << "Label2" << HelpSite() + QStringLiteral("/fully-branded.html");
    // clang-format on
}

void TestFrmMain::links()
{
    QFETCH(QString, name);
    QFETCH(QString, address);

    UrlRecorder pages;
    for (int click = 1; click <= 2; ++click) {
        if (auto *label = m_main->findChild<QLabel *>(name))
            QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(label->width() / 2, 5));
        else
            findControl<QAction>(name.toLatin1().constData())->trigger();
        QCOMPARE(pages.addresses(), QStringList(QList<QString>(click, address)));
    }

    // Pressing without releasing over the label is no click.
    if (auto *label = m_main->findChild<QLabel *>(name)) {
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(pages.addresses().size(), 2);
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-20, -20));
        QCOMPARE(pages.addresses().size(), 2);
    }
}

void TestFrmMain::accessKeys_data()
{
    QTest::addColumn<int>("menuKey");  // with Alt
    QTest::addColumn<int>("entryKey"); // in the open menu; 0 for none
    QTest::addColumn<QString>("address");

    // clang-format off
    QTest::newRow("Alt+D") << int(Qt::Key_D) << 0 << HelpSite() + QStringLiteral("/donate.html");
    QTest::newRow("Alt+H, O") << int(Qt::Key_H) << int(Qt::Key_O) << ProductSite() + QStringLiteral("/gemvara-free-help.html");
    QTest::newRow("Alt+H, V") << int(Qt::Key_H) << int(Qt::Key_V) << ForumSite();
    QTest::newRow("Alt+H, C") << int(Qt::Key_H) << int(Qt::Key_C)
                              << ProductSite() + QStringLiteral("/download-gemvara-free.html");
    // clang-format on
}

void TestFrmMain::accessKeys()
{
    QFETCH(int, menuKey);
    QFETCH(int, entryKey);
    QFETCH(QString, address);

    UrlRecorder pages;
    QTest::keyClick(Child<QLineEdit>(m_main, "txtFirstName"), Qt::Key(menuKey), Qt::AltModifier);
    if (entryKey) {
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key(entryKey));
    }
    QTRY_COMPARE(pages.addresses(), QStringList{address});
    QVERIFY(Child<QLineEdit>(m_main, "txtFirstName")->text().isEmpty());
}

// F10 opens the File menu, as on Linux desktops; Escape closes it and
// the menu bar with it, back to the box the user was in.
void TestFrmMain::f10OpensTheFirstMenu()
{
    auto *first = Child<QLineEdit>(m_main, "txtFirstName");
    QTest::keyClick(first, Qt::Key_F10);
    QTRY_COMPARE(QApplication::activePopupWidget(), findControl<QMenu>("nuFile"));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QTRY_COMPARE(m_main->focusWidget(), first);
}

void TestFrmMain::disabledEntryNeverOpensAPage()
{
    UrlRecorder pages;
    QAction *money = action("mkmoney");
    QVERIFY(!money->isEnabled());
    money->trigger();
    QMenuBar *bar = m_main->menuBar();
    const QRect spot = bar->actionGeometry(money);
    QVERIFY(spot.isValid());
    QTest::mouseClick(bar, Qt::LeftButton, {}, spot.center());
    QTest::keyClick(m_main, Qt::Key_O, Qt::AltModifier);
    QVERIFY(pages.addresses().isEmpty());
    QVERIFY(!money->isEnabled());
}

void TestFrmMain::frontLabelDecidesThePage_data()
{
    QTest::addColumn<bool>("cobrandInFront");
    QTest::addColumn<QString>("address");
    // clang-format off
    QTest::newRow("co-branding in front") << true << HelpSite() + QStringLiteral("/co-brand.html");
    QTest::newRow("full-branding in front") << false << HelpSite() + QStringLiteral("/fully-branded.html");
    // clang-format on
}

void TestFrmMain::frontLabelDecidesThePage()
{
    QFETCH(bool, cobrandInFront);
    QFETCH(QString, address);

    if (cobrandInFront)
        m_main->showCoBrandChoice(1);
    UrlRecorder pages;
    // Click where the two offers overlap, through the window system, which
    // hands the click to whichever label is in front.
    QLabel *full = Child<QLabel>(m_main, "lblFullBrand");
    const QPoint spot = full->mapTo(m_main, full->rect().center());
    QTest::mouseClick(m_main->windowHandle(), Qt::LeftButton, {}, spot);
    QCOMPARE(pages.addresses(), QStringList{address});
}

void TestFrmMain::aboutOpensModal()
{
    QString seen;
    bool blocked = false;
    QTimer::singleShot(0, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        seen = QString::fromLatin1(modal->metaObject()->className());
        // The main window refuses input while the About window is up.
        UrlRecorder pages;
        // (through the window system, where modality is enforced)
        auto *label = Child<QLabel>(m_main, "Label2");
        const QPoint spot = label->mapTo(m_main, label->rect().center());
        QTest::mouseClick(m_main->windowHandle(), Qt::LeftButton, {}, spot);
        blocked = pages.addresses().isEmpty() && modal->parentWidget() == m_main;
        modal->close();
    });
    action("mnuAbout")->trigger(); // returns once the window is closed
    QCOMPARE(seen, QStringLiteral("frmAbout"));
    QVERIFY(blocked);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestFrmMain::readingEntryValidatesLikeTheButton()
{
    for (const char *trigger : {"cmdNext", "mnuNext"}) {
        MessageBoxWatcher boxes;
        Child<QComboBox>(m_main, "cboYear")->setFocus();
        if (qstrcmp(trigger, "cmdNext") == 0)
            QTest::mouseClick(findControl<QPushButton>(trigger), Qt::LeftButton);
        else
            action(trigger)->trigger();
        QCOMPARE(boxes.count(), 1);
        QVERIFY(IsGemvaraInfoBox(boxes.last(), QStringLiteral("Please Enter Your First Name")));
        QCOMPARE(m_main->focusWidget(), Child<QLineEdit>(m_main, "txtFirstName"));
    }
}

void TestFrmMain::exitRemovesTheWindow_data()
{
    QTest::addColumn<QString>("how");
    // clang-format off
    QTest::newRow("Exit button") << "cmdExit";
    QTest::newRow("Alt+X") << "Alt+X";
    QTest::newRow("File, Exit") << "mnuExit";
    QTest::newRow("close box") << "close";
    // clang-format on
}

void TestFrmMain::exitRemovesTheWindow()
{
    QFETCH(QString, how);

    QApplication::setQuitOnLastWindowClosed(false);
    QSignalSpy quit(qApp, &QCoreApplication::aboutToQuit);
    QSignalSpy leaving(m_main.data(), &frmMain::leaving);
    Child<QLineEdit>(m_main, "txtFirstName")->setText(QStringLiteral("TYPED"));
    if (how == QLatin1String("cmdExit"))
        findControl<QPushButton>("cmdExit")->click();
    else if (how == QLatin1String("mnuExit"))
        action("mnuExit")->trigger();
    else if (how == QLatin1String("Alt+X"))
        QTest::keyClick(m_main, Qt::Key_X, Qt::AltModifier);
    else
        m_main->close();
    QVERIFY(m_main.isNull() || !m_main->isVisible());
    QCOMPARE(leaving.count(), 1);
    QTRY_VERIFY(m_main.isNull());
    QCOMPARE(quit.count(), 0);
    // The exit screen takes over; the program goes on.
    QVERIFY(ExitScreenVisible());
}

GEMVARA_TEST_MAIN(TestFrmMain)
#include "test_frmmain.moc"
