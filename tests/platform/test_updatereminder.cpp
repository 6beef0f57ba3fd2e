#include "platform/updatereminder.h"
#include "platform/weblinks.h"

#include "ui/widgets/messagebox.h"

#include "tests/support/messageboxwatcher.h"
#include "tests/support/testmain.h"
#include "tests/support/urlrecorder.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDate Today(2024, 3, 10);
const QString Question = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");

// A store whose every write fails, holding whatever this map says.
QSettings::SettingsMap FailingStoreContent;
bool ReadFailingStore(QIODevice &, QSettings::SettingsMap &map)
{
    map = FailingStoreContent;
    return true;
}
bool WriteFailingStore(QIODevice &, const QSettings::SettingsMap &)
{
    return false;
}

// Records what the store held at the moment the download page was opened.
class StoreAtOpen : public QObject
{
    Q_OBJECT
public:
    StoreAtOpen()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "record");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "record");
    }
    ~StoreAtOpen() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }
    QString file;
    QStringList seen;
public slots:
    void record(const QUrl &)
    {
        seen.append(QSettings(file, QSettings::IniFormat).value(ReminderKey).toString());
    }
};

} // namespace

class TestUpdateReminder : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // <organisation>/<application>.conf, as the program's own store is.
    QString storeFile() const
    {
        return m_dir.filePath(QCoreApplication::organizationName() + QLatin1Char('/')
                              + QCoreApplication::applicationName() + QStringLiteral(".conf"));
    }
    QString stored() const
    {
        return QSettings(storeFile(), QSettings::IniFormat).value(ReminderKey).toString();
    }
    void seed(const QVariant &value)
    {
        QSettings store(storeFile(), QSettings::IniFormat);
        if (value.isValid())
            store.setValue(ReminderKey, value);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
    }

    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void storeIsPerUserUnderTheAppName()
    {
        CheckUpdateReminder(AskGemvaraQuestion, Today);
        QVERIFY(QFile::exists(storeFile()));
        QCOMPARE(stored(), QStringLiteral("2024-03-10"));
    }

    void reminder_data()
    {
        QTest::addColumn<QVariant>("seeded"); // invalid: no key at all
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<QString>("storedAfter");
        QTest::addColumn<QStringList>("pages");

        const QString today = QStringLiteral("2024-03-10");
        const QStringList none;
        const QStringList download{ProductSite() + QStringLiteral("/download-gemvara-free.html")};
        const auto iso = [](const QDate &d) { return QVariant(d.toString(Qt::ISODate)); };

        // clang-format off
        QTest::newRow("first start") << QVariant() << QMessageBox::Yes << false << today << none;
        QTest::newRow("empty value is a first start")
            << QVariant(QString()) << QMessageBox::Yes << false << today << none;
        QTest::newRow("14 days before") << iso(Today.addDays(-14)) << QMessageBox::Yes << false
                                        << QStringLiteral("2024-02-25") << none;
        QTest::newRow("14 days after") << iso(Today.addDays(14)) << QMessageBox::Yes << false
                                       << QStringLiteral("2024-03-24") << none;
        QTest::newRow("same day") << QVariant(today) << QMessageBox::Yes << false << today << none;
        QTest::newRow("15 days before, Yes")
            << iso(Today.addDays(-15)) << QMessageBox::Yes << true << today << download;
        QTest::newRow("15 days before, No")
            << iso(Today.addDays(-15)) << QMessageBox::No << true << today << none;
        QTest::newRow("15 days after, No (clock set back)")
            << iso(Today.addDays(15)) << QMessageBox::No << true << today << none;
        QTest::newRow("across a leap day and a year")
            << QVariant(QStringLiteral("2023-02-24")) << QMessageBox::Yes << true << today << download;
        QTest::newRow("regional format is unreadable")
            << QVariant(QStringLiteral("10/01/2024")) << QMessageBox::Yes << false
            << QStringLiteral("10/01/2024") << none;
        QTest::newRow("impossible date") << QVariant(QStringLiteral("2023-02-30"))
                                         << QMessageBox::Yes << false
                                         << QStringLiteral("2023-02-30") << none;
        QTest::newRow("garbage") << QVariant(QStringLiteral("soon")) << QMessageBox::Yes << false
                                 << QStringLiteral("soon") << none;
        // clang-format on
    }

    void reminder()
    {
        QFETCH(QVariant, seeded);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, asks);
        QFETCH(QString, storedAfter);
        QFETCH(QStringList, pages);

        seed(seeded);
        UrlRecorder urls;
        {
            MessageBoxWatcher boxes({answer});
            CheckUpdateReminder(AskGemvaraQuestion, Today);
            QCOMPARE(boxes.count(), asks ? 1 : 0);
            if (asks) {
                const auto box = boxes.last();
                QCOMPARE(box.text, Question);
                QCOMPARE(box.title, QStringLiteral("Gemvara"));
                QCOMPARE(box.icon, QMessageBox::Information);
                QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
                QCOMPARE(box.defaultButton, QMessageBox::Yes);
            }
        }
        QCOMPARE(stored(), storedAfter);
        QCOMPARE(urls.addresses(), pages);

        // The next start the same day stays quiet whatever happened.
        MessageBoxWatcher again;
        CheckUpdateReminder(AskGemvaraQuestion, Today);
        QCOMPARE(again.count(), 0);
        QCOMPARE(stored(), storedAfter);
    }

    void dateIsStoredBeforeTheDownloadPageOpens()
    {
        seed(QStringLiteral("2024-01-01"));
        StoreAtOpen pages;
        pages.file = storeFile();
        MessageBoxWatcher boxes({QMessageBox::Yes});
        CheckUpdateReminder(AskGemvaraQuestion, Today);
        QCOMPARE(pages.seen, QStringList{QStringLiteral("2024-03-10")});
    }

    void storeThatCannotBeWritten()
    {
        // Writes fail but the old date reads back: the question is put, the
        // answer is acted on, and the failed write stops nothing.
        const QSettings::Format failing = QSettings::registerFormat(
            QStringLiteral("failconf"), ReadFailingStore, WriteFailingStore);
        QVERIFY(failing != QSettings::InvalidFormat);
        QSettings::setPath(failing, QSettings::UserScope, m_dir.path());
        FailingStoreContent = {{QString::fromLatin1(ReminderKey), QStringLiteral("2024-01-01")}};
        const QString organisation = QCoreApplication::organizationName();
        const QString app = QCoreApplication::applicationName();
        QDir(m_dir.path()).mkpath(organisation);
        QFile file(
            m_dir.filePath(organisation + QLatin1Char('/') + app + QStringLiteral(".failconf")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("old"); // Qt skips reading an empty file
        file.close();

        // (One start only: within a process Qt keeps what was set even when
        // it could not be saved; the whole-program test starts twice.)
        UrlRecorder urls;
        MessageBoxWatcher boxes({QMessageBox::Yes});
        QSettings store(failing, QSettings::UserScope, organisation, app);
        QCOMPARE(store.value(ReminderKey).toString(), QStringLiteral("2024-01-01"));
        CheckUpdateReminder(store, AskGemvaraQuestion, Today);
        QCOMPARE(store.status(), QSettings::AccessError);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().text, Question);
        QCOMPARE(urls.addresses(),
                 QStringList{ProductSite() + QStringLiteral("/download-gemvara-free.html")});
    }

    void storeInTheWayOfAFolder()
    {
        // The store's place is taken by a folder: nothing can be read or
        // written, so every start is a first start and goes on quietly
        // (root cannot be kept out by permissions, a folder stops everyone).
        QVERIFY(QDir().mkpath(storeFile()));
        MessageBoxWatcher boxes;
        CheckUpdateReminder(AskGemvaraQuestion, Today);
        QCOMPARE(boxes.count(), 0);
        QVERIFY(QFileInfo(storeFile()).isDir());
    }
};

GEMVARA_TEST_MAIN(TestUpdateReminder)
#include "test_updatereminder.moc"
