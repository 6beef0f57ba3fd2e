#include "validation.h"

#include "frmMain.h"
#include "messagebox.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

bool Refuse(frmMain *main, const QString &message, QWidget *focus = nullptr)
{
    ShowGemvaraMessage(main, QMessageBox::Information, message);
    if (focus)
        focus->setFocus();
    return false;
}

// Gregorian: 1900 had no 29 February, 2000 did.
bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

} // namespace

bool ValidateInput(frmMain *main)
{
    if (!main)
        return false;

    // Only truly empty fields count; a name of blanks is accepted.
    if (main->txtFirstName()->text().isEmpty())
        return Refuse(main, QStringLiteral("Please Enter Your First Name"), main->txtFirstName());
    if (main->txtLastName()->text().isEmpty())
        return Refuse(main, QStringLiteral("Please Enter Your Last Name"), main->txtLastName());
    if (main->cboDate()->currentText().isEmpty())
        return Refuse(main, QStringLiteral("Please Specify Your Birth Date"), main->cboDate());
    if (main->cboMonth()->currentText().isEmpty())
        return Refuse(main, QStringLiteral("Please Specify Your Birth Month"), main->cboMonth());
    if (main->cboYear()->currentText().isEmpty())
        return Refuse(main, QStringLiteral("Please Specify Your Birth Year"), main->cboYear());

    const int day = main->cboDate()->currentIndex();   // 0 is the 1st
    const int month = main->cboMonth()->currentIndex(); // 0 is January
    const int year = main->cboYear()->currentText().toInt();

    if (month == 1) {
        const int firstBadDay = IsLeapYear(year) ? 29 : 28;
        if (day >= firstBadDay)
            return Refuse(main, QStringLiteral("Please Enter Correct Date Or Month!"));
    }
    if ((month == 3 || month == 5 || month == 8 || month == 10) && day == 30)
        return Refuse(main, QStringLiteral("Please Enter Correct Date Or Month !"));
    return true;
}
