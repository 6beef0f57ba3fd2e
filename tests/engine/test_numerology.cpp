// The reading arithmetic and the gemstone table, checked against worked
// dates and over every date the main window's lists can form.
#include "engine/blanks.h"
#include "engine/catalogue.h"
#include "engine/gemstones.h"
#include "engine/numerology.h"
#include "engine/reading.h"
#include "tests/support/testmain.h"
#include "tests/support/widgethelpers.h"

#include <QSet>

class TestNumerology : public QObject
{
    Q_OBJECT
private slots:
    void workedDates_data();
    void workedDates();
    void reduceFoldsOnlyOnce_data();
    void reduceFoldsOnlyOnce();
    void monthValues_data();
    void monthValues();
    void birthdayRoots();
    void oddTextsDoNotBreakTheSums_data();
    void oddTextsDoNotBreakTheSums();
    void rootsOutsideTheTableGiveNoGemstone();
    void gemstonesOfWorkedDates_data();
    void gemstonesOfWorkedDates();
    void bothSapphiresAndBothTopazesSharePictureAndText();
    void everyListDateKeepsTheInvariants();
    void trimOnlyBlanks_data();
    void trimOnlyBlanks();
};

void TestNumerology::workedDates_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("lifePath");
    QTest::addColumn<int>("lifePathRoot");
    QTest::addColumn<int>("birthday");
    QTest::addColumn<int>("birthdayRoot");

    // clang-format off
    QTest::newRow("1 January 1900") << "1" << "January" << "1900" << 3 << 3 << 1 << 1;
    QTest::newRow("1 January 1998, master 11") << "1" << "January" << "1998" << 11 << 2 << 1 << 1;
    QTest::newRow("22 February 1922") << "22" << "February" << "1922" << 11 << 2 << 22 << 4;
    QTest::newRow("3 September 1999, year 10 gives 22") << "3" << "September" << "1999" << 22 << 4 << 3 << 3;
    QTest::newRow("1 September 1990, 20 not 11") << "1" << "September" << "1990" << 2 << 2 << 1 << 1;
    QTest::newRow("29 November 1999") << "29" << "November" << "1999" << 5 << 5 << 29 << 2;
    QTest::newRow("11 November 1911") << "11" << "November" << "1911" << 7 << 7 << 11 << 2;
    QTest::newRow("31 December 2050") << "31" << "December" << "2050" << 5 << 5 << 31 << 4;
    // clang-format on
}

void TestNumerology::workedDates()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    const Reading r = ComputeReading(day, MonthNumber(month), year);
    QCOMPARE(r.dayText, day);
    QCOMPARE(r.month, MonthNumber(month));
    QCOMPARE(r.yearText, year);
    QTEST(int(r.lifePathNumber), "lifePath");
    QTEST(int(r.lifePathRoot), "lifePathRoot");
    QTEST(int(r.birthdayNumber), "birthday");
    QTEST(int(r.birthdayRoot), "birthdayRoot");

    // The reading is whole: texts and gemstone come with the numbers.
    QCOMPARE(r.lifePathSignificance, LifePathSignificance());
    QCOMPARE(r.lifePathText, LifePathCatalogue(r.lifePathNumber).value());
    QCOMPARE(r.birthdaySignificance, BirthdaySignificance());
    QCOMPARE(r.birthdayText, BirthdayCatalogue(r.birthdayNumber).value());
    const auto gem = GemForRoots(r.lifePathRoot, r.birthdayRoot);
    QVERIFY(gem);
    QCOMPARE(r.gemName, gem->name);
    QCOMPARE(r.gemDescription, gem->description);
    QVERIFY(!r.gemDescription.isEmpty());
    QCOMPARE(r.gemPicture, gem->picture);
}

void TestNumerology::reduceFoldsOnlyOnce_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    // clang-format off
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("one digit") << "7" << 7;
    QTest::newRow("day 19 folds to 1") << "19" << 1;
    QTest::newRow("day 28") << "28" << 1;
    QTest::newRow("day 29 gives 2, no master") << "29" << 2;
    QTest::newRow("1999: 28 stays 10") << "1999" << 10;
    for (const char *year : {"1909", "1918", "1927", "1936", "1945", "1954", "1963", "1972",
                             "1981", "1990"})
        QTest::addRow("%s: 19 stays 10", year) << year << 10;
    QTest::newRow("1900: 10 gives 1") << "1900" << 1;
    QTest::newRow("2008: 10 gives 1") << "2008" << 1;
    QTest::newRow("1998: 27 gives 9") << "1998" << 9;
    QTest::newRow("2009: 11 gives 2") << "2009" << 2;
    QTest::newRow("non-digits add nothing") << "1a9-9 9!" << 10;
    QTest::newRow("arabic-indic digits are not 0-9") << QString::fromUtf8("\u0661\u0662") << 0;
    QTest::newRow("5000 nines: 45000 folds to 4 + 0") << QString(5000, QLatin1Char('9')) << 4;
    // clang-format on
}

