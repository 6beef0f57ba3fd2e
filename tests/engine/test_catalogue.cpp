// The built-in texts and pictures: every entry present at its fixed size,
// nothing answered for keys that have no entry, and the gemstone table
// pointing at the right descriptions and pictures.
#include "engine/catalogue.h"
#include "engine/gemstones.h"
#include "tests/support/testmain.h"

#include <QImage>
#include <QSet>

namespace {

// Which lookup a row of a table goes through.
enum class Kind { LifePath, Birthday, Gem, Support, Softwares, Forum };

std::optional<QString> TextOf(Kind kind, const QString &key)
{
    switch (kind) {
    case Kind::LifePath: return LifePathCatalogue(static_cast<qint16>(key.toInt()));
    case Kind::Birthday: return BirthdayCatalogue(static_cast<qint16>(key.toInt()));
    case Kind::Gem: return GemDescriptionCatalogue(key);
    case Kind::Support: return SupportText(key.toInt());
    case Kind::Softwares: return SoftwaresCatalogueText();
    case Kind::Forum: return ForumAdvertisement();
    }
    return std::nullopt;
}

struct Entry
{
    Kind kind;
    const char *key;
    int length;
};

// Sizes in UTF-16 units, as the windows count them.
const Entry Entries[] = {
    {Kind::LifePath, "1", 656},   {Kind::LifePath, "2", 515},    {Kind::LifePath, "3", 571},
    {Kind::LifePath, "4", 572},   {Kind::LifePath, "5", 627},    {Kind::LifePath, "6", 588},
    {Kind::LifePath, "7", 425},   {Kind::LifePath, "8", 537},    {Kind::LifePath, "9", 445},
    {Kind::LifePath, "11", 402},  {Kind::LifePath, "22", 537},

    {Kind::Birthday, "1", 231},   {Kind::Birthday, "2", 309},    {Kind::Birthday, "3", 354},
    {Kind::Birthday, "4", 312},   {Kind::Birthday, "5", 256},    {Kind::Birthday, "6", 314},
    {Kind::Birthday, "7", 368},   {Kind::Birthday, "8", 286},    {Kind::Birthday, "9", 375},
    {Kind::Birthday, "10", 322},  {Kind::Birthday, "11", 380},   {Kind::Birthday, "12", 530},
    {Kind::Birthday, "13", 305},  {Kind::Birthday, "14", 364},   {Kind::Birthday, "15", 476},
    {Kind::Birthday, "16", 414},  {Kind::Birthday, "17", 449},   {Kind::Birthday, "18", 368},
    {Kind::Birthday, "19", 392},  {Kind::Birthday, "20", 256},   {Kind::Birthday, "21", 419},
    {Kind::Birthday, "22", 310},  {Kind::Birthday, "23", 345},   {Kind::Birthday, "24", 352},
    {Kind::Birthday, "25", 439},  {Kind::Birthday, "26", 315},   {Kind::Birthday, "27", 398},
    {Kind::Birthday, "28", 287},  {Kind::Birthday, "29", 429},   {Kind::Birthday, "30", 434},
    {Kind::Birthday, "31", 588},

    {Kind::Gem, "Topaz", 573},    {Kind::Gem, "Ruby", 507},      {Kind::Gem, "Cat's eye", 526},
    {Kind::Gem, "Amethyst", 482}, {Kind::Gem, "Sapphire", 586},  {Kind::Gem, "Diamond", 517},
    {Kind::Gem, "Emerald", 492},  {Kind::Gem, "Moonstone", 338}, {Kind::Gem, "Coral", 724},

    {Kind::Support, "0", 227},    {Kind::Support, "1", 211},     {Kind::Support, "2", 160},
    {Kind::Support, "3", 196},

    {Kind::Softwares, "", 615},   {Kind::Forum, "", 115},
};

const char *KindName(Kind kind)
{
    switch (kind) {
    case Kind::LifePath: return "life path";
    case Kind::Birthday: return "birthday";
    case Kind::Gem: return "gem";
    case Kind::Support: return "support";
    case Kind::Softwares: return "catalogue";
    case Kind::Forum: return "forum advertisement";
    }
    return "?";
}

// Every gemstone name with the picture it shows and the label of its
// description.
struct Stone
{
    const char *code; // as used in GemTableRows below
    const char16_t *name;
    int picture;
    const char *label;
};
const Stone Stones[] = {
    {"YT", u"Yellow Topaz", 9, "Topaz"},  {"GT", u"Golden Topaz", 9, "Topaz"},
    {"RU", u"Ruby", 8, "Ruby"},           {"CE", u"Cat\u2019s Eye", 3, "Cat's eye"},
    {"AM", u"Amethyst", 1, "Amethyst"},   {"LB", u"Light Blue Sapphire", 2, "Sapphire"},
    {"DI", u"Diamond", 5, "Diamond"},     {"EM", u"Emerald", 6, "Emerald"},
    {"MO", u"Moonstone", 7, "Moonstone"}, {"BS", u"Blue Sapphire", 2, "Sapphire"},
    {"CO", u"Coral", 4, "Coral"},
};

// The gemstone table, a row per life path root 1-9, a column per birthday
// root 1-9, written out cell by cell, not taken from the code.
const char *const GemTableRows[] = {
    "YT GT YT LB DI EM MO BS CO", "YT CE AM LB DI EM MO BS MO", "YT CE AM LB DI YT MO BS CO",
    "YT CE YT LB DI EM MO BS CO", "RU CE AM LB DI EM MO BS CO", "YT CE YT LB DI EM MO BS CO",
    "YT CE AM LB DI EM MO BS MO", "GT CE AM LB DI EM MO BS CO", "YT CE AM LB DI EM MO BS CO",
};

const Stone &StoneCoded(const QString &code)
{
    for (const Stone &stone : Stones) {
        if (code == QLatin1String(stone.code))
            return stone;
    }
    qFatal("no stone %s", qPrintable(code));
    return Stones[0];
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void everyEntryHasItsSize_data();
    void everyEntryHasItsSize();
    void aboutDescriptionIsOneParagraph();
    void interpretationsDifferFromEachOther();
    void onlyThe13thBeginsWithASpace();
    void keysWithoutAnEntryGiveNothing_data();
    void keysWithoutAnEntryGiveNothing();
    void gemTableCells_data();
    void gemTableCells();
    void picturesDecodeInListOrder_data();
    void picturesDecodeInListOrder();
};

void TestCatalogue::everyEntryHasItsSize_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("length");
    for (const Entry &e : Entries)
        // clang-format off
        QTest::addRow("%s %s", KindName(e.kind), e.key)
            << e.kind << QString::fromLatin1(e.key) << e.length;
    // clang-format on
}

