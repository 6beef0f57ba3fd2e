#pragma once

#include <QIcon>

// The program's icon in every size that ships.
QIcon AppIcon();
