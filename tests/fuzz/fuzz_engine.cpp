// Arbitrary day and year texts and month numbers through the reading
// arithmetic and the lookups that follow it. Input: three texts separated
// by 0x00 bytes; the month's is read as a number.
#include "engine/catalogue.h"
#include "engine/gemstones.h"
#include "engine/numerology.h"
#include "engine/reading.h"

#include <QByteArrayList>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayList parts =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)).split('\0');
    const QString day = QString::fromUtf8(parts.value(0));
    const int month = QString::fromUtf8(parts.value(1)).toInt();
    const QString year = QString::fromUtf8(parts.value(2));

    const Reading r = ComputeReading(day, month, year);

    // Whatever the texts, the numbers stay in the ranges the windows show.
    const qint16 lp = r.lifePathNumber;
    if (lp < 0 || (lp > 9 && lp != 11 && lp != 22))
        std::abort();
    if (r.lifePathRoot < 0 || r.lifePathRoot > 9 || r.birthdayRoot < 0 || r.birthdayRoot > 9)
        std::abort();
    if (r.birthdayNumber >= 1 && r.birthdayRoot != 1 + (r.birthdayNumber - 1) % 9)
        std::abort();

    const auto gem = GemForRoots(r.lifePathRoot, r.birthdayRoot);
    const bool inTable = r.lifePathRoot >= 1 && r.birthdayRoot >= 1;
    if (gem.has_value() != inTable)
        std::abort();
    if (gem && (gem->picture < 1 || gem->picture > GemPictureCount))
        std::abort();
    (void)LifePathCatalogue(r.lifePathNumber);
    (void)BirthdayCatalogue(r.birthdayNumber);
    return 0;
}
