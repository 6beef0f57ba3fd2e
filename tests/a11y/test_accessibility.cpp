// What a screen reader finds in each window: every control a user can reach
// by Tab or by mouse, found by walking the window's accessibility tree, has
// a name and a role that says what it is; a button, check box or link is
// named by its own caption and no control by the title of the frame it sits
// in; labels that open a web page are links that can be pressed; a window
// is a window with its title, and a container says what it holds or is
// plain layout. The reading's results are read with what they are, and
// what a screen reader is told comes in the order it needs.

#include "engine/reading.h"
#include "platform/weblinks.h"
#include "ui/app/accessibility.h"
#include "ui/app/navigator.h"
#include "ui/exit/frmExitScreen.h"
#include "ui/exit/tellafriend.h"
#include "ui/main/frmAbout.h"
#include "ui/main/frmMain.h"
#include "ui/reading/frmDisplay.h"

#include "tests/support/messageboxwatcher.h"
#include "tests/support/testmain.h"
#include "tests/support/urlrecorder.h"
#include "tests/support/widgethelpers.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleBridgePlugin>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

using Role = QAccessible::Role;

// Roles under which a control is something to operate rather than to read.
const QSet<Role> OperableRoles = {Role::PushButton,  Role::Button,   Role::CheckBox,
                                  Role::RadioButton, Role::ComboBox, Role::EditableText,
                                  Role::PageTab,     Role::MenuItem, Role::Link,
                                  Role::ButtonMenu,  Role::SpinBox,  Role::Slider};

// Roles a screen reader reads out as a container of its own.
const QSet<Role> ContainerRoles = {Role::Grouping, Role::Border, Role::Pane, Role::LayeredPane};
const QSet<Role> WindowRoles = {Role::Window, Role::Dialog};

QString Describe(const QAccessibleInterface *iface)
{
    const QObject *object = iface->object();
    const QString name =
        object && !object->objectName().isEmpty()
            ? object->objectName()
            : QStringLiteral("(unnamed %1)")
                  .arg(QLatin1String(object ? object->metaObject()->className() : "element"));
    return QStringLiteral("%1 [role %2, name \"%3\"]")
        .arg(name)
        .arg(int(iface->role()))
        .arg(iface->text(QAccessible::Name));
}

// The roles a widget may sensibly have; empty when any role will do.
QSet<Role> ExpectedRoles(const QObject *object, bool clickableLabel)
{
    if (clickableLabel)
        return {Role::Link};
    if (qobject_cast<const QLineEdit *>(object) || qobject_cast<const QPlainTextEdit *>(object))
        return {Role::EditableText};
    if (qobject_cast<const QComboBox *>(object))
        return {Role::ComboBox};
    if (qobject_cast<const QCheckBox *>(object))
        return {Role::CheckBox};
    if (qobject_cast<const QPushButton *>(object) || qobject_cast<const QToolButton *>(object))
        return {Role::PushButton, Role::Button};
    if (qobject_cast<const QTabBar *>(object))
        return {Role::PageTabList};
    if (qobject_cast<const QLabel *>(object))
        return {Role::StaticText, Role::Graphic};
    if (const auto *action = qobject_cast<const QAction *>(object))
        return action->isSeparator() ? QSet<Role>{Role::Separator} : QSet<Role>{Role::MenuItem};
    return {};
}

// Labels whose click opens a page, found by clicking every label.
QSet<QObject *> ClickableLabels(QWidget *window)
{
    QSet<QObject *> found;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        UrlRecorder pages;
        MessageBoxWatcher boxes;
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
        if (!pages.urls().isEmpty())
            found.insert(label);
    }
    return found;
}

struct Walk
{
    QSet<QObject *> clickable;
    QSet<QObject *> seen;
    QStringList faults;

