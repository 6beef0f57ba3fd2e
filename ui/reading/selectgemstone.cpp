#include "selectgemstone.h"

#include "frmDisplay.h"
#include "gempictures.h"
#include "gemstones.h"

#include <QLabel>
#include <QPlainTextEdit>

Reading &CurrentReading()
{
    static Reading reading;
    return reading;
}

void SelectGemstone(frmDisplay *window)
{
    Reading &reading = CurrentReading();
    const std::optional<Gemstone> gem = GemForRoots(reading.LifePathRoot, reading.BirthdayRoot);
    if (!gem)
        return;
    reading.GemName = gem->name;
    reading.GemDescription = gem->description;
    reading.GemPicture = gem->picture;
    if (!window)
        return;

    window->lblGemstoneName()->setText(reading.GemName);
    window->txtGemstoneDesc()->setPlainText(reading.GemDescription);
    const QPixmap picture = GemPicture(reading.GemPicture);
    if (picture.isNull())
        return;
    window->picGem()->setPixmap(picture);
}
