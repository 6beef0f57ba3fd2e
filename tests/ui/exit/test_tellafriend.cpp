#include "platform/weblinks.h"
#include "ui/exit/supporttext.h"
#include "ui/exit/tellafriend.h"

#include "tests/support/messageboxwatcher.h"
#include "tests/support/testmain.h"
#include "tests/support/urlrecorder.h"

#include <QRandomGenerator>
#include <QTest>
#include <QUrl>

#include <cmath>

Q_DECLARE_METATYPE(ReferralFields)

using Pairs = QList<std::pair<QString, QString>>;

namespace {

// Splits the recorded query the way a web server would and decodes it.
Pairs DecodeQuery(const QUrl &url)
{
    Pairs pairs;
    const QString query = url.query(QUrl::FullyEncoded);
    for (const QString &part : query.split(QLatin1Char('&'))) {
        const qsizetype eq = part.indexOf(QLatin1Char('='));
        pairs.append({part.left(eq), QUrl::fromPercentEncoding(part.mid(eq + 1).toLatin1())});
    }
    return pairs;
}

ReferralFields Valid()
{
    return {QStringLiteral("Ann"), QStringLiteral("ann@example.org"),
            QStringLiteral("Your Message\r\n"), QStringLiteral("Bob"),
            QStringLiteral("bob@example.org")};
}

} // namespace

