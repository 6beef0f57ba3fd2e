#include "engine/reading.h"

#include "engine/catalogue.h"
#include "engine/gemstones.h"
#include "engine/numerology.h"

Reading ComputeReading(const QString &dayText, int month, const QString &yearText)
{
    Reading r;
    r.dayText = dayText;
    r.month = month;
    r.yearText = yearText;

    r.lifePathNumber = ComputeLifePath(dayText, month, yearText);
    r.lifePathRoot = LifePathRootOf(r.lifePathNumber);
    r.lifePathSignificance = LifePathSignificance();
    r.lifePathText = LifePathCatalogue(r.lifePathNumber).value_or(QString());

    r.birthdayNumber = ComputeBirthday(dayText);
    r.birthdayRoot = BirthdayRootOf(r.birthdayNumber);
    r.birthdaySignificance = BirthdaySignificance();
    r.birthdayText = BirthdayCatalogue(r.birthdayNumber).value_or(QString());

    if (const std::optional<Gemstone> gem = GemForRoots(r.lifePathRoot, r.birthdayRoot)) {
        r.gemName = gem->name;
        r.gemDescription = gem->description;
        r.gemPicture = gem->picture;
    }
    return r;
}
