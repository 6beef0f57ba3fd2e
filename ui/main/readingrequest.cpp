#include "readingrequest.h"

#include "catalogue.h"
#include "exitscreen.h"
#include "frmDisplay.h"
#include "frmMain.h"
#include "numerology.h"
#include "selectgemstone.h"
#include "validation.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

// Inserts at the caret of the still empty box, then takes the caret back
// to the start so the box opens on the beginning of the text.
void PutInto(QPlainTextEdit *box, const QString &text)
{
    box->insertPlainText(text);
    QTextCursor caret = box->textCursor();
    caret.setPosition(0);
    box->setTextCursor(caret);
}

} // namespace

void RunReadingRequest(frmMain *main)
{
    if (!main || !ValidateInput(main))
        return;

    // Everything is worked out afresh; nothing of an earlier reading stays.
    Reading &reading = CurrentReading();
    reading = Reading();
    reading.DayText = main->cboDate()->currentText();
    reading.MonthName = main->cboMonth()->currentText();
    reading.YearText = main->cboYear()->currentText();

    reading.LifePathNumber = ComputeLifePath(reading.DayText, reading.MonthName, reading.YearText);

    // A new window for every reading, filled while it is still hidden.
    auto *display = new frmDisplay;
    display->setMainWindow(main);
    display->lblLifePathNumber()->setText(QString::number(reading.LifePathNumber));
    reading.LifePathRoot = LifePathRootOf(reading.LifePathNumber);
    reading.LifePathText = LifePathCatalogue(reading.LifePathNumber).value_or(QString());
    PutInto(display->txtLifeJourneyNumberDisplay(), LifePathSignificance());
    PutInto(display->txtLifeJourneyNumberDisplayDesc(), reading.LifePathText);

    reading.BirthdayNumber = ComputeBirthday(main->cboDate()->currentText());
    reading.BirthdayRoot = BirthdayRootOf(reading.BirthdayNumber);
    reading.BirthdayText = BirthdayCatalogue(reading.BirthdayNumber).value_or(QString());
    display->lblBirthdayNumber()->setText(QString::number(reading.BirthdayNumber));
    PutInto(display->txtBirthdayNumberDisplay(), BirthdaySignificance());
    PutInto(display->txtBirthdayNumberDisplayDesc(), reading.BirthdayText);

    SelectGemstone(display);

    main->hide();
    display->show();
    // The reading window is to be the only one on screen; the first call
    // also loads the exit screen, hidden.
    HideExitScreen();
}
