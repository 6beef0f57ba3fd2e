#pragma once

class QColor;
class QLabel;

// The strip with the forum advertisement and the bottom band where the
// full-branding and the co-branding offer share one spot, as the main and
// the reading window have them. The advertisement gets its text, fitted,
// in advertColour; both offers are purple on an opaque face, so the one
// behind does not show through, and inFront is put in front. Each label
// opens its page when clicked.
void SetUpOfferBand(QLabel *advert, const QColor &advertColour, QLabel *fullBrand, QLabel *coBrand,
                    QLabel *inFront);

// Puts one of the two offers in front of the other. Only the one in front
// can be seen and clicked, so only that one is reached by Tab.
void PutOfferInFront(QLabel *inFront, QLabel *behind);
