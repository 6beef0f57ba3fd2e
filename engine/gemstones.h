#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

struct Gemstone
{
    QString name;        // as shown, e.g. "Cat’s Eye"
    QString description; // the description of its kind of stone
    qint16 picture = 0;  // 1-based position in the picture list
};

// The gemstone for a life path root (row) and a birthday root (column);
// nothing when either root lies outside 1 to 9.
std::optional<Gemstone> GemForRoots(qint16 lifePathRoot, qint16 birthdayRoot);

// The nine picture keys in list order; position 1 is "amethyst.jpg".
inline constexpr int GemPictureCount = 9;
QString GemPictureKey(qint16 position);

// Resource path of a picture, for QPixmap/QImage; empty outside 1 to 9.
QString GemPicturePath(qint16 position);
