#include "engine/catalogue.h"
#include "platform/weblinks.h"
#include "ui/exit/frmExitScreen.h"
#include "ui/exit/tellafriend.h"

#include "tests/support/messageboxwatcher.h"
#include "tests/support/testmain.h"
#include "tests/support/urlrecorder.h"
#include "tests/support/widgethelpers.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

#include <algorithm>
#include <memory>

namespace {

QStringList DecodedValues(const QUrl &url)
{
    QStringList values;
    for (const QString &part : url.query(QUrl::FullyEncoded).split(QLatin1Char('&')))
        values.append(QUrl::fromPercentEncoding(part.section(QLatin1Char('='), 1).toLatin1()));
    return values;
}

} // namespace

class TestExitScreen : public QObject
{
    Q_OBJECT

    std::unique_ptr<frmExitScreen> m_form;

    QLineEdit *box(const char *name) { return Child<QLineEdit>(m_form.get(), name); }
    QString messageBox()
    {
        return Child<QPlainTextEdit>(m_form.get(), "txtMessage")->toPlainText();
    }
    void click(const char *name) { QTest::mouseClick(Child(m_form.get(), name), Qt::LeftButton); }

private slots:
    void init()
    {
        m_form = std::make_unique<frmExitScreen>();
        m_form->show();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    void cleanup() { m_form.reset(); }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("geometry");
        const auto row = [](const char *name, const char *container, int l, int t, int w, int h) {
            // clang-format off
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(container)
                                << QRect(l, t, w, h);
            // clang-format on
        };
        row("Picture1", "frmExitScreen", 24, 8, 36, 36);
        row("Label1", "frmExitScreen", 72, 16, 400, 29);
        row("Label2", "frmExitScreen", 8, 56, 465, 73);
        row("Check1", "frmExitScreen", 2, 136, 479, 37);
        row("cmdClose", "frmExitScreen", 400, 184, 83, 25);
        row("Frame2", "frmExitScreen", 8, 216, 471, 97);
        row("txtName", "Frame2", 6, 24, 225, 19);
        row("txtEmail", "Frame2", 240, 24, 225, 19);
        row("txtFriendName", "Frame2", 6, 48, 225, 19);
        row("txtFriendEmail", "Frame2", 240, 48, 225, 19);
        row("cmdSubmit", "Frame2", 128, 72, 225, 19);
        row("txtMessage", "Frame2", 320, 240, 121, 33);
        row("Frame6", "frmExitScreen", 488, 8, 249, 305);
        row("Label3", "Frame6", 8, 24, 233, 257);
        row("lblGoToHome", "Frame6", 5, 283, 239, 14);
    }
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, geometry);
        QWidget *w = Child(m_form.get(), name.toLatin1().constData());
        QCOMPARE(w->parentWidget()->objectName(), container);
        QCOMPARE(w->geometry(), geometry);
    }

    // The form's fixed colours, each on a background that is drawn.
    void colours_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        QTest::addColumn<QColor>("colour");
        const QColor white(255, 255, 255), navy(0, 0, 128);
        const int back = QPalette::Window, text = QPalette::WindowText;
        // clang-format off
        QTest::newRow("form") << "frmExitScreen" << back << white;
        QTest::newRow("Label2") << "Label2" << back << white;
        QTest::newRow("Check1") << "Check1" << text << QColor(0, 0, 192);
        QTest::newRow("Frame2") << "Frame2" << back << navy;
        QTest::newRow("Frame2 caption") << "Frame2" << text << white;
        QTest::newRow("Frame6") << "Frame6" << back << navy;
        QTest::newRow("Frame6 caption") << "Frame6" << text << white;
        QTest::newRow("Label3") << "Label3" << text << white;
        QTest::newRow("lblGoToHome") << "lblGoToHome" << text << QColor(255, 255, 0);
        // clang-format on
    }

    void colours()
    {
        QFETCH(QString, name);
        QFETCH(int, role);
        QFETCH(QColor, colour);
        QWidget *widget =
            name == m_form->objectName() ? m_form.get() : Child(m_form.get(), qPrintable(name));
        QCOMPARE(widget->palette().color(QPalette::ColorRole(role)), colour);
        if (role == QPalette::Window)
            QVERIFY(widget->autoFillBackground());
    }

    void lookOfTheWindow()
    {
        // Caption, staying on top and placement: see test_windows.
        QCOMPARE(m_form->size(), QSize(741, 315));

        // A link cut off at "…Softwar" cannot be read: the font gives way.
        for (const char *name : {"Label1", "Label2", "Label3", "lblGoToHome"}) {
            auto *label = Child<QLabel>(m_form.get(), name);
            const QFontMetrics metrics(label->font());
            const QRect area = label->contentsRect();
            if (label->wordWrap())
                QVERIFY2(metrics.boundingRect(area, Qt::TextWordWrap, label->text()).height()
                             <= area.height(),
                         name);
            else
                QVERIFY2(metrics.horizontalAdvance(label->text()) <= area.width(), name);
        }

        // The hidden message box lies outside its frame, out of sight.
        QWidget *frame = Child(m_form.get(), "Frame2");
        QVERIFY(!frame->rect().intersects(Child(m_form.get(), "txtMessage")->geometry()));
        QCOMPARE(messageBox(), QStringLiteral("Your Message\n"));
        QVERIFY(!Child<QCheckBox>(m_form.get(), "Check1")->isChecked());
        QCOMPARE(box("txtFriendName")->text(), QStringLiteral("Friend's Name"));
        QCOMPARE(box("txtName")->placeholderText(), QString());
        box("txtFriendName")->setText(QString(40000, QLatin1Char('x'))); // no length limit
        QCOMPARE(box("txtFriendName")->text().size(), 40000);

        QStringList supportTexts;
        for (int i = 0; i < 4; ++i)
            supportTexts.append(SupportText(i).value_or(QString()));
        QVERIFY(supportTexts.contains(Child<QLabel>(m_form.get(), "Label2")->text()));
        QCOMPARE(Child<QLabel>(m_form.get(), "Label3")->text(), SoftwaresCatalogueText());
    }

    void tabOrder()
    {
        Child(m_form.get(), "cmdClose")->setFocus(Qt::TabFocusReason);
        QStringList seen;
        for (int i = 0; i < 10; ++i) {
            seen.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // The message box, out of sight, is no stop; the link comes last.
        QCOMPARE(seen,
                 (QStringList{QStringLiteral("cmdClose"), QStringLiteral("Check1"),
                              QStringLiteral("Picture1"), QStringLiteral("txtName"),
                              QStringLiteral("cmdSubmit"), QStringLiteral("txtEmail"),
                              QStringLiteral("txtFriendEmail"), QStringLiteral("txtFriendName"),
                              QStringLiteral("lblGoToHome"), QStringLiteral("cmdClose")}));
    }

    void placeholders_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("afterFocus");
        QTest::addColumn<QString>("leftWith");
        QTest::addColumn<QString>("afterLeaving");

        // clang-format off
        QTest::newRow("name placeholder") << "txtName" << "Your Name" << "" << "" << "Your Name";
        QTest::newRow("placeholder in blanks, left blank")
            << "txtName" << "  Your Name " << "" << "   " << "Your Name";
        QTest::newRow("other case is a real entry")
            << "txtName" << "your name" << "your name" << "your name" << "your name";
        QTest::newRow("entry keeps its blanks") << "txtName" << "Ann" << "Ann" << " Ann " << " Ann ";
        QTest::newRow("own address") << "txtEmail" << "Your Email Address" << "" << ""
                                     << "Your Email Address";
        QTest::newRow("friend's name") << "txtFriendName" << "Friend's Name" << "" << ""
                                       << "Friend's Name";
        QTest::newRow("friend's address") << "txtFriendEmail" << "Friend's Email Address" << ""
                                          << "" << "Friend's Email Address";
        // clang-format on
    }
    void placeholders()
    {
        QFETCH(QString, name);
        QFETCH(QString, before);
        QFETCH(QString, afterFocus);
        QFETCH(QString, leftWith);
        QFETCH(QString, afterLeaving);

        QLineEdit *edit = box(name.toLatin1().constData());
        edit->setText(before);
        QTest::mouseClick(edit, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(edit->text(), afterFocus);
        edit->setText(leftWith);
        Child(m_form.get(), "cmdClose")->setFocus(Qt::TabFocusReason);
        QCOMPARE(edit->text(), afterLeaving);
    }

    void spacesInAddresses_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("refused");
        // clang-format off
        QTest::newRow("own address") << "txtEmail" << true;
        QTest::newRow("friend's address") << "txtFriendEmail" << true;
        QTest::newRow("name") << "txtName" << false;
        QTest::newRow("friend's name") << "txtFriendName" << false;
        // clang-format on
    }
    void spacesInAddresses()
    {
        QFETCH(QString, name);
        QFETCH(bool, refused);
        QLineEdit *edit = box(name.toLatin1().constData());
        QTest::mouseClick(edit, Qt::LeftButton); // empties the placeholder

        MessageBoxWatcher boxes;
        QTest::keyClicks(edit, QStringLiteral("a b"));
        QCOMPARE(edit->text(), refused ? QStringLiteral("ab") : QStringLiteral("a b"));
        QCOMPARE(boxes.count(), refused ? 1 : 0);
        if (refused) {
            QVERIFY(IsGemvaraCriticalBox(boxes.last(),
                                         QStringLiteral("Email Address Cannot Contain Space")));
            QCOMPARE(m_form->focusWidget(), edit);
            QVERIFY(QTest::qWaitFor([&] { return QApplication::focusWidget() == edit; }));
        }
    }

    void pastedSpacesPass()
    {
        QLineEdit *edit = box("txtEmail");
        QTest::mouseClick(edit, Qt::LeftButton);
        QGuiApplication::clipboard()->setText(QStringLiteral("a b@c.d"));
        MessageBoxWatcher boxes;
        QTest::keySequence(edit, QKeySequence::Paste);
        QCOMPARE(edit->text(), QStringLiteral("a b@c.d"));
        QCOMPARE(boxes.count(), 0);
    }

    // Paste from a box's context menu lands in the box as the user left it:
    // the menu taking the focus is no leaving, so no placeholder comes back.
    void contextMenuPaste()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted@example.com"));
        for (const char *name : {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail"}) {
            QLineEdit *edit = box(name);
            QTest::mouseClick(edit, Qt::LeftButton); // the placeholder goes
            QCOMPARE(edit->text(), QString());
            QContextMenuEvent right(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    edit->mapToGlobal(QPoint(5, 5)));
            QCoreApplication::sendEvent(edit, &right);
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            const QList<QAction *> entries = menu->actions();
            const auto paste = std::find_if(entries.begin(), entries.end(), [](QAction *a) {
                return a->text().startsWith(QLatin1String("&Paste"));
            });
            QVERIFY(paste != entries.end());
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(*paste).center());
            QTRY_VERIFY(!QApplication::activePopupWidget());
            QCOMPARE(edit->text(), QStringLiteral("pasted@example.com"));
        }
    }

    void submit_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("friendName");
        QTest::addColumn<QString>("friendEmail");
        QTest::addColumn<QString>("message"); // empty: the page opens

        // clang-format off
        QTest::newRow("untouched form") << "Your Name" << "Your Email Address" << "Friend's Name"
                                        << "Friend's Email Address"
                                        << "Please Enter Proper Email Address";
        QTest::newRow("same addresses without @")
            << "Ann" << "ann" << "Bob" << " ann " << "Please Enter Distinct Email Addresses";
        QTest::newRow("same addresses, one with blanks")
            << "Ann" << " a@b.c" << "Bob" << "a@b.c  " << "Please Enter Distinct Email Addresses";
        QTest::newRow("one address without @")
            << "Ann" << "ann@x.org" << "Bob" << "bob.x.org" << "Please Enter Proper Email Address";
        QTest::newRow("one address without .")
            << "Ann" << "ann@x.org" << "Bob" << "bob@x" << "Please Enter Proper Email Address";
        QTest::newRow("name still the placeholder")
            << "Your Name" << "ann@x.org" << "Bob" << "bob@x.org" << "Please Enter Your Name";
        QTest::newRow("friend's name blank")
            << "Ann" << "ann@x.org" << "  " << "bob@x.org" << "Please Enter Your Friend's Name";
        QTest::newRow("addresses differing in case only are distinct")
            << "Ann" << "Ann@x.org" << "Bob" << "ann@x.org" << "";
        QTest::newRow("valid, names with blanks and &")
            << " Ann & Lee " << " ann@x.org" << "Bob  Roy" << "bob@x.org " << "";
        // clang-format on
    }
    void submit()
    {
        QFETCH(QString, name);
        QFETCH(QString, email);
        QFETCH(QString, friendName);
        QFETCH(QString, friendEmail);
        QFETCH(QString, message);

        box("txtName")->setText(name);
        box("txtEmail")->setText(email);
        box("txtFriendName")->setText(friendName);
        box("txtFriendEmail")->setText(friendEmail);

        UrlRecorder urls;
        MessageBoxWatcher boxes;
        click("cmdSubmit");
        if (!message.isEmpty()) {
            QCOMPARE(boxes.count(), 1);
            QVERIFY2(IsGemvaraCriticalBox(boxes.last(), message), qPrintable(boxes.last().text));
            QVERIFY(urls.urls().isEmpty());
        } else {
            QCOMPARE(boxes.count(), 0);
            QCOMPARE(urls.urls().size(), 1);
            QCOMPARE(
                DecodedValues(urls.urls().first()),
                (QStringList{name.trimmed(), email.trimmed(), QStringLiteral("Your Message\r\n"),
                             friendName.trimmed(), friendEmail.trimmed(), ProductSiteRoot()}));
            // Nothing is cleared; a second press sends the same again.
            click("cmdSubmit");
            QCOMPARE(urls.urls().size(), 2);
            QCOMPARE(urls.urls().at(1), urls.urls().at(0));
        }
        // The entries stay as typed after any outcome.
        QCOMPARE(box("txtName")->text(), name);
        QCOMPARE(box("txtFriendEmail")->text(), friendEmail);
    }

    void blankHiddenMessageIsRefused()
    {
        box("txtName")->setText(QStringLiteral("Ann"));
        box("txtEmail")->setText(QStringLiteral("ann@x.org"));
        box("txtFriendName")->setText(QStringLiteral("Bob"));
        box("txtFriendEmail")->setText(QStringLiteral("bob@x.org"));

        // Out of sight it is hidden and takes no focus; shown, it has the
        // other boxes' focus rules.
        auto *message = Child<QPlainTextEdit>(m_form.get(), "txtMessage");
        message->show();
        message->setFocus(Qt::TabFocusReason);
        QCOMPARE(messageBox(), QStringLiteral("Your Message\n")); // not a placeholder
        QTest::keyClick(message, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(message, QStringLiteral("  "));
        Child(m_form.get(), "cmdSubmit")->setFocus(Qt::TabFocusReason);
        QCOMPARE(messageBox(), QStringLiteral("Your Message"));

        // Getting the focus again empties it, leaving it blank restores it.
        message->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(messageBox(), QString());
        Child(m_form.get(), "cmdSubmit")->setFocus(Qt::TabFocusReason);

        UrlRecorder urls;
        MessageBoxWatcher boxes;
        click("cmdSubmit");
        QCOMPARE(boxes.count(), 1);
        QVERIFY(IsGemvaraCriticalBox(boxes.last(), QStringLiteral("Please Enter Your Message")));
        QVERIFY(urls.urls().isEmpty());
    }

    void links()
    {
        UrlRecorder urls;
        auto *check = Child<QCheckBox>(m_form.get(), "Check1");
        click("Check1");
        QVERIFY(!check->isChecked());
        click("Check1"); // unticked again, so each click opens the page
        QVERIFY(!check->isChecked());
        click("lblGoToHome");
        QCOMPARE(urls.addresses(),
                 (QStringList{ForumSite(), ForumSite(),
                              ForumSite() + QStringLiteral("/orvantasoftwares")}));
        QVERIFY(m_form->isVisible());
    }
};

GEMVARA_TEST_MAIN(TestExitScreen)
#include "test_exitscreen.moc"
