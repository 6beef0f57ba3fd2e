// Hostile text in every box of the program, pasted as a user would: a
// megabyte, control characters, emoji, combining marks, right-to-left text.
// Nothing may crash or be cut; validation and the referral address must
// behave as they do for ordinary names.

#include "ui/app/navigator.h"
#include "ui/exit/frmExitScreen.h"
#include "ui/exit/tellafriend.h"
#include "ui/main/frmMain.h"
#include "ui/reading/frmDisplay.h"

#include "tests/support/messageboxwatcher.h"
#include "tests/support/testmain.h"
#include "tests/support/urlrecorder.h"
#include "tests/support/widgethelpers.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

#include <memory>

namespace {

QString Repeated(const QString &piece, qsizetype size)
{
    QString text;
    text.reserve(size + piece.size());
    while (text.size() < size)
        text += piece;
    return text;
}

const QString Emoji = QString::fromUtf8("\U0001F600\U0001F469\u200D\U0001F469\u200D\U0001F467"
                                        "\U0001F3F3\uFE0F\u200D\U0001F308");
const QString Combining =
    QStringLiteral("e") + QString(300, QChar(0x0301)) + QStringLiteral("z\u0352\u0489");
const QString RightToLeft =
    QString::fromUtf8("\u05E9\u05DC\u05D5\u05DD \u0645\u0631\u062D\u0628\u0627 "
                      "\u202Eevil\u202C \u200F!");
const QString Controls =
    QStringLiteral("a\x01\x02\x1b[31m\x7f\tb\r\nc\x08") + QChar(0x85) + QChar(0x2028);
// The megabyte rows take most of the time: they run on their own, with
// GEMVARA_LARGE_INPUT set, and the other rows without it.
void AddInputs()
{
    QTest::addColumn<QString>("text");
    if (qEnvironmentVariableIsSet("GEMVARA_LARGE_INPUT")) {
        const QString mixed = Emoji + Combining + RightToLeft + Controls;
        QTest::newRow("1 MB of letters and blanks")
            << Repeated(QStringLiteral("abcdefghij KLMNOPQRS "), 1 << 20);
        QTest::newRow("1 MB of all kinds below") << Repeated(mixed, 1 << 20);
        return;
    }
    // clang-format off
    QTest::newRow("control characters and line breaks") << Controls;
    QTest::newRow("emoji with joiners") << Emoji;
    QTest::newRow("300 combining marks on one letter") << Combining;
    QTest::newRow("right-to-left with an override") << RightToLeft;
    QTest::newRow("unpaired surrogate") << QStringLiteral("x") + QChar(0xD800) + QStringLiteral("y");
    // clang-format on
}

// What a line box holds after the text was pasted into it empty: the text
// as the clipboard gives it back, on one line.
QString AsPasted(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    return QGuiApplication::clipboard()->text();
}

void Paste(QWidget *box, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

// Typing that QTest::keyClicks cannot do (it takes Latin-1 only): key
// events carrying the text, a character at a time.
void Type(QWidget *box, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
        QApplication::sendEvent(box, &release);
    }
}

} // namespace

class TestBadInput : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Navigator> m_navigator;
    QPointer<frmMain> m_main;

    void askForReading() { Child<QPushButton>(m_main, "cmdNext")->click(); }

