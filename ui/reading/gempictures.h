#pragma once

#include <QPixmap>
#include <QtGlobal>

// The nine gemstone pictures, addressed by their 1-based list position as
// the gemstone table gives it. Each picture is decoded the first time it is
// asked for and kept; a position outside the list gives a null pixmap.
// When the screen is scaled above 100 % it is the picture drawn at twice
// the size, with a device pixel ratio of 2, so it still covers 120 x 90.
QPixmap GemPicture(qint16 position);
