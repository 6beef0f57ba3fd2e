#include "platform/singleinstance.h"

#include "tests/support/testmain.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <memory>
#include <vector>

namespace {

QString LockPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
           + QStringLiteral("/GemvaraLockProbe.lock");
}

// A probe process; its first output line tells whether it may run.
class Probe
{
public:
    explicit Probe(const QString &mode,
                   const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
    {
        m_process.setProcessEnvironment(env);
        m_process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/" PROBE_NAME),
                        {mode});
    }
    ~Probe()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(10000))
            m_process.kill();
        m_process.waitForFinished(10000);
    }
    // "1" may run, "0" refused.
    QString answer()
    {
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(10000))
                return QStringLiteral("no answer");
        }
        return QString::fromLatin1(m_process.readLine()).trimmed();
    }
    void finish()
    {
        m_process.closeWriteChannel();
        QVERIFY(m_process.waitForFinished(10000));
    }
    QProcess &Process() { return m_process; }

private:
    QProcess m_process;
};

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void secondCopyRefusedWhileFirstRuns();
    void lockOfKilledCopyIsTakenOver_data();
    void lockOfKilledCopyIsTakenOver();
    void unreadableLock_data();
    void unreadableLock();
    void copiesStartedTogether();
    void releasedLockFreesTheNextStart();
    void runsWhenNoLockCanBeMade();
};

void TestSingleInstance::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("GemvaraLockProbe"));
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QVERIFY(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(QFileInfo(LockPath()).absolutePath(), runtime);
}

void TestSingleInstance::cleanup()
{
    QFile::remove(LockPath());
}

void TestSingleInstance::secondCopyRefusedWhileFirstRuns()
{
    Probe first(QStringLiteral("hold"));
    QCOMPARE(first.answer(), QStringLiteral("1"));
    {
        Probe second(QStringLiteral("try"));
        QCOMPARE(second.answer(), QStringLiteral("0"));
    }
    QVERIFY(!InstanceLock().acquire());
    // The refusal leaves the first copy's lock alone.
    QVERIFY(QFile::exists(LockPath()));
    QCOMPARE(first.Process().state(), QProcess::Running);
    first.finish();
    QVERIFY(!QFile::exists(LockPath()));
}

void TestSingleInstance::lockOfKilledCopyIsTakenOver_data()
{
    QTest::addColumn<QString>("how");
    // clang-format off
    QTest::newRow("killed itself") << "crash";
    QTest::newRow("killed from outside") << "kill";
    // clang-format on
}

void TestSingleInstance::lockOfKilledCopyIsTakenOver()
{
    QFETCH(QString, how);
    {
        Probe dying(how == QLatin1String("crash") ? QStringLiteral("crash")
                                                  : QStringLiteral("hold"));
        QCOMPARE(dying.answer(), QStringLiteral("1"));
        if (how == QLatin1String("kill"))
            dying.Process().kill();
        QVERIFY(dying.Process().waitForFinished(10000));
        QCOMPARE(dying.Process().exitStatus(), QProcess::CrashExit);
    }
    QVERIFY(QFile::exists(LockPath())); // left behind
    Probe next(QStringLiteral("hold"));
    QCOMPARE(next.answer(), QStringLiteral("1"));
    QVERIFY(!InstanceLock().acquire());
}

// A lock whose owner cannot be read, left by a copy that crashed while it
// wrote it: taken for a copy that is starting while it is new, and taken
// over once it is old.
void TestSingleInstance::unreadableLock_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("age"); // seconds
    QTest::addColumn<bool>("runs");
    // clang-format off
    QTest::newRow("empty, just written") << QByteArray() << 0 << false;
    QTest::newRow("empty, a second old") << QByteArray() << 1 << false;
    QTest::newRow("empty, ten seconds old") << QByteArray() << 10 << false;
    QTest::newRow("empty, eleven seconds old") << QByteArray() << 11 << true;
    QTest::newRow("empty, a minute old") << QByteArray() << 60 << true;
    QTest::newRow("garbage, just written") << QByteArray("garbage\n\377\n") << 0 << false;
    QTest::newRow("garbage, an hour old") << QByteArray("garbage\n\377\n") << 3600 << true;
    // clang-format on
}

void TestSingleInstance::unreadableLock()
{
    QFETCH(QByteArray, content);
    QFETCH(int, age);
    QFETCH(bool, runs);
    QFile lock(LockPath());
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(content);
    QVERIFY(lock.flush()); // before the time is set: writing sets it too
    QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-age),
                             QFileDevice::FileModificationTime));
    lock.close();
    InstanceLock ours;
    QCOMPARE(ours.acquire(), runs);
    // Taken over, it is held: the next copy is refused.
    if (runs)
        QCOMPARE(Probe(QStringLiteral("hold")).answer(), QStringLiteral("0"));
}

void TestSingleInstance::copiesStartedTogether()
{
    std::vector<std::unique_ptr<Probe>> copies;
    copies.reserve(6);
    for (int i = 0; i < 6; ++i)
        copies.push_back(std::make_unique<Probe>(QStringLiteral("hold")));
    QStringList answers;
    for (auto &copy : copies)
        answers << copy->answer();
    QCOMPARE(answers.count(QStringLiteral("1")), 1);
    QCOMPARE(answers.count(QStringLiteral("0")), 5);
}

void TestSingleInstance::releasedLockFreesTheNextStart()
{
    {
        InstanceLock ours;
        QVERIFY(ours.acquire());
        QVERIFY(ours.acquire()); // asking again while holding it
        Probe other(QStringLiteral("try"));
        QCOMPARE(other.answer(), QStringLiteral("0"));
    }
    Probe next(QStringLiteral("try"));
    QCOMPARE(next.answer(), QStringLiteral("1"));
}

void TestSingleInstance::runsWhenNoLockCanBeMade()
{
    Probe first(QStringLiteral("hold"));
    QCOMPARE(first.answer(), QStringLiteral("1"));

    // Neither the runtime folder nor the fallback in the temporary folder
    // can be created.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QStringLiteral("/proc/gemvara/run"));
    env.insert(QStringLiteral("TMPDIR"), QStringLiteral("/proc/gemvara/tmp"));
    Probe stranded(QStringLiteral("try"), env);
    QCOMPARE(stranded.answer(), QStringLiteral("1"));
}

GEMVARA_TEST_MAIN(TestSingleInstance)
#include "test_singleinstance.moc"