    void visit(QAccessibleInterface *iface, int depth = 0)
    {
        if (!iface || depth > 50)
            return;
        QObject *object = iface->object();
        if (object)
            seen.insert(object);
        const QAccessible::State state = iface->state();
        const bool isClickable = clickable.contains(object);
        // A widget that hands its focus on (a tab control to its tab row) is
        // reached as that other widget, which the walk checks on its own.
        const auto *widget = qobject_cast<const QWidget *>(object);
        const bool delegates = widget && widget->focusProxy();
        const bool reachable =
            !delegates && (state.focusable || isClickable || OperableRoles.contains(iface->role()));
        // The open list of a drop-down list is read by its entries, which
        // are checked one by one.
        const bool namedByEntries = iface->role() == Role::List;
        if (reachable && !namedByEntries && iface->text(QAccessible::Name).trimmed().isEmpty())
            faults << QStringLiteral("no name: ") + Describe(iface);
        // Without a name of its own Qt names a control after its frame.
        const QString name = iface->text(QAccessible::Name);
        if (reachable && widget) {
            for (const QWidget *up = widget->parentWidget(); up; up = up->parentWidget()) {
                const auto *frame = qobject_cast<const QGroupBox *>(up);
                if (frame && !frame->title().isEmpty() && name == frame->title())
                    faults << QStringLiteral("named by its frame: ") + Describe(iface);
            }
        }
        const auto *button = qobject_cast<const QAbstractButton *>(object);
        const auto *label = qobject_cast<const QLabel *>(object);
        QString caption;
        if (button)
            caption = QString(button->text()).remove(QLatin1Char('&'));
        else if (isClickable && label)
            caption = label->text().simplified();
        if (reachable && !caption.isEmpty() && name != caption)
            faults << QStringLiteral("not named by its caption: ") + Describe(iface);
        const QSet<Role> roles = ExpectedRoles(object, isClickable);
        if (reachable && !roles.isEmpty() && !roles.contains(iface->role()))
            faults << QStringLiteral("wrong role: ") + Describe(iface);
        if (reachable && (iface->role() == Role::Client || iface->role() == Role::NoRole))
            faults << QStringLiteral("no role: ") + Describe(iface);
        // A container is named or plain layout, which readers pass over.
        if (ContainerRoles.contains(iface->role()) && name.trimmed().isEmpty())
            faults << QStringLiteral("nameless container: ") + Describe(iface);
        // A window is announced as one, with its title.
        if (widget && (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog)
            && (!WindowRoles.contains(iface->role()) || name != widget->windowTitle()))
            faults << QStringLiteral("not a window with its title: ") + Describe(iface);
        // A box the user cannot change must say so.
        const auto *plain = qobject_cast<const QPlainTextEdit *>(object);
        const auto *line = qobject_cast<const QLineEdit *>(object);
        if (((plain && plain->isReadOnly()) || (line && line->isReadOnly())) && !state.readOnly)
            faults << QStringLiteral("not read-only: ") + Describe(iface);
        for (int i = 0; i < iface->childCount(); ++i)
            visit(iface->child(i), depth + 1);
    }
};

// Everything wrong with what a screen reader finds in the window.
QStringList AccessibilityFaults(QWidget *window)
{
    Walk walk;
    walk.clickable = ClickableLabels(window);
    walk.visit(QAccessible::queryAccessibleInterface(window));
    // The walk must have met every control the user can reach.
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const bool focusable =
            (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy() && widget->isEnabled();
        if ((focusable || walk.clickable.contains(widget)) && !walk.seen.contains(widget)
            && !widget->inherits("QComboBoxPrivateContainer") && !widget->isWindow())
            walk.faults << QStringLiteral("not in the tree: ") + widget->objectName();
    }
    return walk.faults;
}

using WindowMaker = std::function<std::unique_ptr<QWidget>()>;

template<typename Form>
WindowMaker Make()
{
    return [] { return std::unique_ptr<QWidget>(new Form); };
}

std::unique_ptr<QWidget> ShowNew(const WindowMaker &make)
{
    std::unique_ptr<QWidget> window = make();
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    return window;
}

QAccessibleInterface *Interface(QWidget *window, const QString &objectName)
{
    QObject *object = window->findChild<QObject *>(objectName);
    return object ? QAccessible::queryAccessibleInterface(object) : nullptr;
}

// Whom screen readers are told has the keys, as by Qt's UI Automation
// bridge, which also names the focus of a window that says it is active.
QStringList toldFocus;
void HearFocus(QAccessibleEvent *event)
{
    QAccessibleInterface *told = event->accessibleInterface();
    if (event->type() == QAccessible::StateChanged && told->role() == Role::Window
        && static_cast<QAccessibleStateChangeEvent *>(event)->changedStates().active
        && told->state().active)
        told = told->focusChild();
    else if (event->type() != QAccessible::Focus)
        return;
    if (told)
        toldFocus << told->text(QAccessible::Name);
}

