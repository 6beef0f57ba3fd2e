#include "fittext.h"

#include <QLabel>

namespace {

constexpr double StepPoints = 0.25;
constexpr double SmallestPoints = 6.0;

bool TextFits(const QLabel *label)
{
    if (label->wordWrap())
        return label->heightForWidth(label->width()) <= label->height();
    return label->sizeHint().width() <= label->width();
}

} // namespace

void FitTextToLabel(QLabel *label)
{
    if (!label || label->text().isEmpty() || TextFits(label))
        return;
    QFont font = label->font();
    double points = font.pointSizeF();
    if (points <= 0)
        return; // a pixel-sized font: not one of the forms' fonts
    while (points - StepPoints >= SmallestPoints) {
        points -= StepPoints;
        font.setPointSizeF(points);
        label->setFont(font);
        if (TextFits(label))
            return;
    }
}
