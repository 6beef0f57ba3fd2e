#include "offerband.h"

#include "catalogue.h"
#include "fittext.h"
#include "formcolours.h"
#include "linklabels.h"
#include "weblinks.h"

#include <QLabel>

void SetUpOfferBand(QLabel *advert, const QColor &advertColour, QLabel *fullBrand, QLabel *coBrand,
                    QLabel *inFront)
{
    SetColours(advert, {{QPalette::WindowText, advertColour}});
    advert->setText(ForumAdvertisement());
    FitTextToLabel(advert);
    OnLabelClick(advert, [] { OpenHomePage(); });

    const QColor face = advert->window()->palette().color(QPalette::Button);
    for (QLabel *offer : {fullBrand, coBrand}) {
        SetColours(offer, {{QPalette::WindowText, FormColour::Purple}, {QPalette::Window, face}});
        offer->setAutoFillBackground(true);
    }
    OnLabelClick(fullBrand, [] { OpenFullBrandPage(); });
    OnLabelClick(coBrand, [] { OpenCoBrandPage(); });
    PutOfferInFront(inFront, inFront == fullBrand ? coBrand : fullBrand);
}

void PutOfferInFront(QLabel *inFront, QLabel *behind)
{
    inFront->raise();
    inFront->setFocusPolicy(Qt::TabFocus);
    behind->setFocusPolicy(Qt::NoFocus);
}
