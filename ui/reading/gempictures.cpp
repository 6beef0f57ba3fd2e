#include "gempictures.h"

#include "gemstones.h"

#include <array>

QPixmap GemPicture(qint16 position)
{
    if (position < 1 || position > GemPictureCount)
        return {};
    // Decoding all nine up front would slow every start; most runs show one or two.
    static std::array<QPixmap, GemPictureCount> pictures;
    QPixmap &picture = pictures[position - 1];
    if (picture.isNull())
        picture.load(GemPicturePath(position));
    return picture;
}
