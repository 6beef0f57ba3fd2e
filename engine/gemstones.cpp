#include "gemstones.h"

#include "catalogue.h"

#include <array>

namespace {

struct Kind
{
    const char16_t *name;
    const char *descriptionLabel;
    qint16 picture;
};

// Each name with the kind of stone it describes and its picture.
enum GemId { YT, GT, RU, CE, AM, LB, DI, EM, MO, BS, CO };

constexpr std::array<Kind, 11> Kinds = {{
    {u"Yellow Topaz", "Topaz", 9},
    {u"Golden Topaz", "Topaz", 9},
    {u"Ruby", "Ruby", 8},
    {u"Cat\u2019s Eye", "Cat's eye", 3},
    {u"Amethyst", "Amethyst", 1},
    {u"Light Blue Sapphire", "Sapphire", 2},
    {u"Diamond", "Diamond", 5},
    {u"Emerald", "Emerald", 6},
    {u"Moonstone", "Moonstone", 7},
    {u"Blue Sapphire", "Sapphire", 2},
    {u"Coral", "Coral", 4},
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
    gem.name = QString::fromUtf16(kind.name);
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
