#include "frmMain.h"
#include "startup.h"

#include "messageboxwatcher.h"
#include "shutdown.h"
#include "testmain.h"
#include "updatereminder.h"
#include "urlrecorder.h"
#include "weblinks.h"
#include "widgethelpers.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLockFile>
#include <QPointer>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

struct ProcessEnded
{
};

QString LockPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QLatin1Char('/')
           + QCoreApplication::applicationName() + QStringLiteral(".lock");
}

QSettings Store()
{
    const QString app = QCoreApplication::applicationName();
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, app, app);
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void drawnNumber_data();
    void drawnNumber();
    void drawnNumberSpread_data();
    void drawnNumberSpread();
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
    SetProcessEndForTesting([] { throw ProcessEnded(); });
    QApplication::setQuitOnLastWindowClosed(false);
    // Each run starts as a user who never ran the program.
    Store().clear();
    Store().sync();
}

void TestStartup::drawnNumber_data()
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

void TestStartup::drawnNumber()
{
    QFETCH(float, r);
    QFETCH(int, n);
    QCOMPARE(int(CoBrandNumberFor(r)), n);
}

void TestStartup::drawnNumberSpread_data()
{
    QTest::addColumn<bool>("seeded");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("r evenly spread over [0, 1)") << false << 0.001;
    QTest::newRow("draws of a seeded generator") << true << 0.005;
}

void TestStartup::drawnNumberSpread()
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
        Child<QLabel>(&main, "lblCobrand")->raise();

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
    bool ended = false;
    try {
        StartApplication();
    } catch (const ProcessEnded &) {
        ended = true;
    }
    QVERIFY(ended);
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
    SetProcessEndForTesting([] { throw ProcessEnded(); });
    MessageBoxWatcher boxes;
    StartApplication();

    QCOMPARE(boxes.count(), 0); // a first start asks nothing
    QVERIFY(Store().contains(QLatin1String(ReminderKey)));
    QCOMPARE(TopLevels<frmMain>().size(), 1);
    QPointer<frmMain> main = TopLevels<frmMain>().first();
    QVERIFY(main->isVisible());
    QCOMPARE(main->windowTitle(), QStringLiteral("Gemvara v1.0"));

    // Start-up drew once and put one offer in front; a draw returns its
    // number and shows it on the window.
    QLabel *full = Child<QLabel>(main, "lblFullBrand");
    QLabel *cobrand = Child<QLabel>(main, "lblCobrand");
    const auto front = [full] { return full->parentWidget()->childAt(full->geometry().center()); };
    QWidget *before = front();
    QVERIFY(before == full || before == cobrand);
    const int n = CoBrand_Randomize(main);
    QVERIFY(n >= 1 && n <= 7);
    QCOMPARE(front(), n == 7 ? before : (n % 2 == 1 ? cobrand : full));

    // This copy now holds the lock.
    QLockFile other(LockPath());
    QVERIFY(!other.tryLock(0));

    main->close();
    QTRY_VERIFY(!main);
    QVERIFY(TopLevels<frmMain>().isEmpty());
}

GEMVARA_TEST_MAIN(TestStartup)
#include "test_startup.moc"
