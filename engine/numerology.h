#pragma once

#include <QString>
#include <QtGlobal>

// Digit sum of a text, folded once: a two-digit sum becomes its first digit
// plus its last digit, so 19 and 28 give 10 and stay 10. Characters other
// than 0-9 add nothing; an empty text gives 0.
qint16 ReduceOnce(const QString &text);

// A month's number (1 for January to 12 for December) counts as itself up
// to 9 for September, then 1, 2, 3 for October to December; any other
// number gives 0. The month list may show its names in any language: the
// reading goes by the number alone.
qint16 MonthValue(int month);

// The life path number: 1 to 9, or the master numbers 11 and 22.
qint16 ComputeLifePath(const QString &dayText, int month, const QString &yearText);

// The day itself (blanks around it removed); 0 when it is not a number.
qint16 ComputeBirthday(const QString &dayText);

// 11 gives 2, 22 gives 4, every other number is its own root.
qint16 LifePathRootOf(qint16 lifePathNumber);

// Digital root, 1 + (n - 1) mod 9; 0 for anything below 1.
qint16 BirthdayRootOf(qint16 birthdayNumber);
