#pragma once

class QString;
class QWidget;

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
