#include "supporttext.h"
#include "tellafriend.h"
#include "weblinks.h"

#include "messageboxwatcher.h"
#include "testmain.h"
#include "urlrecorder.h"

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
        // clang-format off
        QTest::newRow("name placeholder")
            << with([](ReferralFields &f) { f.name = "Your Name"; }) << "Please Enter Your Name";
        QTest::newRow("name blank, everything else missing too")
            << with([](ReferralFields &f) { f = {"   ", "", "", "", ""}; }) << "Please Enter Your Name";
        QTest::newRow("email placeholder with blanks")
            << with([](ReferralFields &f) { f.email = " Your Email Address "; })
            << "Please Enter Your Email";
        QTest::newRow("message placeholder before friend's name")
            << with([](ReferralFields &f) {
            // clang-format on
            f.message = "Your Message";
            f.friendName = "";
        }) << "Please Enter Your Message";
        // clang-format off
        QTest::newRow("message empty") << with([](ReferralFields &f) { f.message = ""; })
                                       << "Please Enter Your Message";
        QTest::newRow("friend's name placeholder")
            << with([](ReferralFields &f) { f.friendName = "Friend's Name"; })
            << "Please Enter Your Friend's Name";
        QTest::newRow("friend's email empty") << with([](ReferralFields &f) { f.friendEmail = ""; })
                                              << "Please Enter Your Friend's Email";
        QTest::newRow("case differs from placeholder: passes")
            << with([](ReferralFields &f) { f.name = "your name"; }) << "";
        QTest::newRow("message with its line break: passes") << Valid() << "";
        // clang-format on
    }
    void sendReferralChecksInOrder()
    {
        QFETCH(ReferralFields, fields);
        QFETCH(QString, message);

        UrlRecorder urls;
        MessageBoxWatcher boxes;
        const QString address = SendReferral(fields);
        if (message.isEmpty()) {
            QCOMPARE(boxes.count(), 0);
            QCOMPARE(urls.urls().size(), 1);
        } else {
            QCOMPARE(boxes.count(), 1);
            QVERIFY2(IsGemvaraCriticalBox(boxes.last(), message), qPrintable(boxes.last().text));
            QVERIFY(urls.urls().isEmpty());
            QVERIFY(address.isEmpty());
        }
    }

    void addressRoundTrip_data()
    {
        QTest::addColumn<ReferralFields>("fields");

        QString longText;
        while (longText.size() < 10000)
            longText += QStringLiteral("a&b=c+d#e%f g\r\nh\u00e9\u65e5\U0001F600 ");
        longText.truncate(10000);

        // clang-format off
        QTest::newRow("plain") << Valid();
        QTest::newRow("ampersand") << ReferralFields{"Ann & Bob", "ann@x.org", "Hi & bye", "Cy & Di",
                              // clang-format on
                              "cy@x.org"};
        // clang-format off
        QTest::newRow("forged parameter")
            << ReferralFields{"x&taf6=http://evil.example/", "a@b.c&taf2=z", "m&taf3=n",
                              // clang-format on
                              "f=g", "f@g.h#taf5"};
        // clang-format off
        QTest::newRow("plus, hash, percent")
            << ReferralFields{"1+1=2", "a+tag@b.c", "100% sure %41%", "#1 fan", "f%40@g.h"};
        QTest::newRow("line breaks and blanks")
            << ReferralFields{"Ann  Lee", "a@b.c", "Line one\r\nLine two\nthree\r", "  Bob ",
                              // clang-format on
                              "f@g.h"};
        // clang-format off
        QTest::newRow("non-ASCII")
            << ReferralFields{QStringLiteral("Zo\u00eb \u00d8rsted"), QStringLiteral("j\u00fcrgen@m\u00fcnchen.de"),
            // clang-format on
            QStringLiteral("\u65e5\u672c\u8a9e \U0001F600"),
            QStringLiteral("\u0410\u043d\u043d\u0430"), "f@g.h"};
        // clang-format off
        QTest::newRow("10000 characters")
            << ReferralFields{longText, "a@b.c", longText, longText, "f@g.h"};
        // clang-format on
    }
    void addressRoundTrip()
    {
        QFETCH(ReferralFields, fields);

        UrlRecorder urls;
        MessageBoxWatcher boxes;
        const QString address = SendReferral(fields);
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(urls.urls().size(), 1);

        const QUrl opened = urls.urls().first();
        // Nothing between here and the browser re-encodes or decodes it.
        QCOMPARE(opened.toString(QUrl::FullyEncoded), address);
        QCOMPARE(opened.toString(QUrl::RemoveQuery),
                 ForumSite() + QStringLiteral("/kvqx-refer-a-friend.php"));

        const Pairs expected{
            {"taf1", fields.name},        {"taf2", fields.email},
            {"taf3", fields.message},     {"taf4", fields.friendName},
            {"taf5", fields.friendEmail}, {"taf6", ProductSite() + QLatin1Char('/')}};
        QCOMPARE(DecodeQuery(opened), expected);
    }
};

GEMVARA_TEST_MAIN(TestTellAFriend)
#include "test_tellafriend.moc"
