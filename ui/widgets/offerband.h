#pragma once

#include <QtGlobal>

class LinkLabel;
class QColor;
class QRandomGenerator;
class QString;

// The strip with the forum advertisement and the bottom band where the
// full-branding and the co-branding offer share one spot, as the main and
// the reading window have them. The advertisement gets advertText, fitted,
// in advertColour; both offers are purple on an opaque face, fitted too,
// and inFront is the one shown; the other lies hidden behind it, where
// nobody can see, click or Tab to it, nor hear it read out. Which page
// each label opens is the window's business.
void SetUpOfferBand(LinkLabel *advert, const QString &advertText, const QColor &advertColour,
                    LinkLabel *fullBrand, LinkLabel *coBrand, LinkLabel *inFront);

// The co-brand draw of r in [0, 1): r * 6 + 1 rounded half to even, a
// number 1 to 7 whose ends come half as often as the middle.
qint16 CoBrandNumberFor(float r);
// One draw from the generator, through CoBrandNumberFor.
qint16 DrawCoBrandNumber(QRandomGenerator &random);
// Puts in front the offer that draw n picks: 1, 3 and 5 the co-branding
// one, 2, 4 and 6 the full-branding one; anything else changes nothing.
void ShowCoBrandChoice(LinkLabel *fullBrand, LinkLabel *coBrand, qint16 n);
