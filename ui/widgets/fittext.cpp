#include "ui/widgets/fittext.h"

#include <QLabel>

#include <algorithm>

namespace {

constexpr double StepPoints = 0.25;
constexpr double SmallestPoints = 7.0;

// The height the label's text may take and still be seen whole: the
// label's own, less what its parent cuts off below it, twice that where
// the text is centred between top and bottom. A line in the cut-off part,
// or only its underline, would be lost; a script with marks above and
// below its letters (Devanagari) takes taller lines than Latin does.
int RoomHeight(const QLabel *label)
{
    const QWidget *parent = label->parentWidget();
    const int cut = parent ? std::max(0, label->geometry().bottom() - parent->rect().bottom()) : 0;
    return label->height() - ((label->alignment() & Qt::AlignVCenter) ? 2 * cut : cut);
}

bool TextFits(const QLabel *label)
{
    // Word wrap cannot break a word: one wider than the label runs past its
    // edge whatever the height, as a wider substitute font's words may.
    if (label->wordWrap())
        return label->heightForWidth(label->width()) <= RoomHeight(label)
               && label->minimumSizeHint().width() <= label->width();
    // One line may stand a little past a short label's edges as long as its
    // letters do not, but an underline lies at the foot of the line.
    const QSize needed = label->sizeHint();
    return needed.width() <= label->width()
           && (!label->font().underline() || needed.height() <= RoomHeight(label));
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
