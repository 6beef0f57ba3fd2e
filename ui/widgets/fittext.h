#pragma once

class QLabel;

// Labels are drawn at fixed sizes for the forms' fonts; a substitute font
// or a translation may run wider, or taller. Shrinks the label's font in
// small steps until its text fits (its width on one line, its height
// word-wrapped, and its lines, underlines included, where its parent shows
// them), but never below 7 pt, the smallest size that stays readable. A
// text that fits is left alone. Call after the text is set; a hidden label
// is fitted when it is first shown.
void FitTextToLabel(QLabel *label);