class TestTellAFriend : public QObject
{
    Q_OBJECT

private slots:
    // The exit screen's support text: each of the four a quarter of the draws.
    void supportTextDraw_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("index");
        // clang-format off
        QTest::newRow("0") << 0.0 << 0;
        QTest::newRow("just below 1/4") << std::nextafter(0.25, 0.0) << 0;
        QTest::newRow("1/4") << 0.25 << 1;
        QTest::newRow("1/2") << 0.5 << 2;
        QTest::newRow("3/4") << 0.75 << 3;
        QTest::newRow("largest below 1") << std::nextafter(1.0, 0.0) << 3;
        // clang-format on
    }
    void supportTextDraw()
    {
        QFETCH(double, r);
        QTEST(SupportTextIndexFor(r), "index");
    }
    void everySupportTextIsDrawn()
    {
        QRandomGenerator random(20240310);
        int counts[4] = {};
        const int draws = 40000;
        for (int i = 0; i < draws; ++i) {
            const int n = DrawSupportTextIndex(random);
            QVERIFY2(n >= 0 && n <= 3, qPrintable(QString::number(n)));
            ++counts[n];
        }
        for (int n = 0; n < 4; ++n)
            QVERIFY2(qAbs(counts[n] - draws / 4) < draws / 50, qPrintable(QString::number(n)));
    }

    void sendReferralChecksInOrder_data()
    {
        QTest::addColumn<ReferralFields>("fields");
        QTest::addColumn<QString>("message");

        auto with = [](auto change) {
            ReferralFields f = Valid();
            change(f);
            return f;
        };
        QTest::newRow("name placeholder")
            << with([](ReferralFields &f) { f.name = QStringLiteral("Your Name"); })
            << QStringLiteral("Please Enter Your Name");
        QTest::newRow("name blank, everything else missing too") << with([](ReferralFields &f) {
            f = {QStringLiteral("   "), QString(), QString(), QString(), QString()};
        }) << QStringLiteral("Please Enter Your Name");
        QTest::newRow("email placeholder with blanks")
            << with([](ReferralFields &f) { f.email = QStringLiteral(" Your Email Address "); })
            << "Please Enter Your Email";
        QTest::newRow("message placeholder before friend's name") << with([](ReferralFields &f) {
            f.message = QStringLiteral("Your Message");
            f.friendName = QString();
        }) << "Please Enter Your Message";
        QTest::newRow("message empty") << with([](ReferralFields &f) { f.message = QString(); })
                                       << "Please Enter Your Message";
        QTest::newRow("friend's name placeholder")
            << with([](ReferralFields &f) { f.friendName = QStringLiteral("Friend's Name"); })
            << "Please Enter Your Friend's Name";
        QTest::newRow("friend's email empty")
            << with([](ReferralFields &f) { f.friendEmail = QString(); })
            << "Please Enter Your Friend's Email";
        QTest::newRow("case differs from placeholder: passes")
            << with([](ReferralFields &f) { f.name = QStringLiteral("your name"); }) << QString();
        QTest::newRow("message with its line break: passes") << Valid() << "";
    }
    void sendReferralChecksInOrder()
    {
        QFETCH(ReferralFields, fields);
        QFETCH(QString, message);

        UrlRecorder urls;
        MessageBoxWatcher boxes;
        SendReferral(fields);
        if (message.isEmpty()) {
            QCOMPARE(boxes.count(), 0);
            QCOMPARE(urls.urls().size(), 1);
        } else {
            QCOMPARE(boxes.count(), 1);
            QVERIFY2(IsGemvaraCriticalBox(boxes.last(), message), qPrintable(boxes.last().text));
            QVERIFY(urls.urls().isEmpty());
        }
    }

    void addressRoundTrip_data()
    {
        QTest::addColumn<ReferralFields>("fields");

        QString longText;
        while (longText.size() < 10000)
            longText += QStringLiteral("a&b=c+d#e%f g\r\nh\u00e9\u65e5\U0001F600 ");
        longText.truncate(10000);

        QTest::newRow("plain") << Valid();
        QTest::newRow("ampersand") << ReferralFields{
            QStringLiteral("Ann & Bob"), QStringLiteral("ann@x.org"), QStringLiteral("Hi & bye"),
            QStringLiteral("Cy & Di"), QStringLiteral("cy@x.org")};
        QTest::newRow("forged parameter") << ReferralFields{
            QStringLiteral("x&taf6=http://evil.example/"), QStringLiteral("a@b.c&taf2=z"),
            QStringLiteral("m&taf3=n"), QStringLiteral("f=g"), QStringLiteral("f@g.h#taf5")};
        QTest::newRow("plus, hash, percent") << ReferralFields{
            QStringLiteral("1+1=2"), QStringLiteral("a+tag@b.c"), QStringLiteral("100% sure %41%"),
            QStringLiteral("#1 fan"), QStringLiteral("f%40@g.h")};
        QTest::newRow("line breaks and blanks")
            << ReferralFields{QStringLiteral("Ann  Lee"), QStringLiteral("a@b.c"),
                              QStringLiteral("Line one\r\nLine two\nthree\r"),
                              QStringLiteral("  Bob "), QStringLiteral("f@g.h")};
        QTest::newRow("non-ASCII") << ReferralFields{
            QStringLiteral("Zo\u00eb \u00d8rsted"), QStringLiteral("j\u00fcrgen@m\u00fcnchen.de"),
            QStringLiteral("\u65e5\u672c\u8a9e \U0001F600"),
            QStringLiteral("\u0410\u043d\u043d\u0430"), QStringLiteral("f@g.h")};
        QTest::newRow("10000 characters") << ReferralFields{
            longText, QStringLiteral("a@b.c"), longText, longText, QStringLiteral("f@g.h")};
    }
    void addressRoundTrip()
    {
        QFETCH(ReferralFields, fields);

        UrlRecorder urls;
        MessageBoxWatcher boxes;
        SendReferral(fields);
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(urls.urls().size(), 1);

        const QUrl opened = urls.urls().first();
        // Nothing between here and the browser re-encodes or decodes it.
        QCOMPARE(opened.toString(QUrl::FullyEncoded),
                 BuildReferralAddress(ReferralPageAddress(), fields, ProductSiteRoot()));
        QCOMPARE(opened.toString(QUrl::RemoveQuery),
                 ForumSite() + QStringLiteral("/kvqx-refer-a-friend.php"));

        const Pairs expected{{QStringLiteral("taf1"), fields.name},
                             {QStringLiteral("taf2"), fields.email},
                             {QStringLiteral("taf3"), fields.message},
                             {QStringLiteral("taf4"), fields.friendName},
                             {QStringLiteral("taf5"), fields.friendEmail},
                             {QStringLiteral("taf6"), ProductSite() + QLatin1Char('/')}};
        QCOMPARE(DecodeQuery(opened), expected);
    }
};

GEMVARA_TEST_MAIN(TestTellAFriend)
#include "test_tellafriend.moc"
