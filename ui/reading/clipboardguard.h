#pragma once

class QPlainTextEdit;
class QWidget;

// Empties the clipboard whenever the box's text changes and on every mouse
// press, release and movement over it, with or without a button held. The
// box itself is left alone: its text, selection, caret and focus stay as
// they are and every event still reaches it. Once the box has handled the
// event the clipboard is emptied again, and any selection made in the box
// is taken out of the primary selection, so it never stays there. Natively
// on Wayland the box's window also empties the clipboard whenever it
// becomes active, as the compositor ignores a change from the background
// (GuardClipboardOnFocus).
void GuardClipboard(QPlainTextEdit *box);

// Empties the clipboard each time the window gets the keyboard focus, and
// again at its first key, click or pointer arrival after that, except when
// the focus comes back to it from one of the program's popups (a box's
// context menu, whose Copy must stay). Once per window.
void GuardClipboardOnFocus(QWidget *window);