// Offscreen, Qt hands every accessibility event to its bridge plugins.
class FocusBridge : public QAccessibleBridgePlugin, public QAccessibleBridge
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "focusbridge.json")
    // The plugin is its own bridge: Qt keeps the plugin and never deletes a bridge.
    QAccessibleBridge *create(const QString &) override { return this; }
    void setRootObject(QAccessibleInterface *) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent *event) override { HearFocus(event); }
};

} // namespace

Q_IMPORT_PLUGIN(FocusBridge)
Q_DECLARE_METATYPE(WindowMaker)

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { InstallAccessibility(); }

    void windows_data()
    {
        QTest::addColumn<WindowMaker>("make");
        // clang-format off
        QTest::newRow("main window") << Make<frmMain>();
        QTest::newRow("reading window") << Make<frmDisplay>();
        QTest::newRow("About window") << Make<frmAbout>();
        QTest::newRow("exit screen") << Make<frmExitScreen>();
        // clang-format on
    }

    void everyReachableControlIsNamed_data() { windows_data(); }
    void everyReachableControlIsNamed()
    {
        QFETCH(WindowMaker, make);
        const std::unique_ptr<QWidget> window = ShowNew(make);
        const QStringList faults = AccessibilityFaults(window.get());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // What the forms' own parts are: a line is a separator, a plain frame
    // or an untitled group only layout, a form a window; a window of
    // another kind, as a drop-down's open list, is none. Each is what it
    // is when asked, not when first asked.
    void formPartRoles()
    {
        QWidget form;
        const auto shaped = [&form](QFrame::Shape shape) {
            auto *line = new QFrame(&form);
            line->setFrameShape(shape);
            return line;
        };
        auto *group = new QGroupBox(&form);
        const QList<std::pair<QWidget *, Role>> expected = {
            {&form, Role::Window},
            {shaped(QFrame::HLine), Role::Separator},
            {shaped(QFrame::VLine), Role::Separator},
            {shaped(QFrame::NoFrame), Role::Client},
            {group, Role::Client}};
        for (const auto &[widget, role] : expected)
            QCOMPARE(QAccessible::queryAccessibleInterface(widget)->role(), role);
        group->setTitle(QStringLiteral("Refer A &Friend")); // after the question
        QCOMPARE(QAccessible::queryAccessibleInterface(group)->role(), Role::Grouping);
        QCOMPARE(QAccessible::queryAccessibleInterface(group)->text(QAccessible::Name),
                 QStringLiteral("Refer A Friend"));
        auto *list = new QComboBox(&form);
        list->addItem(QStringLiteral("1901"));
        QVERIFY(QAccessible::queryAccessibleInterface(list->view()->window())->role()
                != Role::Window);
    }

    // The check itself: a box with nothing to name it and a label that
    // opens a page but reads as text are both reported.
    void unnamedControlsAreReported()
    {
        QWidget form;
        auto *box = new QLineEdit(&form);
        box->setObjectName(QStringLiteral("bareBox"));
        auto *link = new QLabel(QStringLiteral("Visit us"), &form);
        link->setObjectName(QStringLiteral("plainLink"));
        link->move(0, 40);
        struct Opener : QObject
        {
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() == QEvent::MouseButtonRelease)
                    OpenWebPage(QStringLiteral("https://example.org/"));
                return false;
            }
        } opener;
        link->installEventFilter(&opener);
        auto *named = new QLineEdit(&form);
        named->setObjectName(QStringLiteral("namedBox"));
        named->setAccessibleName(QStringLiteral("Named"));
        named->move(0, 80);
        // In a frame with a title, a box without a name of its own and a
        // button whose name is not its caption.
        auto *frame = new QGroupBox(QStringLiteral("Frame Title"), &form);
        frame->setGeometry(0, 120, 200, 100);
        auto *framedBox = new QLineEdit(frame);
        framedBox->setObjectName(QStringLiteral("framedBox"));
        framedBox->move(10, 20);
        auto *misnamed = new QPushButton(QStringLiteral("&Send"), frame);
        misnamed->setObjectName(QStringLiteral("misnamedButton"));
        misnamed->setAccessibleName(QStringLiteral("Something else"));
        misnamed->move(10, 60);
        // A container read out as one, but with no name.
        auto *pane = new QStackedWidget(&form);
        pane->setObjectName(QStringLiteral("bareStack"));
        pane->setGeometry(0, 230, 50, 20);
        form.show();

        const QString faults = AccessibilityFaults(&form).join(QLatin1Char('\n'));
        QVERIFY2(faults.contains(QLatin1String("no name: bareBox")), qPrintable(faults));
        QVERIFY2(faults.contains(QLatin1String("wrong role: plainLink")), qPrintable(faults));
        QVERIFY2(!faults.contains(QLatin1String("namedBox")), qPrintable(faults));
        QVERIFY2(faults.contains(QLatin1String("named by its frame: framedBox")),
                 qPrintable(faults));
        QVERIFY2(faults.contains(QLatin1String("not named by its caption: misnamedButton")),
                 qPrintable(faults));
        QVERIFY2(faults.contains(QLatin1String("nameless container: bareStack")),
                 qPrintable(faults));
    }

    // A screen reader user presses a link through its action; that opens
    // the same page as a mouse click on it.
    void linksPressLikeAClick_data() { windows_data(); }
    void linksPressLikeAClick()
    {
        QFETCH(WindowMaker, make);
        const std::unique_ptr<QWidget> window = ShowNew(make);
        const QSet<QObject *> links = ClickableLabels(window.get());
        QVERIFY(!links.isEmpty());
        for (QObject *object : links) {
            auto *label = static_cast<QLabel *>(object);
            UrlRecorder clicked;
            QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());

            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(label);
            QVERIFY(iface);
            QVERIFY2(iface->state().linked, qPrintable(label->objectName()));
            QVERIFY(!iface->text(QAccessible::Description).isEmpty());
            QAccessibleActionInterface *actions = iface->actionInterface();
            QVERIFY(actions);
            QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
            UrlRecorder pressed;
            actions->doAction(QAccessibleActionInterface::pressAction());
            QCOMPARE(pressed.addresses(), clicked.addresses());
        }
    }

    // A box is called by the caption the user sees beside it, or inside it
    // while it is empty.
    void namesMatchCaptions_data()
    {
        QTest::addColumn<WindowMaker>("make");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("captionLabel"); // the label beside it, if any
        QTest::addColumn<QString>("caption");      // otherwise the caption itself
        const WindowMaker main = Make<frmMain>(), reading = Make<frmDisplay>(),
                          exit = Make<frmExitScreen>();
        // clang-format off
        QTest::newRow("first name") << main << "txtFirstName" << "Label1" << QString();
        QTest::newRow("middle name") << main << "txtMiddleName" << "Label4" << QString();
        QTest::newRow("last name") << main << "txtLastName" << "Label5" << QString();
        QTest::newRow("life path significance") << reading << "txtLifeJourneyNumberDisplay" << "Label4" << QString();
        QTest::newRow("life path interpretation") << reading << "txtLifeJourneyNumberDisplayDesc" << "Label5" << QString();
        QTest::newRow("birthday significance") << reading << "txtBirthdayNumberDisplay" << "Label6" << QString();
        QTest::newRow("birthday interpretation") << reading << "txtBirthdayNumberDisplayDesc" << "Label7" << QString();
        QTest::newRow("gemstone description") << reading << "txtGemstoneDesc" << "Label3" << QString();
        QTest::newRow("your name") << exit << "txtName" << QString() << NamePlaceholder;
        QTest::newRow("your email") << exit << "txtEmail" << QString() << EmailPlaceholder;
        QTest::newRow("friend's name") << exit << "txtFriendName" << QString() << FriendNamePlaceholder;
        QTest::newRow("friend's email") << exit << "txtFriendEmail" << QString() << FriendEmailPlaceholder;
        QTest::newRow("message") << exit << "txtMessage" << QString() << MessagePlaceholder;
        // clang-format on
    }

    void namesMatchCaptions()
    {
        QFETCH(WindowMaker, make);
        QFETCH(QString, control);
        QFETCH(QString, captionLabel);
        QFETCH(QString, caption);
        const std::unique_ptr<QWidget> window = ShowNew(make);
        if (!captionLabel.isEmpty()) {
            const QLabel *label = window->findChild<QLabel *>(captionLabel);
            QVERIFY(label);
            caption = label->text();
        }
        QAccessibleInterface *iface = Interface(window.get(), control);
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name), caption);
    }

    // Each date list is called by its own name, on every platform, and read
    // with its entry as its value; an entry chosen with the arrow keys while
    // the list is closed becomes the list view's current entry, which Qt
    // announces as it does for an entry found by typing.
    void dateListsAreNamed_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("afterDown");
        // clang-format off
        QTest::newRow("month") << "cboMonth" << "Month of Birth" << "February";
        QTest::newRow("day") << "cboDate" << "Day of Birth" << "2";
        QTest::newRow("year") << "cboYear" << "Year of Birth" << "1901";
        // clang-format on
    }

    void dateListsAreNamed()
    {
        QFETCH(QString, list);
        QFETCH(QString, name);
        QFETCH(QString, afterDown);
        const std::unique_ptr<QWidget> window = ShowNew(Make<frmMain>());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *combo = window->findChild<QComboBox *>(list);
        QAccessibleInterface *iface = Interface(window.get(), list);
        QVERIFY(iface);
        QCOMPARE(iface->role(), Role::ComboBox);
        QCOMPARE(iface->text(QAccessible::Name), name);
        QCOMPARE(iface->text(QAccessible::Value), combo->currentText());
        QVERIFY(iface->textInterface());
        QCOMPARE(iface->textInterface()->text(0, iface->textInterface()->characterCount()),
                 combo->currentText());
        // Read only: nothing selected, the caret at the start.
        int start = -1, end = -1;
        iface->textInterface()->selection(0, &start, &end);
        QCOMPARE(std::pair(start, end), std::pair(0, 0));
        QCOMPARE(iface->textInterface()->selectionCount(), 0);
        QCOMPARE(iface->textInterface()->cursorPosition(), 0);
        QCOMPARE(iface->childCount(), 1);
        QCOMPARE(iface->child(0)->object(), combo->view());

        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentText(), afterDown);
        QCOMPARE(combo->view()->currentIndex().row(), combo->currentIndex());
        QCOMPARE(iface->text(QAccessible::Value), afterDown);
    }

    // A list without a name of its own is called by its entry, which is
    // not its description as well.
    void unnamedListIsCalledByItsEntry()
    {
        QWidget window;
        auto *list = new QComboBox(&window);
        list->addItems({QStringLiteral("March"), QStringLiteral("April")});
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(list);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("March"));
        QCOMPARE(iface->text(QAccessible::Description), QString());
    }

    // The reading's results are read with what they are: at the label that
    // shows each, with the boxes on its page and in the name of its tab.
    void readingResultsCarryTheirMeaning()
    {
        auto *form = new frmDisplay;
        const std::unique_ptr<QWidget> window(form);
        form->showReading(ComputeReading(QStringLiteral("29"), 2, QStringLiteral("2000")));
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        const QString gem = QStringLiteral("Gemstone: Cat\u2019s Eye");
        const QList<std::pair<const char *, QString>> spoken = {
            {"lblLifePathNumber", QStringLiteral("Life path number 6")},
            {"txtLifeJourneyNumberDisplay", QStringLiteral("Life path number 6")},
            {"txtLifeJourneyNumberDisplayDesc", QStringLiteral("Life path number 6")},
            {"lblBirthdayNumber", QStringLiteral("Birthday number 29")},
            {"txtBirthdayNumberDisplay", QStringLiteral("Birthday number 29")},
            {"txtBirthdayNumberDisplayDesc", QStringLiteral("Birthday number 29")},
            {"lblGemstoneName", gem},
            {"txtGemstoneDesc", gem}};
        for (const auto &[control, words] : spoken) {
            QAccessibleInterface *iface = Interface(window.get(), QLatin1String(control));
            QVERIFY(iface);
            const bool label = qobject_cast<QLabel *>(iface->object());
            QCOMPARE(iface->text(label ? QAccessible::Name : QAccessible::Description), words);
        }
        QAccessibleInterface *tabs =
            QAccessible::queryAccessibleInterface(window->findChild<QTabBar *>());
        QVERIFY(tabs);
        // On opening: the page in front, with its result.
        QCOMPARE(tabs->text(QAccessible::Name), QStringLiteral("Birthday Number 29"));
        QStringList tabNames;
        for (int i = 0; i < tabs->childCount(); ++i) {
            if (tabs->child(i)->role() == Role::PageTab)
                tabNames << tabs->child(i)->text(QAccessible::Name);
        }
        QCOMPARE(tabNames, (QStringList{QStringLiteral("Lifepath Number 6"),
                                        QStringLiteral("Birthday Number 29"),
                                        QStringLiteral("Gemstone For You: Cat\u2019s Eye")}));
        QAccessibleInterface *picture = Interface(window.get(), QStringLiteral("picGem"));
        QVERIFY(picture);
        QCOMPARE(picture->role(), Role::Graphic);
        QVERIFY(!picture->text(QAccessible::Name).isEmpty());
    }

    // Of the two offers sharing the bottom band only the one in front can
    // be seen and clicked; the other is no stop for Tab and hidden from
    // screen readers, as are the main window's Exit button below its edge
    // and the exit screen's message box below its frame's.
    void outOfSightIsHidden()
    {
        const std::unique_ptr<QWidget> window = ShowNew(Make<frmDisplay>());
        auto *front = window->findChild<QLabel *>(QStringLiteral("lblCobrand"));
        auto *behind = window->findChild<QLabel *>(QStringLiteral("lblFullBrand"));
        QVERIFY(front->isVisibleTo(window.get()) && !behind->isVisibleTo(window.get()));
        QVERIFY(!QAccessible::queryAccessibleInterface(front)->state().invisible);
        QVERIFY(QAccessible::queryAccessibleInterface(behind)->state().invisible);
        const std::unique_ptr<QWidget> main = ShowNew(Make<frmMain>());
        const std::unique_ptr<QWidget> exit = ShowNew(Make<frmExitScreen>());
        QVERIFY(Interface(main.get(), QStringLiteral("cmdExit"))->state().invisible);
        QVERIFY(Interface(exit.get(), QStringLiteral("txtMessage"))->state().invisible);
    }

    // Each move of the focus is told once: About and a message box opening
    // and closing, the reading window, and the exit screen once it is
    // closed. Offscreen, the test activates the window below a closing box,
    // as Windows and X11 do.
    void oneFocusEventPerMove()
    {
        Navigator navigator;
        frmMain *main = navigator.openMain();
        auto *next = Child<QPushButton>(main, "cmdNext");
        QStringList steps;
        const auto told = [&steps] {
            QTest::qWait(50);
            steps << std::exchange(toldFocus, {}).join(u'|');
        };
        const auto modal = [&](const std::function<void()> &open) {
            QTimer::singleShot(0, [&] {
                told();
                QApplication::activeModalWidget()->close();
                main->activateWindow();
                QCoreApplication::processEvents();
            });
            open();
            told();
        };
        QVERIFY(QTest::qWaitForWindowActive(main));
#ifdef Q_OS_WIN
        // Qt tells nothing before a reader asks a window for its UI
        // Automation root (-25); then it is heard here.
        SendMessageW(reinterpret_cast<HWND>(main->winId()), WM_GETOBJECT, 0, -25);
        QAccessible::installUpdateHandler(HearFocus);
#endif
        toldFocus.clear();
        modal([main] { Child<QAction>(main, "mnuAbout")->trigger(); });
        next->setFocus();
        told();
        modal([next] { next->click(); });
        Child<QLineEdit>(main, "txtFirstName")->setText(QStringLiteral("MIRA"));
        Child<QLineEdit>(main, "txtLastName")->setText(QStringLiteral("OKAFOR"));
        next->click();
        told();
        TopLevels<frmDisplay>().constFirst()->close();
        told();
        QCOMPARE(steps.join(u'/'), QStringLiteral("OK/First Name/Get My Gemvara Reading/OK/"
                                                  "First Name/Birthday Number 1/Exit"));
        DeleteAllWindows();
    }

    // A refer-a-friend box that shows its placeholder empties it only once
    // Qt has told screen readers about the focus: a box whose text changed
    // before that is taken by them as their current object without a word.
    // A key typed at once still finds the box empty.
    void exitBoxEmptiesAfterItsFocusIsTold()
    {
        const std::unique_ptr<QWidget> window = ShowNew(Make<frmExitScreen>());
        // The screen comes up without taking the focus: a box gets its
        // focus event once the user has come to the window.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *box = window->findChild<QLineEdit *>(QStringLiteral("txtName"));
        box->setFocus(Qt::TabFocusReason);
        QCOMPARE(box->text(), QStringLiteral("Your Name"));
        QTRY_COMPARE(box->text(), QString());

        Child(window.get(), "cmdSubmit")->setFocus(Qt::TabFocusReason);
        QCOMPARE(box->text(), QStringLiteral("Your Name"));
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box, QStringLiteral("Ann"));
        QCOMPARE(box->text(), QStringLiteral("Ann"));
    }
};

GEMVARA_TEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
