// Whole readings as a user asks for them: names typed, date picked in the
// main window's lists, "Get My Gemvara Reading" pressed.

#include "engine/catalogue.h"
#include "engine/gemstones.h"
#include "ui/app/navigator.h"
#include "ui/main/frmMain.h"
#include "ui/reading/frmDisplay.h"

#include "tests/support/messageboxwatcher.h"
#include "tests/support/testmain.h"
#include "tests/support/widgethelpers.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QWindow>

#include <memory>

namespace {

QString Text(frmDisplay *window, const char *box)
{
    return window->findChild<QPlainTextEdit *>(QString::fromLatin1(box))->toPlainText();
}

QString Caption(frmDisplay *window, const char *label)
{
    return window->findChild<QLabel *>(QString::fromLatin1(label))->text();
}

} // namespace

class TestReadingRequest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Navigator> m_navigator;
    QPointer<frmMain> m_main;

    void enterDate(const QString &day, const QString &month, const QString &year)
    {
        Pick(Child<QComboBox>(m_main, "cboDate"), day);
        Pick(Child<QComboBox>(m_main, "cboMonth"), month);
        Pick(Child<QComboBox>(m_main, "cboYear"), year);
    }

    void ask(bool viaMenu = false)
    {
        if (viaMenu)
            m_main->findChild<QAction *>(QStringLiteral("mnuNext"))->trigger();
        else
            QTest::mouseClick(m_main->findChild<QPushButton *>(QStringLiteral("cmdNext")),
                              Qt::LeftButton);
    }

    // One whole reading; returns the window it opened.
    frmDisplay *reading(const QString &day, const QString &month, const QString &year,
                        bool viaMenu = false)
    {
        enterDate(day, month, year);
        ask(viaMenu);
        const QList<frmDisplay *> windows = TopLevels<frmDisplay>();
        return windows.size() == 1 && windows.first()->isVisible() ? windows.first() : nullptr;
    }

    void back(frmDisplay *window)
    {
        QPointer<frmDisplay> gone = window;
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdback")),
                          Qt::LeftButton);
        QTRY_VERIFY(gone.isNull());
    }

