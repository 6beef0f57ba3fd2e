#pragma once

class QAbstractScrollArea;

// Empties the system clipboard. Does nothing when there is no clipboard.
void EmptyClipboard();

// Empties the clipboard whenever the box's text changes and on every mouse
// press, release and movement over it, with or without a button held. The
// box itself is left alone: its text, selection, caret and focus stay as
// they are and every event still reaches it.
void GuardClipboard(QAbstractScrollArea *box);
