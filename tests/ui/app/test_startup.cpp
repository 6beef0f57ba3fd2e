#include "ui/app/startup.h"
#include "ui/main/frmMain.h"

#include "platform/updatereminder.h"
#include "platform/weblinks.h"
#include "tests/support/messageboxwatcher.h"
#include "tests/support/testmain.h"
#include "tests/support/urlrecorder.h"
#include "tests/support/widgethelpers.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLockFile>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <memory>

namespace {

QString LockPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QLatin1Char('/')
           + QCoreApplication::applicationName() + QStringLiteral(".lock");
}

QSettings Store()
{
    return QSettings();
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void offerInFront_data();
    void offerInFront();
    void secondCopyGivesWay();
    void firstCopyStarts();
};

void TestStartup::initTestCase()
{
    // The private runtime folder must exist before anything asks for it,
    // or the lock would go to the shared fallback folder.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QVERIFY(!runtime.isEmpty());
    QVERIFY(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation), runtime);
    QApplication::setQuitOnLastWindowClosed(false);
    // Each run starts as a user who never ran the program.
    Store().clear();
    Store().sync();
}

void TestStartup::offerInFront_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("cobrandFirst"); // the stacking before the draw
    QTest::addColumn<bool>("cobrandAfter");

    for (bool before : {false, true}) {
        const char *start = before ? "from co-brand" : "from full-brand";
        for (int n = 1; n <= 7; ++n) {
            const bool after = (n == 1 || n == 3 || n == 5) ? true : (n == 7) ? before : false;
            // clang-format off
            QTest::addRow("n=%d %s", n, start) << n << before << after;
            // clang-format on
        }
    }
}

void TestStartup::offerInFront()
{
    QFETCH(int, n);
    QFETCH(bool, cobrandFirst);
    QFETCH(bool, cobrandAfter);

    frmMain main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    if (cobrandFirst)
        main.showCoBrandChoice(1);

    main.showCoBrandChoice(qint16(n));

    QLabel *front =
        cobrandAfter ? Child<QLabel>(&main, "lblCobrand") : Child<QLabel>(&main, "lblFullBrand");
    QLabel *full = Child<QLabel>(&main, "lblFullBrand");
    QCOMPARE(full->parentWidget()->childAt(full->geometry().center()), front);

    // The user's click lands on the front one only.
    UrlRecorder pages;
    QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {},
                      full->mapTo(&main, full->rect().center()));
    const QString page =
        cobrandAfter ? QStringLiteral("/co-brand.html") : QStringLiteral("/fully-branded.html");
    QCOMPARE(pages.addresses(), QStringList{HelpSite() + page});
}

void TestStartup::secondCopyGivesWay()
{
    QLockFile other(LockPath());
    QVERIFY(other.tryLock(0));

    MessageBoxWatcher boxes;
    Program program;
    QVERIFY(!StartApplication(program));
    QCOMPARE(boxes.count(), 1);
    QVERIFY(IsGemvaraInfoBox(boxes.last(), QStringLiteral("Application is already running")));
    QCOMPARE(boxes.last().defaultButton, QMessageBox::Ok);
    // Nothing else ran: no window (so no draw to show), no reminder.
    QVERIFY(TopLevels<frmMain>().isEmpty());
    QVERIFY(Store().allKeys().isEmpty());
    // The first copy keeps its lock.
    QVERIFY(other.isLocked());
    QVERIFY(QFile::exists(LockPath()));
    other.unlock();
}

void TestStartup::firstCopyStarts()
{
    MessageBoxWatcher boxes;
    auto program = std::make_unique<Program>();
    QVERIFY(StartApplication(*program));

    QCOMPARE(boxes.count(), 0); // a first start asks nothing
    QVERIFY(Store().contains(QLatin1String(ReminderKey)));
    QCOMPARE(TopLevels<frmMain>().size(), 1);
    QPointer<frmMain> main = TopLevels<frmMain>().first();
    QVERIFY(main->isVisible());
    QCOMPARE(main->windowTitle(), QStringLiteral("Gemvara v1.0"));

    // Start-up drew once and put one offer in front.
    QLabel *full = Child<QLabel>(main, "lblFullBrand");
    QLabel *front =
        qobject_cast<QLabel *>(full->parentWidget()->childAt(full->geometry().center()));
    QVERIFY(front == full || front == Child<QLabel>(main, "lblCobrand"));

    // This copy now holds the lock.
    QLockFile other(LockPath());
    QVERIFY(!other.tryLock(0));

    // When main is done with the program, its windows go, then the lock.
    program.reset();
    QVERIFY(!main);
    QVERIFY(other.tryLock(0));
}

GEMVARA_TEST_MAIN(TestStartup)
#include "test_startup.moc"
