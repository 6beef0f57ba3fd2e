// Drawing helpers shared by the gemstone pictures: colour families,
// background, shadow, facets, glints and the three kinds of cut.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>

#include <functional>

// A stone's colour family. Shade() walks from dark through base to light,
// and past light towards white, so facets of one stone stay in one hue.
struct Tone
{
    QColor dark;
    QColor base;
    QColor light;
};

QColor Mix(const QColor &a, const QColor &b, double t);
QColor Shade(const Tone &tone, double t); // t: -1 dark, 0 base, 1 light, 2 white
QColor WithAlpha(QColor c, int alpha);

// Small deterministic noise in [-1, 1], so a rerun draws the same pixels.
double Jitter(unsigned seed, int index);

void PaintBackground(QPainter &p, const QRectF &area, const QColor &centre, const QColor &edge);
void PaintShadow(QPainter &p, const QRectF &footprint, int alpha = 90);

// A flat facet: filled with a slight gradient from its inner to its outer
// edge and outlined thinly, which is what makes a cut read as a cut.
void PaintFacet(QPainter &p, const QPolygonF &facet, const QPointF &centre, const QColor &inner,
                const QColor &outer, const QColor &edge);

// A star-shaped specular glint: a soft white core with four thin rays.
void PaintGlint(QPainter &p, const QPointF &at, double size, int alpha = 255);

// A closed girdle outline around the stone's centre, u in [0, 1).
using Outline = std::function<QPointF(double u)>;

struct BrilliantCut
{
    int sides = 8;         // table corners; the crown repeats this many times
    double table = 0.5;    // table size as a fraction of the girdle
    double star = 0.78;    // how far the star facets reach towards the girdle
    unsigned seed = 1;     // varies the sparkle from stone to stone
    double contrast = 1;   // strength of the light from the upper left
    double scatter = 0.35; // facet-to-facet flicker; a diamond wants plenty
};

// Crown of a brilliant seen from above: table, star, kite and upper girdle
// facets, lit from the upper left.
void PaintBrilliant(QPainter &p, const QPointF &centre, const Outline &girdle, const Tone &tone,
                    const BrilliantCut &cut);

// Step cut: a rectangle with cut corners, stepped down in concentric rings
// around a large table.
void PaintStepCut(QPainter &p, const QRectF &girdle, double corner, int steps, double stepWidth,
                  const Tone &tone, unsigned seed);

// A smooth dome: dark at the rim, glowing through the body, bright towards
// the light.
void PaintCabochon(QPainter &p, const QRectF &stone, const Tone &tone);

// Outline helpers.
Outline EllipseOutline(double rx, double ry);
Outline CushionOutline(double rx, double ry, double squareness);
Outline PearOutline(double rx, double ry);
