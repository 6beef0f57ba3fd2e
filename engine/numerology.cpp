#include "engine/numerology.h"

#include "engine/blanks.h"

#include <array>

namespace {

// 64 bits: even a text of billions of nines cannot overflow the sum.
qint64 DigitSum(const QString &text)
{
    qint64 sum = 0;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            sum += c.unicode() - '0';
    }
    return sum;
}

} // namespace

qint16 ReduceOnce(const QString &text)
{
    // The fold takes the first and the last digit only, whatever the length;
    // from the lists' own texts the sum never has more than two digits.
    const qint64 sum = DigitSum(text);
    const QString digits = QString::number(sum);
    if (digits.size() < 2)
        return qint16(sum);
    return qint16((digits.front().unicode() - '0') + (digits.back().unicode() - '0'));
}

qint16 MonthValue(int month)
{
    static constexpr std::array<qint16, 12> values = {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3};
    return month < 1 || month > 12 ? qint16(0) : values[std::size_t(month - 1)];
}

qint16 ComputeLifePath(const QString &dayText, int monthNumber, const QString &yearText)
{
    const qint16 day = ReduceOnce(dayText);
    const qint16 month = MonthValue(monthNumber);
    const qint16 year = ReduceOnce(yearText);
    const qint16 total = qint16(day + month + year);
    if (total == 11 || total == 22)
        return total;
    return ReduceOnce(QString::number(total));
}

qint16 ComputeBirthday(const QString &dayText)
{
    // Only blanks are trimmed; anything that is not then a whole number
    // (or does not fit) counts as no day at all.
    bool ok = false;
    const int value = TrimBlanks(dayText).toInt(&ok);
    if (!ok || value < -32768 || value > 32767)
        return 0;
    return qint16(value);
}

qint16 LifePathRootOf(qint16 lifePathNumber)
{
    if (lifePathNumber == 11)
        return 2;
    if (lifePathNumber == 22)
        return 4;
    return lifePathNumber;
}

qint16 BirthdayRootOf(qint16 birthdayNumber)
{
    if (birthdayNumber < 1)
        return 0;
    return qint16(1 + (birthdayNumber - 1) % 9);
}