void TestNumerology::reduceFoldsOnlyOnce()
{
    QFETCH(QString, text);
    QTEST(int(ReduceOnce(text)), "value");
}

void TestNumerology::monthValues_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("value");
    // October to December come reduced to one digit.
    const int values[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3};
    for (int month = 1; month <= 12; ++month)
        QTest::addRow("%d", month) << month << values[month - 1];
    QTest::newRow("no month") << 0 << 0;
    QTest::newRow("past December") << 13 << 0;
    QTest::newRow("negative") << -1 << 0;
}

void TestNumerology::monthValues()
{
    QFETCH(int, month);
    QTEST(int(MonthValue(month)), "value");
}

void TestNumerology::birthdayRoots()
{
    // Days 1-9 give themselves, 10-18 and 19-27 give 1-9 again, 28-31 give 1-4.
    const int roots[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6, 7,
                         8, 9, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4};
    for (int day = 1; day <= 31; ++day)
        QCOMPARE(int(BirthdayRootOf(qint16(day))), roots[day - 1]);
    QCOMPARE(int(BirthdayRootOf(0)), 0);
}

void TestNumerology::oddTextsDoNotBreakTheSums_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("lifePath");
    QTest::addColumn<int>("birthday");
    // clang-format off
    QTest::newRow("no month counts 0") << "1" << "Smarch" << "1900" << 2 << 1;
    QTest::newRow("everything empty") << "" << "" << "" << 0 << 0;
    QTest::newRow("day with blanks") << "  7 " << "July" << "2000" << 7 << 7;
    QTest::newRow("non-numeric day") << "x" << "July" << "2000" << 9 << 0;
    QTest::newRow("day too large for 16 bits") << "99999" << "July" << "2000" << 9 << 0;
    QTest::newRow("largest 16-bit day") << "32767" << "July" << "2000" << 7 << 32767;
    QTest::newRow("one past it") << "32768" << "July" << "2000" << 8 << 0;
    QTest::newRow("smallest 16-bit day") << "-32768" << "July" << "2000" << 8 << -32768;
    QTest::newRow("one below it") << "-32769" << "July" << "2000" << 9 << 0;
    // clang-format on
}

void TestNumerology::oddTextsDoNotBreakTheSums()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    const Reading r = ComputeReading(day, MonthNumber(month), year);
    QTEST(int(r.lifePathNumber), "lifePath");
    QTEST(int(r.birthdayNumber), "birthday");
    if (r.birthdayNumber == 0) {
        QVERIFY(!GemForRoots(r.lifePathRoot, r.birthdayRoot).has_value());
        // No day: no interpretation and no gemstone, just empty fields.
        QVERIFY(r.birthdayText.isEmpty());
        QVERIFY(r.gemName.isEmpty() && r.gemDescription.isEmpty());
        QCOMPARE(int(r.gemPicture), 0);
    }
}

void TestNumerology::rootsOutsideTheTableGiveNoGemstone()
{
    for (qint16 bad : {qint16(0), qint16(10), qint16(-1), qint16(11), qint16(32767)}) {
        QVERIFY(!GemForRoots(bad, 1).has_value());
        QVERIFY(!GemForRoots(1, bad).has_value());
    }
    QVERIFY(GemPicturePath(0).isEmpty());
    QVERIFY(GemPicturePath(10).isEmpty());
}

