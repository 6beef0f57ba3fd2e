#include "ui/reading/gempictures.h"

#include "engine/gemstones.h"

#include <QGuiApplication>

#include <array>

namespace {

// Resource path of the picture drawn at twice the size: "<key>@2x.jpg".
QString DoubleSizePath(qint16 position)
{
    QString path = GemPicturePath(position);
    path.insert(path.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
    return path;
}

} // namespace

QPixmap GemPicture(qint16 position)
{
    if (position < 1 || position > GemPictureCount)
        return {};
    // On a screen scaled above 100 % the picture drawn at twice the size
    // keeps its detail; the normal one would be enlarged and blur.
    const bool doubleSize = qGuiApp && qGuiApp->devicePixelRatio() > 1.0;
    // Decoding all nine up front would slow every start; most runs show one or two.
    // One cache per size, so a scale changed while running never gets the other's.
    static std::array<QPixmap, GemPictureCount> normal;
    static std::array<QPixmap, GemPictureCount> doubled;
    QPixmap &picture = (doubleSize ? doubled : normal).at(std::size_t(position - 1));
    if (picture.isNull() && doubleSize && picture.load(DoubleSizePath(position)))
        picture.setDevicePixelRatio(2.0);
    if (picture.isNull())
        picture.load(GemPicturePath(position));
    return picture;
}
