// The nine gemstone pictures, in the order the program addresses them.
#pragma once

#include <QPainter>
#include <QSize>

#include <array>

struct GemPicture
{
    const char *file; // name under engine/data/gems/
    void (*draw)(QPainter &p);
};

// Every picture is drawn in these logical pixels.
inline constexpr QSize kGemPictureSize(120, 90);

const std::array<GemPicture, 9> &GemPictures();