void TestNumerology::gemstonesOfWorkedDates_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("key");

    // clang-format off
    QTest::newRow("1 January 1900") << "1" << "January" << "1900" << "Yellow Topaz" << 9 << "topaz.jpg";
    QTest::newRow("2 July 1900") << "2" << "July" << "1900" << "Golden Topaz" << 9 << "topaz.jpg";
    QTest::newRow("1 June 1900") << "1" << "June" << "1900" << "Golden Topaz" << 9 << "topaz.jpg";
    QTest::newRow("1 March 1900, the one Ruby") << "1" << "March" << "1900" << "Ruby" << 8 << "ruby.jpg";
    QTest::newRow("29 November 1999")
        << "29" << "November" << "1999" << QString::fromUtf8("Cat\u2019s Eye") << 3 << "cat's eye.jpg";
    QTest::newRow("9 September 1900") << "9" << "September" << "1900" << "Coral" << 4 << "coral.jpg";
    QTest::newRow("9 January 1900") << "9" << "January" << "1900" << "Moonstone" << 7 << "moonstone.jpg";
    QTest::newRow("3 September 1999") << "3" << "September" << "1999" << "Yellow Topaz" << 9 << "topaz.jpg";
    QTest::newRow("6 May 1900") << "6" << "May" << "1900" << "Yellow Topaz" << 9 << "topaz.jpg";
    // clang-format on
}

void TestNumerology::gemstonesOfWorkedDates()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    const Reading r = ComputeReading(day, MonthNumber(month), year);
    const auto gem = GemForRoots(r.lifePathRoot, r.birthdayRoot);
    QVERIFY(gem.has_value());
    QTEST(gem->name, "name");
    QTEST(int(gem->picture), "picture");
    QTEST(GemPictureKey(gem->picture), "key");
}

void TestNumerology::bothSapphiresAndBothTopazesSharePictureAndText()
{
    const auto light = GemForRoots(1, 4);
    const auto blue = GemForRoots(1, 8);
    QCOMPARE(light->name, QStringLiteral("Light Blue Sapphire"));
    QCOMPARE(blue->name, QStringLiteral("Blue Sapphire"));
    QCOMPARE(light->picture, blue->picture);
    QCOMPARE(light->description, blue->description);

    const auto yellow = GemForRoots(1, 1);
    const auto golden = GemForRoots(1, 2);
    QCOMPARE(yellow->name, QStringLiteral("Yellow Topaz"));
    QCOMPARE(golden->name, QStringLiteral("Golden Topaz"));
    QCOMPARE(yellow->picture, golden->picture);
    QCOMPARE(yellow->description, golden->description);
}

void TestNumerology::everyListDateKeepsTheInvariants()
{
    const QSet<int> lifePaths = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22};
    QSet<int> seenLifePaths;
    QSet<QString> seenGems;
    int rubies = 0;
    for (int day = 1; day <= 31; ++day) {
        for (const QString &month : CalendarMonths()) {
            for (int year = 1900; year <= 2050; ++year) {
                const Reading r =
                    ComputeReading(QString::number(day), MonthNumber(month), QString::number(year));
                QVERIFY2(lifePaths.contains(r.lifePathNumber),
                         qPrintable(QString::number(r.lifePathNumber)));
                QVERIFY(r.lifePathRoot >= 1 && r.lifePathRoot <= 9);
                QCOMPARE(int(r.birthdayNumber), day);
                QVERIFY(r.birthdayRoot >= 1 && r.birthdayRoot <= 9);
                // The birthday root equals the day's own contribution.
                QCOMPARE(r.birthdayRoot, ReduceOnce(QString::number(day)));
                const auto gem = GemForRoots(r.lifePathRoot, r.birthdayRoot);
                QVERIFY(gem.has_value());
                QVERIFY(gem->picture >= 1 && gem->picture <= GemPictureCount);
                seenLifePaths.insert(r.lifePathNumber);
                seenGems.insert(gem->name);
            }
        }
    }
    QCOMPARE(seenLifePaths, lifePaths);
    QCOMPARE(seenGems.size(), 11);
    for (qint16 row = 1; row <= 9; ++row)
        for (qint16 col = 1; col <= 9; ++col)
            rubies += GemForRoots(row, col)->name == QLatin1String("Ruby");
    QCOMPARE(rubies, 1);
}

void TestNumerology::trimOnlyBlanks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    // clang-format off
    QTest::newRow("blanks both sides") << "  a b  " << "a b";
    QTest::newRow("all blanks") << "    " << "";
    QTest::newRow("tabs and line breaks stay") << "\tYour Message\r\n" << "\tYour Message\r\n";
    QTest::newRow("no-break space stays") << QStringLiteral("\u00a0x ") << QStringLiteral("\u00a0x");
    // clang-format on
}

void TestNumerology::trimOnlyBlanks()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QCOMPARE(TrimBlanks(text), trimmed);
}

GEMVARA_TEST_MAIN(TestNumerology)
#include "test_numerology.moc"
