#pragma once

class QWidget;

// Designer stores whole point sizes only. Widgets whose font is 8.25,
// 9.75 or 14.25 pt carry the exact size in the dynamic property
// "pointSizeF"; this applies it to a form and all its children.
void ApplyFormFonts(QWidget *form);