void TestCatalogue::everyEntryHasItsSize()
{
    QFETCH(Kind, kind);
    QFETCH(QString, key);
    QFETCH(int, length);

    const std::optional<QString> text = TextOf(kind, key);
    QVERIFY2(text.has_value(), "entry missing");
    QCOMPARE(text->size(), length);
    QVERIFY(!text->trimmed().isEmpty());
    QVERIFY2(!text->contains(QLatin1Char('\n')) && !text->contains(QLatin1Char('\r')),
             "a text is one paragraph");
    QVERIFY2(!text->trimmed().contains(QStringLiteral("  ")), "run of blanks inside a text");
}

void TestCatalogue::aboutDescriptionIsOneParagraph()
{
    const QString about = AboutDescription();
    QVERIFY(about.startsWith(QStringLiteral("Gemvara")));
    // "About 300 characters": it has to fit the About window's label.
    QVERIFY2(about.size() >= 270 && about.size() <= 330, qPrintable(QString::number(about.size())));
    QVERIFY(!about.contains(QLatin1Char('\n')) && !about.contains(QLatin1Char('\r')));
}

void TestCatalogue::interpretationsDifferFromEachOther()
{
    QSet<QString> birthdays;
    for (qint16 day = 1; day <= 31; ++day)
        birthdays.insert(BirthdayCatalogue(day).value_or(QString()));
    birthdays.remove(QString());
    QCOMPARE(birthdays.size(), 31);

    QSet<QString> lifePaths;
    for (int number : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22})
        lifePaths.insert(LifePathCatalogue(qint16(number)).value_or(QString()));
    lifePaths.remove(QString());
    QCOMPARE(lifePaths.size(), 11);

    // The nine descriptions too, or a shared one could hide a wrong label.
    QSet<QString> gems;
    for (const Stone &stone : Stones)
        gems.insert(GemDescriptionCatalogue(QLatin1String(stone.label)).value_or(QString()));
    gems.remove(QString());
    QCOMPARE(gems.size(), 9);
}

