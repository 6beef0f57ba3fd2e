#pragma once

#include <QIcon>

// The program's icon: 16 to 64 pixels, and 128 and 256 too on a scaled
// screen. Needs the application object.
QIcon AppIcon();
