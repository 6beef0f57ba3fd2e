#include "tests/support/testmain.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestShutdown : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void processEndsAfterClosingWindows_data();
    void processEndsAfterClosingWindows();

private:
    QTemporaryDir m_dir;
};

void TestShutdown::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QVERIFY(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestShutdown::processEndsAfterClosingWindows_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("closed");   // close handlers that must have run, once each
    QTest::addColumn<QStringList>("settings"); // values written by close handlers

    QTest::newRow("before any window") << "bare" << QStringList() << QStringList();
    // B is loaded but hidden; R refuses to close and is not asked again; D
    // is opened by C's closing and closed before it could be seen.
    QTest::newRow("several windows")
        << QStringLiteral("several")
        << QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                       QStringLiteral("D"), QStringLiteral("R")}
        << QStringList{QStringLiteral("closed/A")};
    // Each handler quits again: the inner call finishes the others' closing.
    QTest::newRow("re-entered from a close handler")
        << QStringLiteral("reenter")
        << QStringList{QStringLiteral("E"), QStringLiteral("F"), QStringLiteral("G")}
        << QStringList{QStringLiteral("closed/G")};
}

void TestShutdown::processEndsAfterClosingWindows()
{
    QFETCH(QString, mode);
    QFETCH(QStringList, closed);
    QFETCH(QStringList, settings);

    const QString ini = m_dir.filePath(mode + QStringLiteral(".ini"));
    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("GEMVARA_PROBE_INI"), ini);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    probe.setProcessEnvironment(env);
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    probe.start(QCoreApplication::applicationDirPath() + QStringLiteral("/" PROBE_NAME), {mode});
    QVERIFY(probe.waitForFinished(30000));
    QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
    QCOMPARE(probe.exitCode(), 0);

    QStringList lines =
        QString::fromLatin1(probe.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.takeFirst(), QStringLiteral("locked"));
    // The handler that quit ends, then the event loop; no handler queued
    // before the quit runs after it.
    QCOMPARE(lines.mid(lines.size() - 2),
             (QStringList{QStringLiteral("after"), QStringLiteral("event loop left")}));
    QStringList closeLines;
    for (const QString &line : lines.first(lines.size() - 2)) {
        QVERIFY2(line.startsWith(QLatin1String("close ")), qPrintable(line));
        closeLines << line.mid(6);
    }
    for (const QString &name : closed)
        QVERIFY2(closeLines.count(name) == 1, qPrintable(closeLines.join(u',')));
    QVERIFY2(closeLines.size() == closed.size(), qPrintable(closeLines.join(u',')));

    QSettings written(ini, QSettings::IniFormat);
    QCOMPARE(written.allKeys(), settings);

    // The lock went with the process, by its normal end: the next start
    // finds no file at all.
    const QString lock = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
                         + QStringLiteral("/GemvaraShutdownProbe.lock");
    QVERIFY(!QFile::exists(lock));
}

GEMVARA_TEST_MAIN(TestShutdown)
#include "test_shutdown.moc"
