#include "platform/weblinks.h"

#include "tests/support/messageboxwatcher.h"
#include "tests/support/testmain.h"
#include "tests/support/urlrecorder.h"

#include <QApplication>
#include <QSet>
#include <QWidget>

namespace {

using Routine = void (*)();

struct Link
{
    const char *name;
    Routine open;
};

const Link kLinks[] = {
    {"OpenHomePage", OpenHomePage},         {"OpenSoftwaresPage", OpenSoftwaresPage},
    {"OpenDonatePage", OpenDonatePage},     {"OpenOnlineHelp", OpenOnlineHelp},
    {"OpenCoBrandPage", OpenCoBrandPage},   {"OpenFullBrandPage", OpenFullBrandPage},
    {"OpenDownloadPage", OpenDownloadPage},
};

Routine RoutineNamed(const QString &name)
{
    for (const Link &link : kLinks) {
        if (name == QLatin1String(link.name))
            return link.open;
    }
    return nullptr;
}

// An already encoded referral query: "&" inside a value, blanks, a line break.
const QString kEncodedQuery = QStringLiteral("?taf1=Ann%20%26%20Bob&taf3=Your%20Message%0D%0A");

} // namespace

class TestWebLinks : public QObject
{
    Q_OBJECT
private slots:
    void eachLinkOpensItsAddressOncePerCall_data();
    void eachLinkOpensItsAddressOncePerCall();
    void addressesPassThroughUnchanged_data();
    void addressesPassThroughUnchanged();
    void unopenableAddressLeavesProgramAsItWas_data();
    void unopenableAddressLeavesProgramAsItWas();
};

void TestWebLinks::eachLinkOpensItsAddressOncePerCall_data()
{
    QTest::addColumn<QString>("routine");
    QTest::addColumn<QString>("address");

    // clang-format off
    QTest::newRow("home: bare root, no slash") << "OpenHomePage" << ForumSite();
    QTest::newRow("softwares: no trailing slash") << "OpenSoftwaresPage" << ForumSite() + QStringLiteral("/orvantasoftwares");
    QTest::newRow("donate") << "OpenDonatePage" << HelpSite() + QStringLiteral("/donate.html");
    QTest::newRow("online help") << "OpenOnlineHelp" << ProductSite() + QStringLiteral("/gemvara-free-help.html");
    QTest::newRow("co-brand") << "OpenCoBrandPage" << HelpSite() + QStringLiteral("/co-brand.html");
    QTest::newRow("full brand") << "OpenFullBrandPage" << HelpSite() + QStringLiteral("/fully-branded.html");
    QTest::newRow("download") << "OpenDownloadPage" << ProductSite() + QStringLiteral("/download-gemvara-free.html");
    // clang-format on
}

void TestWebLinks::eachLinkOpensItsAddressOncePerCall()
{
    QFETCH(QString, routine);
    QFETCH(QString, address);
    const Routine open = RoutineNamed(routine);
    QVERIFY(open);

    UrlRecorder recorder;
    open();
    QCOMPARE(recorder.addresses(), QStringList{address});
    QCOMPARE(recorder.urls().first().toEncoded(), address.toLatin1());

    // No check whether the page is already showing: a second call opens it again.
    open();
    QCOMPARE(recorder.addresses(), QStringList({address, address}));
}

void TestWebLinks::addressesPassThroughUnchanged_data()
{
    QTest::addColumn<QString>("address");
    // clang-format off
    QTest::newRow("bare root") << "http://www.example.com";
    QTest::newRow("trailing slash kept") << "http://www.example.com/dir/";
    QTest::newRow("encoded referral query") << ReferralPageAddress() + kEncodedQuery;
    QTest::newRow("encoded slash in path") << "http://www.example.com/a%2Fb";
    QTest::newRow("encoded UTF-8 and percent") << "http://www.example.com/p?q=Ren%C3%A9e&r=100%25";
    QTest::newRow("plus stays plus") << "http://www.example.com/p?q=a+b";
    QTest::newRow("empty values") << "http://www.example.com/p?taf1=&taf2=";
    // clang-format on
}

void TestWebLinks::addressesPassThroughUnchanged()
{
    // The referral query arrives encoded; encoding it again would turn
    // "%20" into "%2520" and the friend would get garbage.
    QFETCH(QString, address);
    UrlRecorder recorder;
    OpenWebPage(address);
    QCOMPARE(recorder.addresses(), QStringList{address});
}

void TestWebLinks::unopenableAddressLeavesProgramAsItWas_data()
{
    QTest::addColumn<QString>("address");
    // clang-format off
    QTest::newRow("empty") << QString();
    QTest::newRow("blank in host") << "http://www.exa mple.com";
    QTest::newRow("bad port") << "http://www.example.com:99999999/";
    // clang-format on
}

void TestWebLinks::unopenableAddressLeavesProgramAsItWas()
{
    QFETCH(QString, address);
    QWidget window;
    window.show();
    const auto before = QApplication::topLevelWidgets();
    const QSet<QWidget *> topLevelsBefore(before.cbegin(), before.cend());

    MessageBoxWatcher boxes;
    UrlRecorder recorder;
    OpenWebPage(address);
    QCoreApplication::processEvents();

    QVERIFY(recorder.urls().isEmpty());
    QCOMPARE(boxes.count(), 0);
    const auto topLevels = QApplication::topLevelWidgets();
    QCOMPARE(QSet<QWidget *>(topLevels.cbegin(), topLevels.cend()), topLevelsBefore);
    QVERIFY(window.isVisible());
}

GEMVARA_TEST_MAIN(TestWebLinks)
#include "test_weblinks.moc"
