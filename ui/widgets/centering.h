#pragma once

class QWidget;

// Puts the window, frame included, in the middle of the available area of
// its screen. The window manager's frame is only known once the window is
// on screen: until then the window's own size stands in for it, and the
// window is centred once more when it is first shown and when its frame
// is first known. Call once, before the window is shown.
void CenterOnScreen(QWidget *window);
