#pragma once

#include <QString>

#include <optional>

// What the main window holds when a reading is asked for: the texts of the
// name boxes and of the three lists, and the day's and month's positions
// in their lists (0 for the first entry, -1 for none).
struct EnteredInput
{
    QString firstName;
    QString lastName;
    QString dayText;
    QString monthName;
    QString yearText;
    int dayIndex = -1;
    int monthIndex = -1;
};

// The control that gets the focus with a problem's message.
enum class InputField { None, FirstName, LastName, Day, Month, Year };

struct InputProblem
{
    QString message; // in the user's language
    InputField focus = InputField::None;
};

// The main window's checks on names and date, in a fixed order; the first
// that fails is the problem. Nothing when the input may be used for a reading.
std::optional<InputProblem> InputProblemOf(const EnteredInput &input);