private slots:
    void init()
    {
        m_navigator = std::make_unique<Navigator>();
        m_main = m_navigator->openMain();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
        TypeInto(Child<QLineEdit>(m_main, "txtFirstName"), QStringLiteral("Mira"));
        TypeInto(Child<QLineEdit>(m_main, "txtLastName"), QStringLiteral("Okafor"));
    }

    void cleanup()
    {
        DeleteAllWindows();
        m_navigator.reset();
        QGuiApplication::clipboard()->clear();
    }

    void readings_data()
    {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<int>("lifePath");
        QTest::addColumn<int>("birthday");
        QTest::addColumn<QString>("gem");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("picture");

        const QString catsEye = QStringLiteral("Cat\u2019s Eye");
        // clang-format off
        QTest::newRow("29 Nov 1999") << "29" << "November" << "1999" << 5 << 29 << catsEye << "Cat's eye" << 3;
        QTest::newRow("3 Sep 1999: 22") << "3" << "September" << "1999" << 22 << 3 << "Yellow Topaz" << "Topaz" << 9;
        QTest::newRow("1 Jan 1998: 11") << "1" << "January" << "1998" << 11 << 1 << "Yellow Topaz" << "Topaz" << 9;
        QTest::newRow("1 Mar 1900: Ruby") << "1" << "March" << "1900" << 5 << 1 << "Ruby" << "Ruby" << 8;
        QTest::newRow("1 Jan 1900") << "1" << "January" << "1900" << 3 << 1 << "Yellow Topaz" << "Topaz" << 9;
        QTest::newRow("2 Jul 1900") << "2" << "July" << "1900" << 1 << 2 << "Golden Topaz" << "Topaz" << 9;
        QTest::newRow("1 Jun 1900") << "1" << "June" << "1900" << 8 << 1 << "Golden Topaz" << "Topaz" << 9;
        QTest::newRow("9 Sep 1900") << "9" << "September" << "1900" << 1 << 9 << "Coral" << "Coral" << 4;
        QTest::newRow("9 Jan 1900: 11") << "9" << "January" << "1900" << 11 << 9 << "Moonstone" << "Moonstone" << 7;
        QTest::newRow("6 May 1900") << "6" << "May" << "1900" << 3 << 6 << "Yellow Topaz" << "Topaz" << 9;
        QTest::newRow("3 Jan 1900") << "3" << "January" << "1900" << 5 << 3 << "Amethyst" << "Amethyst" << 1;
        QTest::newRow("22 Feb 1922: 11") << "22" << "February" << "1922" << 11 << 22 << "Light Blue Sapphire" << "Sapphire" << 2;
        QTest::newRow("5 Jan 1900") << "5" << "January" << "1900" << 7 << 5 << "Diamond" << "Diamond" << 5;
        QTest::newRow("6 Jan 1900") << "6" << "January" << "1900" << 8 << 6 << "Emerald" << "Emerald" << 6;
        QTest::newRow("8 Jan 1900") << "8" << "January" << "1900" << 1 << 8 << "Blue Sapphire" << "Sapphire" << 2;
        QTest::newRow("1 Sep 1990") << "1" << "September" << "1990" << 2 << 1 << "Yellow Topaz" << "Topaz" << 9;
        QTest::newRow("31 Dec 2050") << "31" << "December" << "2050" << 5 << 31 << "Light Blue Sapphire" << "Sapphire" << 2;
        // clang-format on
    }

    void readings()
    {
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(int, lifePath);
        QFETCH(int, birthday);
        QFETCH(QString, gem);
        QFETCH(QString, kind);
        QFETCH(int, picture);

        QGuiApplication::clipboard()->setText(QStringLiteral("held before the reading"));
        frmDisplay *window = reading(day, month, year);
        QVERIFY(window);
        QVERIFY(!m_main->isVisible());
        QVERIFY(!ExitScreenVisible());
        QVERIFY(ExitScreenWidget());
        QVERIFY(!window->isModal());
        // Filling the guarded boxes empties the clipboard.
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());

        QCOMPARE(Caption(window, "lblLifePathNumber"), QString::number(lifePath));
        QCOMPARE(Text(window, "txtLifeJourneyNumberDisplay"), LifePathSignificance());
        QCOMPARE(Text(window, "txtLifeJourneyNumberDisplayDesc"),
                 LifePathCatalogue(lifePath).value_or(QString()));
        QCOMPARE(Caption(window, "lblBirthdayNumber"), QString::number(birthday));
        QCOMPARE(Text(window, "txtBirthdayNumberDisplay"), BirthdaySignificance());
        QCOMPARE(Text(window, "txtBirthdayNumberDisplayDesc"),
                 BirthdayCatalogue(birthday).value_or(QString()));

        QCOMPARE(Caption(window, "lblGemstoneName"), gem);
        QCOMPARE(Text(window, "txtGemstoneDesc"),
                 GemDescriptionCatalogue(kind).value_or(QString()));
        QCOMPARE(
            Normalised(window->findChild<QLabel *>(QStringLiteral("picGem"))->pixmap().toImage()),
            Normalised(QImage(GemPicturePath(picture))));

        QCOMPARE(window->findChild<QTabWidget *>(QStringLiteral("SSTab1"))->currentIndex(), 1);
    }

    // Long texts open at their beginning, caret and scroll bar at the top.
    void textsStartAtTheTop()
    {
        frmDisplay *window =
            reading(QStringLiteral("31"), QStringLiteral("January"), QStringLiteral("1900"));
        QVERIFY(window);
        auto *tabs = window->findChild<QTabWidget *>(QStringLiteral("SSTab1"));
        for (int page : {0, 1, 2}) {
            tabs->setCurrentIndex(page);
            for (QPlainTextEdit *box : tabs->widget(page)->findChildren<QPlainTextEdit *>()) {
                QVERIFY2(!box->toPlainText().isEmpty(), qPrintable(box->objectName()));
                QCOMPARE(box->textCursor().position(), 0);
                QCOMPARE(box->verticalScrollBar()->value(), 0);
            }
        }
    }

    // Each day has a text of its own, never the text of its root.
    void everyDayHasItsOwnText()
    {
        QSet<QString> seen;
        for (int day = 1; day <= 31; ++day) {
            frmDisplay *window =
                reading(QString::number(day), QStringLiteral("January"), QStringLiteral("2001"));
            QVERIFY(window);
            const QString text = Text(window, "txtBirthdayNumberDisplayDesc");
            QCOMPARE(Caption(window, "lblBirthdayNumber"), QString::number(day));
            QCOMPARE(text, BirthdayCatalogue(day).value_or(QString()));
            QVERIFY2(!text.isEmpty(), qPrintable(QString::number(day)));
            seen.insert(text);
            back(window);
        }
        QCOMPARE(seen.size(), 31);
    }

    void menuGivesTheSameReading()
    {
        const auto snapshot = [](frmDisplay *window) {
            QStringList values;
            for (const char *label : {"lblLifePathNumber", "lblBirthdayNumber", "lblGemstoneName"})
                values << Caption(window, label);
            for (QPlainTextEdit *box : window->findChildren<QPlainTextEdit *>())
                values << box->objectName() + QLatin1Char('=') + box->toPlainText();
            return values;
        };
        frmDisplay *byButton =
            reading(QStringLiteral("29"), QStringLiteral("November"), QStringLiteral("1999"));
        QVERIFY(byButton);
        const QStringList fromButton = snapshot(byButton);
        const QImage pictureFromButton =
            byButton->findChild<QLabel *>(QStringLiteral("picGem"))->pixmap().toImage();
        back(byButton);

        frmDisplay *byMenu =
            reading(QStringLiteral("29"), QStringLiteral("November"), QStringLiteral("1999"), true);
        QVERIFY(byMenu);
        QCOMPARE(snapshot(byMenu), fromButton);
        QCOMPARE(byMenu->findChild<QLabel *>(QStringLiteral("picGem"))->pixmap().toImage(),
                 pictureFromButton);
        QVERIFY(!m_main->isVisible());
    }

    void refusedInputOpensNothing()
    {
        MessageBoxWatcher boxes;
        TypeInto(Child<QLineEdit>(m_main, "txtFirstName"), QString());
        enterDate(QStringLiteral("29"), QStringLiteral("November"), QStringLiteral("1999"));
        ask();
        QCOMPARE(boxes.count(), 1);
        QVERIFY(TopLevels<frmDisplay>().isEmpty());
        QVERIFY(m_main->isVisible());
        QVERIFY(!ExitScreenVisible());
    }

    // Back, then another date: a fresh window with only the new reading,
    // the main window as the user left it, no exit screen.
    void backThenSecondReading()
    {
        frmDisplay *first =
            reading(QStringLiteral("3"), QStringLiteral("September"), QStringLiteral("1999"));
        QVERIFY(first);
        first->findChild<QTabWidget *>(QStringLiteral("SSTab1"))->setCurrentIndex(2);
        back(first);
        QVERIFY(m_main->isVisible());
        QVERIFY(!ExitScreenVisible());
        QCOMPARE(Child<QLineEdit>(m_main, "txtFirstName")->text(), QStringLiteral("MIRA"));
        QCOMPARE(Child<QLineEdit>(m_main, "txtLastName")->text(), QStringLiteral("OKAFOR"));
        QCOMPARE(Child<QComboBox>(m_main, "cboDate")->currentText(), QStringLiteral("3"));
        QCOMPARE(Child<QComboBox>(m_main, "cboMonth")->currentText(), QStringLiteral("September"));
        QCOMPARE(Child<QComboBox>(m_main, "cboYear")->currentText(), QStringLiteral("1999"));

        frmDisplay *second =
            reading(QStringLiteral("1"), QStringLiteral("March"), QStringLiteral("1900"));
        QVERIFY(second);
        QCOMPARE(Caption(second, "lblLifePathNumber"), QStringLiteral("5"));
        QCOMPARE(Text(second, "txtLifeJourneyNumberDisplay"), LifePathSignificance());
        QCOMPARE(Text(second, "txtLifeJourneyNumberDisplayDesc"),
                 LifePathCatalogue(5).value_or(QString()));
        QCOMPARE(Text(second, "txtBirthdayNumberDisplay"), BirthdaySignificance());
        QCOMPARE(Text(second, "txtBirthdayNumberDisplayDesc"),
                 BirthdayCatalogue(1).value_or(QString()));
        QCOMPARE(Caption(second, "lblGemstoneName"), QStringLiteral("Ruby"));
        QCOMPARE(Text(second, "txtGemstoneDesc"),
                 GemDescriptionCatalogue(QStringLiteral("Ruby")).value_or(QString()));
        QCOMPARE(second->findChild<QTabWidget *>(QStringLiteral("SSTab1"))->currentIndex(), 1);
        QVERIFY(!m_main->isVisible());
        QVERIFY(!ExitScreenVisible());
    }

    void closeBoxLeavesTheExitScreen()
    {
        frmDisplay *window =
            reading(QStringLiteral("29"), QStringLiteral("November"), QStringLiteral("1999"));
        QVERIFY(window);
        QPointer<frmDisplay> gone = window;
        window->windowHandle()->close();
        QTRY_VERIFY(gone.isNull());
        QVERIFY(ExitScreenVisible());
        QVERIFY(!m_main->isVisible());
    }

    // Copying from an interpretation works until a guarded box is touched;
    // a new reading empties the clipboard even untouched.
    void clipboardDuringAReading()
    {
        frmDisplay *window =
            reading(QStringLiteral("29"), QStringLiteral("November"), QStringLiteral("1999"));
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto *interpretation =
            window->findChild<QPlainTextEdit *>(QStringLiteral("txtBirthdayNumberDisplayDesc"));
        auto *significance =
            window->findChild<QPlainTextEdit *>(QStringLiteral("txtBirthdayNumberDisplay"));
        interpretation->setFocus();
        QTRY_VERIFY(interpretation->hasFocus());
        QTest::keyClick(interpretation, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(interpretation, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), BirthdayCatalogue(29).value_or(QString()));
        QTest::mouseMove(interpretation->viewport(), QPoint(20, 20));
        QCOMPARE(QGuiApplication::clipboard()->text(), BirthdayCatalogue(29).value_or(QString()));
        if (!UnderWine()) {
            QTest::mouseMove(significance->viewport(), QPoint(20, 20));
            QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        }

        back(window);
        QGuiApplication::clipboard()->setText(QStringLiteral("copied between readings"));
        QVERIFY(reading(QStringLiteral("2"), QStringLiteral("July"), QStringLiteral("1900")));
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        if (UnderWine())
            QSKIP("Under Wine a pointer moved without a button reaches the window late or never");
    }
};

GEMVARA_TEST_MAIN(TestReadingRequest)
#include "test_readingrequest.moc"
