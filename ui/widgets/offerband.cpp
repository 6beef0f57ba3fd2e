#include "ui/widgets/offerband.h"

#include "ui/widgets/fittext.h"
#include "ui/widgets/formcolours.h"
#include "ui/widgets/linklabel.h"

#include <QRandomGenerator>

#include <cmath>

namespace {

// Shows one of the two offers in the shared spot. The other lies hidden
// behind it: nobody can see, click or Tab to it, nor hear it read out.
void PutOfferInFront(LinkLabel *inFront, LinkLabel *behind)
{
    behind->hide();
    inFront->show();
    inFront->raise();
}

} // namespace

void SetUpOfferBand(LinkLabel *advert, const QString &advertText, const QColor &advertColour,
                    LinkLabel *fullBrand, LinkLabel *coBrand, LinkLabel *inFront)
{
    SetColours(advert, {{QPalette::WindowText, advertColour}});
    advert->setText(advertText);
    FitTextToLabel(advert);

    const QColor face = advert->window()->palette().color(QPalette::Button);
    for (LinkLabel *offer : {fullBrand, coBrand}) {
        SetColours(offer, {{QPalette::WindowText, FormColour::Purple}, {QPalette::Window, face}});
        offer->setAutoFillBackground(true);
        FitTextToLabel(offer);
    }
    PutOfferInFront(inFront, inFront == fullBrand ? coBrand : fullBrand);
}

qint16 CoBrandNumberFor(float r)
{
    const float scaled = r * 6.0f + 1.0f;
    // The default rounding mode sends an exact half to the even neighbour.
    return qint16(std::nearbyint(scaled));
}

qint16 DrawCoBrandNumber(QRandomGenerator &random)
{
    // A single-precision value in [0, 1): 24 random bits, so it can never
    // round up to 1.
    const float r = float(random.bounded(1u << 24)) / float(1u << 24);
    return CoBrandNumberFor(r);
}

void ShowCoBrandChoice(LinkLabel *fullBrand, LinkLabel *coBrand, qint16 n)
{
    if (n == 1 || n == 3 || n == 5)
        PutOfferInFront(coBrand, fullBrand);
    else if (n == 2 || n == 4 || n == 6)
        PutOfferInFront(fullBrand, coBrand);
}
