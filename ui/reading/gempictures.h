#pragma once

#include <QPixmap>
#include <QtGlobal>

// The nine gemstone pictures, addressed by their 1-based list position as
// the gemstone table gives it. Each picture is decoded the first time it is
// asked for and kept; a position outside the list gives a null pixmap.
QPixmap GemPicture(qint16 position);
