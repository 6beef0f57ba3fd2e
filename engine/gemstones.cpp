#include "engine/gemstones.h"

#include "engine/catalogue.h"

#include <QCoreApplication>

#include <array>

namespace {

struct Kind
{
    const char *name; // English, translated when shown
    const char *descriptionLabel;
    qint16 picture;
};

// Each name with the kind of stone it describes and its picture.
enum GemId { YT, GT, RU, CE, AM, LB, DI, EM, MO, BS, CO };

constexpr std::array<Kind, 11> Kinds = {{
    {QT_TRANSLATE_NOOP("Gemstones", "Yellow Topaz"), "Topaz", 9},
    {QT_TRANSLATE_NOOP("Gemstones", "Golden Topaz"), "Topaz", 9},
    {QT_TRANSLATE_NOOP("Gemstones", "Ruby"), "Ruby", 8},
    {QT_TRANSLATE_NOOP("Gemstones", "Cat’s Eye"), "Cat's eye", 3},
    {QT_TRANSLATE_NOOP("Gemstones", "Amethyst"), "Amethyst", 1},
    {QT_TRANSLATE_NOOP("Gemstones", "Light Blue Sapphire"), "Sapphire", 2},
    {QT_TRANSLATE_NOOP("Gemstones", "Diamond"), "Diamond", 5},
    {QT_TRANSLATE_NOOP("Gemstones", "Emerald"), "Emerald", 6},
    {QT_TRANSLATE_NOOP("Gemstones", "Moonstone"), "Moonstone", 7},
    {QT_TRANSLATE_NOOP("Gemstones", "Blue Sapphire"), "Sapphire", 2},
    {QT_TRANSLATE_NOOP("Gemstones", "Coral"), "Coral", 4},
}};

// Rows: life path root 1-9. Columns: birthday root 1-9.
// clang-format off
constexpr GemId GemTable[9][9] = {
    {YT, GT, YT, LB, DI, EM, MO, BS, CO},
    {YT, CE, AM, LB, DI, EM, MO, BS, MO},
    {YT, CE, AM, LB, DI, YT, MO, BS, CO},
    {YT, CE, YT, LB, DI, EM, MO, BS, CO},
    {RU, CE, AM, LB, DI, EM, MO, BS, CO},
    {YT, CE, YT, LB, DI, EM, MO, BS, CO},
    {YT, CE, AM, LB, DI, EM, MO, BS, MO},
    {GT, CE, AM, LB, DI, EM, MO, BS, CO},
    {YT, CE, AM, LB, DI, EM, MO, BS, CO},
};
// clang-format on

constexpr std::array<const char *, GemPictureCount> PictureKeys = {
    "amethyst.jpg", "bluesapphire.jpg", "cat's eye.jpg", "coral.jpg", "diamond.jpg",
    "emerald.jpg",  "moonstone.jpg",    "ruby.jpg",      "topaz.jpg",
};

} // namespace

std::optional<Gemstone> GemForRoots(qint16 lifePathRoot, qint16 birthdayRoot)
{
    if (lifePathRoot < 1 || lifePathRoot > 9 || birthdayRoot < 1 || birthdayRoot > 9)
        return std::nullopt;
    const Kind &kind = Kinds[GemTable[lifePathRoot - 1][birthdayRoot - 1]];
    Gemstone gem;
    gem.name = QCoreApplication::translate("Gemstones", kind.name);
    gem.description =
        GemDescriptionCatalogue(QString::fromLatin1(kind.descriptionLabel)).value_or(QString());
    gem.picture = kind.picture;
    return gem;
}

QString GemPictureKey(qint16 position)
{
    if (position < 1 || position > GemPictureCount)
        return {};
    return QString::fromLatin1(PictureKeys[position - 1]);
}

QString GemPicturePath(qint16 position)
{
    const QString key = GemPictureKey(position);
    return key.isEmpty() ? QString() : QStringLiteral(":/gems/") + key;
}
