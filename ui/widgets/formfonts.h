#pragma once

#include <QWidget>

class QString;

// Designer stores whole point sizes only. Widgets whose font is 8.25,
// 9.75 or 14.25 pt carry the exact size in the dynamic property
// "pointSizeF"; this applies it to a form and all its children. A family
// the system lacks is drawn in the stand-in, where one is named.
void ApplyFormFonts(QWidget *form);

// Where the system lacks a family that a form names (Verdana, MS Sans
// Serif), Qt asks fontconfig's fallback for that family, again for every
// script it meets, and lands on the same sans font each time. Names that
// font once, resolved, for ApplyFormFonts to ask for instead.
void SetMissingFamilyStandIn(const QString &family);

// The family that a form's font naming `family` is drawn in: the family
// itself where the system has it (or no stand-in is named), else the
// stand-in.
QString FormFamily(const QString &family);

// A form's area whose font names a family the system lacks takes the
// stand-in the moment its font is set, before the form makes the controls
// inside it: a line edit lays its text out as it is made, and would have
// the missing family looked up through fontconfig's fallback.
class FormArea : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void changeEvent(QEvent *event) override;
};