private slots:
    void init()
    {
        m_navigator = std::make_unique<Navigator>();
        m_main = m_navigator->openMain();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
    }

    void cleanup()
    {
        DeleteAllWindows();
        m_navigator.reset();
    }

    // Pasted into the three name boxes, the text stays whole and the
    // reading comes as for any name; the middle name alone is not enough.
    void nameBoxes_data() { AddInputs(); }
    void nameBoxes()
    {
        QFETCH(QString, text);
        const QString pasted = AsPasted(text);
        QLineEdit *boxes[] = {Child<QLineEdit>(m_main, "txtFirstName"),
                              Child<QLineEdit>(m_main, "txtMiddleName"),
                              Child<QLineEdit>(m_main, "txtLastName")};

        Paste(boxes[1], text);
        QCOMPARE(boxes[1]->text(), pasted);
        {
            MessageBoxWatcher messages;
            askForReading();
            QCOMPARE(messages.count(), 1);
            QVERIFY(
                IsGemvaraInfoBox(messages.last(), QStringLiteral("Please Enter Your First Name")));
        }
        QVERIFY(TopLevels<frmDisplay>().isEmpty());

        for (QLineEdit *box : boxes) {
            Paste(box, text);
            QCOMPARE(box->text().size(), pasted.size());
            QVERIFY(box->text() == pasted);
        }
        MessageBoxWatcher none;
        askForReading();
        QCOMPARE(none.count(), 0);
        QCOMPARE(TopLevels<frmDisplay>().size(), 1);
        frmDisplay *reading = TopLevels<frmDisplay>().first();
        QVERIFY(reading->isVisible());
        QVERIFY(!m_main->isVisible());
        // The names take no part in the reading and are never shown.
        for (QPlainTextEdit *box : reading->findChildren<QPlainTextEdit *>())
            QVERIFY(!box->toPlainText().contains(pasted.left(16)));
    }

    // The reading's boxes are read-only: pasting or typing changes nothing,
    // and their whole text can still be selected and copied.
    void readingBoxesStayAsTheyAre_data() { AddInputs(); }
    void readingBoxesStayAsTheyAre()
    {
        QFETCH(QString, text);
        QTest::keyClicks(Child<QLineEdit>(m_main, "txtFirstName"), QStringLiteral("mira"));
        QTest::keyClicks(Child<QLineEdit>(m_main, "txtLastName"), QStringLiteral("okafor"));
        askForReading();
        QCOMPARE(TopLevels<frmDisplay>().size(), 1);
        frmDisplay *reading = TopLevels<frmDisplay>().first();
        const QList<QPlainTextEdit *> boxes = reading->findChildren<QPlainTextEdit *>();
        QCOMPARE(boxes.size(), 5);
        for (QPlainTextEdit *box : boxes) {
            const QString before = box->toPlainText();
            Paste(box, text);
            Type(box, text.left(64));
            QTest::keyClick(box, Qt::Key_Backspace);
            QCOMPARE(box->toPlainText(), before);
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QGuiApplication::clipboard()->text(), before);
        }
    }

    // Pasted into the four boxes of the refer-a-friend form, the text is
    // sent whole: the query decodes to exactly what the boxes hold.
    void referralCarriesEveryBoxWhole_data() { AddInputs(); }
    void referralCarriesEveryBoxWhole()
    {
        QFETCH(QString, text);
        frmExitScreen form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const struct
        {
            const char *box;
            QString value;
        } entries[] = {
            {"txtName", text},
            {"txtEmail", text + QStringLiteral("@example.org")},
            {"txtFriendName", text},
            {"txtFriendEmail", QStringLiteral("friend@example.org") + text},
        };
        QStringList expected;
        for (const auto &entry : entries) {
            auto *box = Child<QLineEdit>(&form, entry.box);
            Paste(box, entry.value);
            QCOMPARE(box->text().size(), AsPasted(entry.value).size());
            expected << TrimBlanks(box->text());
        }

        UrlRecorder pages;
        MessageBoxWatcher messages;
        QTest::mouseClick(Child<QPushButton>(&form, "cmdSubmit"), Qt::LeftButton);
        QCOMPARE(messages.count(), 0);
        QCOMPARE(pages.urls().size(), 1);

        const QUrlQuery query(pages.urls().first());
        const auto value = [&](const char *key) {
            return query.queryItemValue(QString::fromLatin1(key), QUrl::FullyDecoded);
        };
        // What the server gets back is the UTF-8 of what the box holds.
        const auto sent = [](const QString &s) { return QString::fromUtf8(s.toUtf8()); };
        QCOMPARE(value("taf1"), sent(expected[0]));
        QCOMPARE(value("taf2"), sent(expected[1]));
        QCOMPARE(value("taf3"), QStringLiteral("Your Message\r\n"));
        QCOMPARE(value("taf4"), sent(expected[2]));
        QCOMPARE(value("taf5"), sent(expected[3]));
        QCOMPARE(query.queryItems().size(), 6);
    }

    // The address checks look at "@" and "." only, whatever surrounds them.
    void addressChecksIgnoreTheRest_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("emoji around @ and .") << Emoji + QStringLiteral("@") + Emoji + QStringLiteral(".") + Emoji << QString();
        QTest::newRow("right-to-left without @") << RightToLeft + QStringLiteral(".") << QStringLiteral("Please Enter Proper Email Address");
        QTest::newRow("fullwidth @ is not @") << QString::fromUtf8("a\uFF20b.c")
                                              << "Please Enter Proper Email Address";
        QTest::newRow("control characters only") << Controls << "Please Enter Proper Email Address";
        QTest::newRow("1 MB without a dot") << Repeated(QStringLiteral("a@b"), 1 << 20)
                                            << "Please Enter Proper Email Address";
        // clang-format on
    }
    void addressChecksIgnoreTheRest()
    {
        QFETCH(QString, email);
        QFETCH(QString, message);
        frmExitScreen form;
        form.show();
        Paste(Child<QLineEdit>(&form, "txtName"), QStringLiteral("Ann"));
        Paste(Child<QLineEdit>(&form, "txtEmail"), email);
        Paste(Child<QLineEdit>(&form, "txtFriendName"), QStringLiteral("Bo"));
        Paste(Child<QLineEdit>(&form, "txtFriendEmail"), QStringLiteral("bo@example.org"));

        UrlRecorder pages;
        MessageBoxWatcher messages;
        QTest::mouseClick(Child<QPushButton>(&form, "cmdSubmit"), Qt::LeftButton);
        if (message.isEmpty()) {
            QCOMPARE(messages.count(), 0);
            QCOMPARE(pages.urls().size(), 1);
        } else {
            QCOMPARE(messages.count(), 1);
            QVERIFY(IsGemvaraCriticalBox(messages.last(), message));
            QVERIFY(pages.urls().isEmpty());
        }
    }
};

GEMVARA_TEST_MAIN(TestBadInput)
#include "test_badinput.moc"
