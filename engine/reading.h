#pragma once

#include <QString>
#include <QtGlobal>

// One whole reading: the date as picked, the two numbers with their
// one-digit roots, the texts that explain them and the gemstone. It owns
// its texts and refers to no window.
struct Reading
{
    QString dayText;
    int month = 0; // 1 for January
    QString yearText;
    qint16 lifePathNumber = 0;
    qint16 lifePathRoot = 0;
    qint16 birthdayNumber = 0;
    qint16 birthdayRoot = 0;
    QString lifePathSignificance; // what a life path number stands for
    QString lifePathText;         // what this one means
    QString birthdaySignificance;
    QString birthdayText;
    // Empty name, empty description and picture 0 when the roots lie
    // outside the gemstone table.
    QString gemName;
    QString gemDescription;
    qint16 gemPicture = 0; // 1-based position in the picture list
};

// The reading for the texts of the day and year lists and the month's
// number. Any text is taken: a number without an interpretation gets an
// empty text. The texts are those of the catalogue's language.
Reading ComputeReading(const QString &dayText, int month, const QString &yearText);
