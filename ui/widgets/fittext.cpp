#include "ui/widgets/fittext.h"

#include <QLabel>

namespace {

constexpr double StepPoints = 0.25;
constexpr double SmallestPoints = 7.0;

bool TextFits(const QLabel *label)
{
    // Word wrap cannot break a word: one wider than the label runs past its
    // edge whatever the height, as a wider substitute font's words may.
    if (label->wordWrap())
        return label->heightForWidth(label->width()) <= label->height()
               && label->minimumSizeHint().width() <= label->width();
    return label->sizeHint().width() <= label->width();
}

} // namespace

void FitTextToLabel(QLabel *label)
{
    if (label->text().isEmpty() || TextFits(label))
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
