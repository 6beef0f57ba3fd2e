// The command line handed to QApplication: the X display is asked for only
// when an X display is there and the user has chosen no platform.
#include "platform/displayplatform.h"

#include "tests/support/testmain.h"

#include <QStringList>

class TestDisplayPlatform : public QObject
{
    Q_OBJECT
private slots:
    void arguments_data();
    void arguments();
};

void TestDisplayPlatform::arguments_data()
{
    QTest::addColumn<QString>("platformVariable"); // "" for not set
    QTest::addColumn<QString>("display");
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<bool>("asksForX");

    const QStringList bare{QStringLiteral("GemvaraFree")};
    const QStringList style{QStringLiteral("GemvaraFree"), QStringLiteral("-style"),
                            QStringLiteral("fusion")};
    // clang-format off
    QTest::newRow("X display, nothing chosen") << "" << ":1" << bare << true;
    QTest::newRow("other arguments stay behind it") << "" << ":1" << style << true;
    QTest::newRow("QT_QPA_PLATFORM chosen") << "wayland" << ":1" << bare << false;
    QTest::newRow("-platform last") << "" << ":1" << (style + QStringList{QStringLiteral("-platform"), QStringLiteral("wayland")}) << false;
    QTest::newRow("--platform first") << "" << ":1" << QStringList{QStringLiteral("GemvaraFree"), QStringLiteral("--platform"), QStringLiteral("wayland")} << false;
    QTest::newRow("no X display") << "" << "" << bare << false;
    QTest::newRow("no arguments at all") << "" << ":1" << QStringList() << false;
    // clang-format on
}

void TestDisplayPlatform::arguments()
{
    QFETCH(QString, platformVariable);
    QFETCH(QString, display);
    QFETCH(QStringList, given);
    QFETCH(bool, asksForX);

    const QByteArray oldPlatform = qgetenv("QT_QPA_PLATFORM");
    const QByteArray oldDisplay = qgetenv("DISPLAY");
    qputenv("QT_QPA_PLATFORM", platformVariable.toLocal8Bit());
    qputenv("DISPLAY", display.toLocal8Bit());

    std::vector<QByteArray> storage;
    std::vector<char *> argv;
    storage.reserve(size_t(given.size()));
    argv.reserve(size_t(given.size()) + 1);
    for (const QString &argument : given)
        storage.push_back(argument.toLocal8Bit());
    for (QByteArray &argument : storage)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    DisplayPlatformArguments arguments(int(given.size()), argv.data());
    qputenv("QT_QPA_PLATFORM", oldPlatform);
    qputenv("DISPLAY", oldDisplay);

#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    asksForX = false; // no X11 plugin there, whatever DISPLAY says
#endif
    QStringList expected = given;
    if (asksForX) {
        expected.insert(1, QStringLiteral("xcb;wayland"));
        expected.insert(1, QStringLiteral("-platform"));
    }
    QStringList got;
    for (int i = 0; i < arguments.argc(); ++i)
        got << QString::fromLocal8Bit(arguments.argv()[i]);
    QCOMPARE(got, expected);
    QCOMPARE(arguments.argv()[arguments.argc()], nullptr);
}

GEMVARA_TEST_MAIN(TestDisplayPlatform)
#include "test_displayplatform.moc"
