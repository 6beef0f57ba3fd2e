#include "ui/main/validation.h"

#include <QCoreApplication>

namespace {

InputProblem Problem(const char *message, InputField focus = InputField::None)
{
    return InputProblem{QCoreApplication::translate("Validation", message), focus};
}

// Gregorian: 1900 had no 29 February, 2000 did.
bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

} // namespace

std::optional<InputProblem> InputProblemOf(const EnteredInput &input)
{
    // Only truly empty fields count; a name of blanks is accepted.
    if (input.firstName.isEmpty())
        return Problem(QT_TRANSLATE_NOOP("Validation", "Please Enter Your First Name"),
                       InputField::FirstName);
    if (input.lastName.isEmpty())
        return Problem(QT_TRANSLATE_NOOP("Validation", "Please Enter Your Last Name"),
                       InputField::LastName);
    if (input.dayText.isEmpty())
        return Problem(QT_TRANSLATE_NOOP("Validation", "Please Specify Your Birth Date"),
                       InputField::Day);
    if (input.monthName.isEmpty())
        return Problem(QT_TRANSLATE_NOOP("Validation", "Please Specify Your Birth Month"),
                       InputField::Month);
    if (input.yearText.isEmpty())
        return Problem(QT_TRANSLATE_NOOP("Validation", "Please Specify Your Birth Year"),
                       InputField::Year);

    const int day = input.dayIndex;     // 0 is the 1st
    const int month = input.monthIndex; // 0 is January
    const int year = input.yearText.toInt();

    if (month == 1) {
        const int firstBadDay = IsLeapYear(year) ? 29 : 28;
        if (day >= firstBadDay)
            return Problem(QT_TRANSLATE_NOOP("Validation", "Please Enter Correct Date Or Month!"));
    }
    if ((month == 3 || month == 5 || month == 8 || month == 10) && day == 30)
        return Problem(QT_TRANSLATE_NOOP("Validation", "Please Enter Correct Date Or Month !"));
    return std::nullopt;
}