void TestCatalogue::onlyThe13thBeginsWithASpace()
{
    for (qint16 day = 1; day <= 31; ++day) {
        const QString text = BirthdayCatalogue(day).value_or(QString());
        QVERIFY2(!text.isEmpty(), qPrintable(QStringLiteral("day %1 missing").arg(day)));
        QCOMPARE(text.startsWith(QLatin1Char(' ')), day == 13);
        QVERIFY(!text.startsWith(QStringLiteral("  ")));
    }
}

void TestCatalogue::keysWithoutAnEntryGiveNothing_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("key");

    for (const char *key : {"0", "10", "12", "13", "21", "33", "-1", "32767", "-32768"})
        // clang-format off
        QTest::addRow("life path %s", key) << Kind::LifePath << QString::fromLatin1(key);
    // clang-format on
    for (const char *key : {"0", "32", "-1", "32767", "-32768"})
        // clang-format off
        QTest::addRow("birthday %s", key) << Kind::Birthday << QString::fromLatin1(key);
    QTest::newRow("gem, empty label") << Kind::Gem << QString();
    QTest::newRow("gem, lower case") << Kind::Gem << QStringLiteral("topaz");
    QTest::newRow("gem, shown name not label") << Kind::Gem << QStringLiteral("Yellow Topaz");
    QTest::newRow("gem, curly apostrophe") << Kind::Gem << QStringLiteral("Cat\u2019s eye");
    QTest::newRow("gem, capital E") << Kind::Gem << QStringLiteral("Cat's Eye");
    QTest::newRow("gem, trailing blank") << Kind::Gem << QStringLiteral("Ruby ");
    QTest::newRow("gem, other stone") << Kind::Gem << QStringLiteral("Pearl");
    QTest::newRow("support 4") << Kind::Support << QStringLiteral("4");
    QTest::newRow("support -1") << Kind::Support << QStringLiteral("-1");
    // clang-format on
}

void TestCatalogue::keysWithoutAnEntryGiveNothing()
{
    QFETCH(Kind, kind);
    QFETCH(QString, key);
    QVERIFY(!TextOf(kind, key).has_value());
}

void TestCatalogue::gemTableCells_data()
{
    QTest::addColumn<int>("lifePathRoot");
    QTest::addColumn<int>("birthdayRoot");
    QTest::addColumn<QString>("code");
    for (int row = 1; row <= 9; ++row) {
        const QStringList codes = QString::fromLatin1(GemTableRows[row - 1]).split(u' ');
        for (int column = 1; column <= 9; ++column)
            QTest::addRow("%d/%d", row, column) << row << column << codes.at(column - 1);
    }
}

void TestCatalogue::gemTableCells()
{
    QFETCH(int, lifePathRoot);
    QFETCH(int, birthdayRoot);
    QFETCH(QString, code);
    const Stone &stone = StoneCoded(code);

    const std::optional<Gemstone> gem =
        GemForRoots(static_cast<qint16>(lifePathRoot), static_cast<qint16>(birthdayRoot));
    QVERIFY(gem.has_value());
    QCOMPARE(gem->name, QString::fromUtf16(stone.name));
    QCOMPARE(int(gem->picture), stone.picture);
    const std::optional<QString> description = GemDescriptionCatalogue(QLatin1String(stone.label));
    QVERIFY(description.has_value());
    QCOMPARE(gem->description, *description);
}

void TestCatalogue::picturesDecodeInListOrder_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("key");
    const char *keys[] = {"amethyst.jpg",  "bluesapphire.jpg", "cat's eye.jpg",
                          "coral.jpg",     "diamond.jpg",      "emerald.jpg",
                          "moonstone.jpg", "ruby.jpg",         "topaz.jpg"};
    int position = 1;
    for (const char *key : keys) {
        // clang-format off
        QTest::addRow("%d %s", position, key) << position << QString::fromLatin1(key);
        // clang-format on
        ++position;
    }
}

void TestCatalogue::picturesDecodeInListOrder()
{
    QFETCH(int, position);
    QFETCH(QString, key);

    QCOMPARE(GemPictureKey(static_cast<qint16>(position)), key);
    const QImage picture(GemPicturePath(static_cast<qint16>(position)));
    QVERIFY2(!picture.isNull(), "picture does not decode");
    QCOMPARE(picture.width(), 120);
    QVERIFY2(picture.height() >= 90 && picture.height() <= 120,
             qPrintable(QString::number(picture.height())));
}

GEMVARA_TEST_MAIN(TestCatalogue)
#include "test_catalogue.moc"
