#include "ui/main/frmMain.h"

#include "tests/support/messageboxwatcher.h"
#include "tests/support/testmain.h"
#include "tests/support/widgethelpers.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class TestValidation : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void checks_data();
    void checks();
    void inputIsNeverChanged();

private:
    QPointer<frmMain> m_main;
};

void TestValidation::init()
{
    m_main = new frmMain;
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
}

void TestValidation::cleanup()
{
    delete m_main;
}

void TestValidation::checks_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("day"); // "" leaves the list without a selection
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("message"); // "" means accepted
    QTest::addColumn<QString>("focus");   // "" means the focus stays in cmdNext

    const QString first = QStringLiteral("Please Enter Your First Name");
    const QString last = QStringLiteral("Please Enter Your Last Name");
    const QString feb = QStringLiteral("Please Enter Correct Date Or Month!");
    const QString thirty = QStringLiteral("Please Enter Correct Date Or Month !");

    // clang-format off
    QTest::newRow("both names empty") << "" << "" << "1" << "January" << "1900" << first << "txtFirstName";
    QTest::newRow("first name empty") << "" << "DOE" << "1" << "January" << "1900" << first << "txtFirstName";
    QTest::newRow("last name empty") << "JO" << "" << "1" << "January" << "1900" << last << "txtLastName";
    QTest::newRow("blank names pass") << " " << " " << "1" << "January" << "1900" << "" << "";
    QTest::newRow("no day") << "JO" << "DOE" << "" << "January" << "1900"
                            << "Please Specify Your Birth Date" << "cboDate";
    QTest::newRow("no month") << "JO" << "DOE" << "1" << "" << "1900"
                              << "Please Specify Your Birth Month" << "cboMonth";
    QTest::newRow("no year") << "JO" << "DOE" << "1" << "January" << ""
                             << "Please Specify Your Birth Year" << "cboYear";
    QTest::newRow("names before date") << "" << "DOE" << "" << "" << "" << first << "txtFirstName";
    // clang-format on

    // February, Gregorian leap years: 1900 was not one, 2000 was.
    // clang-format off
    QTest::newRow("29 Feb 1900") << "JO" << "DOE" << "29" << "February" << "1900" << feb << "";
    QTest::newRow("28 Feb 1900") << "JO" << "DOE" << "28" << "February" << "1900" << "" << "";
    QTest::newRow("29 Feb 2000") << "JO" << "DOE" << "29" << "February" << "2000" << "" << "";
    QTest::newRow("29 Feb 2004") << "JO" << "DOE" << "29" << "February" << "2004" << "" << "";
    QTest::newRow("29 Feb 2001") << "JO" << "DOE" << "29" << "February" << "2001" << feb << "";
    QTest::newRow("29 Feb 2048") << "JO" << "DOE" << "29" << "February" << "2048" << "" << "";
    QTest::newRow("30 Feb 2000") << "JO" << "DOE" << "30" << "February" << "2000" << feb << "";
    QTest::newRow("31 Feb 2004") << "JO" << "DOE" << "31" << "February" << "2004" << feb << "";
    QTest::newRow("30 Feb 2001") << "JO" << "DOE" << "30" << "February" << "2001" << feb << "";
    // clang-format on

    for (const char *month : {"April", "June", "September", "November"})
        // clang-format off
        QTest::newRow(qPrintable(QStringLiteral("31 %1").arg(QLatin1String(month))))
            << "JO" << "DOE" << "31" << month << "1999" << thirty << "";
    QTest::newRow("30 April") << "JO" << "DOE" << "30" << "April" << "1999" << "" << "";
    QTest::newRow("31 May") << "JO" << "DOE" << "31" << "May" << "1999" << "" << "";
    QTest::newRow("31 December 2050") << "JO" << "DOE" << "31" << "December" << "2050" << "" << "";
    // clang-format on
}

void TestValidation::checks()
{
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    Child<QLineEdit>(m_main, "txtFirstName")->setText(first);
    Child<QLineEdit>(m_main, "txtLastName")->setText(last);
    Child<QComboBox>(m_main, "cboDate")
        ->setCurrentIndex(Child<QComboBox>(m_main, "cboDate")->findText(day));
    Child<QComboBox>(m_main, "cboMonth")
        ->setCurrentIndex(Child<QComboBox>(m_main, "cboMonth")->findText(month));
    Child<QComboBox>(m_main, "cboYear")
        ->setCurrentIndex(Child<QComboBox>(m_main, "cboYear")->findText(year));
    auto *next = Child<QPushButton>(m_main, "cmdNext");
    next->setFocus();

    MessageBoxWatcher boxes;
    QSignalSpy readings(m_main.data(), &frmMain::readingRequested);
    next->click();

    QCOMPARE(readings.count() == 1, message.isEmpty());
    if (message.isEmpty()) {
        QCOMPARE(boxes.count(), 0);
    } else {
        QCOMPARE(boxes.count(), 1);
        QVERIFY2(IsGemvaraInfoBox(boxes.last(), message), qPrintable(boxes.last().text));
        QCOMPARE(boxes.last().defaultButton, QMessageBox::Ok);
    }
    QCOMPARE(m_main->focusWidget()->objectName(),
             focus.isEmpty() ? QStringLiteral("cmdNext") : focus);
}

void TestValidation::inputIsNeverChanged()
{
    Child<QLineEdit>(m_main, "txtFirstName")->setText(QStringLiteral(" JO "));
    Child<QLineEdit>(m_main, "txtLastName")->setText(QStringLiteral("DOE"));
    Child<QComboBox>(m_main, "cboDate")->setCurrentIndex(30);
    Child<QComboBox>(m_main, "cboMonth")->setCurrentIndex(10);
    Child<QComboBox>(m_main, "cboYear")->setCurrentIndex(100);

    MessageBoxWatcher boxes;
    QSignalSpy readings(m_main.data(), &frmMain::readingRequested);
    Child<QPushButton>(m_main, "cmdNext")->click();
    QCOMPARE(readings.count(), 0);
    QCOMPARE(Child<QLineEdit>(m_main, "txtFirstName")->text(), QStringLiteral(" JO "));
    QCOMPARE(Child<QComboBox>(m_main, "cboDate")->currentText(), QStringLiteral("31"));
    QCOMPARE(Child<QComboBox>(m_main, "cboMonth")->currentText(), QStringLiteral("November"));
    QCOMPARE(Child<QComboBox>(m_main, "cboYear")->currentText(), QStringLiteral("2000"));
    QCOMPARE(boxes.count(), 1);
}

GEMVARA_TEST_MAIN(TestValidation)
#include "test_validation.moc"
