#include "tools/gemart/paint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Light falls from the upper left, as in most jewellery photographs.
const QPointF kLight = [] {
    const double len = std::hypot(-1.0, -1.2);
    return QPointF(-1.0 / len, -1.2 / len);
}();

double Dot(const QPointF &a, const QPointF &b)
{
    return a.x() * b.x() + a.y() * b.y();
}

QPointF Unit(const QPointF &v)
{
    const double len = std::hypot(v.x(), v.y());
    return len > 1e-9 ? v / len : QPointF(0, 0);
}

QPointF Centroid(const QPolygonF &poly)
{
    QPointF sum;
    for (const QPointF &pt : poly)
        sum += pt;
    return poly.isEmpty() ? sum : sum / qreal(poly.size());
}

// How squarely a facet tilted towards `outward` faces the light, -1 to 1.
double Facing(const QPointF &outward)
{
    return Dot(Unit(outward), kLight);
}

} // namespace

QColor Mix(const QColor &a, const QColor &b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor Shade(const Tone &tone, double t)
{
    if (t < 0)
        return Mix(tone.base, tone.dark, -t);
    if (t <= 1)
        return Mix(tone.base, tone.light, t);
    return Mix(tone.light, Qt::white, t - 1);
}

QColor WithAlpha(QColor c, int alpha)
{
    c.setAlpha(std::clamp(alpha, 0, 255));
    return c;
}

double Jitter(unsigned seed, int index)
{
    // A small integer hash; std:: distributions differ between libraries.
    unsigned x = seed * 0x9E3779B1u ^ unsigned(index) * 0x85EBCA77u;
    x ^= x >> 15;
    x *= 0x2C1B3C6Du;
    x ^= x >> 12;
    x *= 0x297A2D39u;
    x ^= x >> 15;
    return (x % 20001u) / 10000.0 - 1.0;
}

void PaintBackground(QPainter &p, const QRectF &area, const QColor &centre, const QColor &edge)
{
    QRadialGradient g(area.center() - QPointF(0, area.height() * 0.1), area.width() * 0.75);
    g.setColorAt(0, centre);
    g.setColorAt(1, edge);
    p.fillRect(area, g);
}

void PaintShadow(QPainter &p, const QRectF &footprint, int alpha)
{
    p.save();
    p.translate(footprint.center());
    p.scale(footprint.width() / 2, footprint.height() / 2);
    QRadialGradient g(QPointF(0, 0), 1);
    g.setColorAt(0, QColor(40, 30, 50, alpha));
    g.setColorAt(0.6, QColor(40, 30, 50, alpha / 3));
    g.setColorAt(1, QColor(40, 30, 50, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), 1, 1);
    p.restore();
}

void PaintFacet(QPainter &p, const QPolygonF &facet, const QPointF &centre, const QColor &inner,
                const QColor &outer, const QColor &edge)
{
    // The gradient runs across the facet along the line from the stone's
    // centre, so neighbouring facets meet with a visible crease.
    const QPointF c = Centroid(facet);
    const QPointF dir = Unit(c - centre);
    double lo = 0, hi = 0;
    for (const QPointF &pt : facet) {
        const double d = Dot(pt - c, dir);
        lo = std::min(lo, d);
        hi = std::max(hi, d);
    }
    QLinearGradient g(c + dir * lo, c + dir * hi);
    g.setColorAt(0, inner);
    g.setColorAt(1, outer);
    p.setBrush(g);
    p.setPen(QPen(edge, 0.35, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(facet);
}

void PaintGlint(QPainter &p, const QPointF &at, double size, int alpha)
{
    p.save();
    p.setPen(Qt::NoPen);
    QRadialGradient core(at, size * 0.45);
    core.setColorAt(0, QColor(255, 255, 255, alpha));
    core.setColorAt(0.3, QColor(255, 255, 255, alpha * 2 / 3));
    core.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(core);
    p.drawEllipse(at, size * 0.45, size * 0.45);

    // Long rays on the axes, short ones on the diagonals.
    const QColor ray(255, 255, 255, alpha);
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4;
        const double len = (i % 2 == 0) ? size : size * 0.45;
        const double w = size * 0.06;
        const QPointF d(std::cos(a), std::sin(a));
        const QPointF n(-d.y(), d.x());
        QPolygonF spike{at + n * w, at + d * len, at - n * w};
        QLinearGradient g(at, at + d * len);
        g.setColorAt(0, ray);
        g.setColorAt(1, WithAlpha(ray, 0));
        p.setBrush(g);
        p.drawPolygon(spike);
    }
    p.restore();
}

void PaintBrilliant(QPainter &p, const QPointF &centre, const Outline &girdle, const Tone &tone,
                    const BrilliantCut &cut)
{
    const int n = cut.sides;
    auto ring = [&](double s, double u) { return centre + girdle(u - std::floor(u)) * s; };
    auto table = [&](int k) { return ring(cut.table, double(k) / n); };
    auto star = [&](int k) { return ring(cut.star, (k + 0.5) / n); };
    // A stretch of girdle, sampled finely so curved stones stay curved.
    auto arc = [&](double u0, double u1) {
        QPolygonF pts;
        const int steps = std::max(2, int(std::ceil((u1 - u0) * n * 16)));
        for (int i = 0; i <= steps; ++i)
            pts << ring(1.0, u0 + (u1 - u0) * i / steps);
        return pts;
    };

    p.save();
    const double k = cut.contrast;
    int index = 0;
    auto paint = [&](const QPolygonF &facet, double offset) {
        const double t = 0.75 * k * Facing(Centroid(facet) - centre) + offset
                         + cut.scatter * Jitter(cut.seed, index++);
        PaintFacet(p, facet, centre, Shade(tone, t + 0.3), Shade(tone, t - 0.3),
                   WithAlpha(Shade(tone, 1.6), 85));
    };

    for (int i = 0; i < n; ++i) {
        const double u = double(i) / n;
        const double half = 0.5 / n;

        // Upper girdle facets: the outermost ring, alternately bright and dark.
        QPolygonF upperA = arc(u, u + half);
        upperA.prepend(star(i));
        QPolygonF upperB = arc(u + half, u + 2 * half);
        upperB.prepend(star(i));
        paint(upperA, -0.15);
        paint(upperB, 0.1);

        // Kite (bezel) facet reaching from a table corner to the girdle.
        paint(QPolygonF{table(i), star(i - 1), ring(1.0, u), star(i)}, 0.05);

        // Star facet on each table edge, the brightest of the crown.
        paint(QPolygonF{table(i), table(i + 1), star(i)}, 0.3);
    }

    // The table: a bright window onto the pavilion facets below it.
    QPolygonF tablePoly;
    for (int i = 0; i < n; ++i)
        tablePoly << table(i);
    const QRectF tb = tablePoly.boundingRect();
    QLinearGradient tg(tb.topLeft(), tb.bottomRight());
    tg.setColorAt(0, Shade(tone, 1.0 + 0.2 * k));
    tg.setColorAt(0.55, Shade(tone, 0.35));
    tg.setColorAt(1, Shade(tone, -0.35 * k));
    p.setPen(Qt::NoPen);
    p.setBrush(tg);
    p.drawPolygon(tablePoly);

    QPainterPath clip;
    clip.addPolygon(tablePoly);
    clip.closeSubpath();
    p.setClipPath(clip);
    // Pavilion facets seen through the table: a ring of alternating wedges
    // meeting at the culet.
    for (int j = 0; j < 2 * n; ++j) {
        const QPointF a = ring(1.1, double(j) / (2 * n));
        const QPointF b = ring(1.1, double(j + 1) / (2 * n));
        const bool dark = (j % 2 == 0);
        const int alpha = int((dark ? 55 : 40) + 20 * Jitter(cut.seed, 100 + j));
        p.setBrush(dark ? WithAlpha(Shade(tone, -1.0), alpha) : WithAlpha(Shade(tone, 1.5), alpha));
        p.drawPolygon(QPolygonF{centre, a, b});
    }
    // A soft sheen across the upper left of the table.
    QLinearGradient sheen(tb.topLeft(), tb.center());
    sheen.setColorAt(0, QColor(255, 255, 255, 120));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawPolygon(tablePoly);
    p.setClipping(false);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(WithAlpha(Shade(tone, 1.8), 190), 0.45));
    p.drawPolygon(tablePoly);

    // A dark girdle line holds the stone's silhouette together.
    p.setPen(QPen(WithAlpha(Shade(tone, -1.0), 220), 0.6));
    p.drawPolygon(arc(0, 1));
    p.restore();
}

namespace {

// Rectangle with its corners cut off at 45 degrees, clockwise from the
// top-left end of the top edge.
QPolygonF CutCornerRect(const QRectF &r, double c)
{
    c = std::max(0.0, c);
    return QPolygonF{{r.left() + c, r.top()},     {r.right() - c, r.top()},
                     {r.right(), r.top() + c},    {r.right(), r.bottom() - c},
                     {r.right() - c, r.bottom()}, {r.left() + c, r.bottom()},
                     {r.left(), r.bottom() - c},  {r.left(), r.top() + c}};
}

// Cutting a corner of size c, then insetting by d, leaves a corner of
// c - d * (sqrt(2) - 1).
QPolygonF InsetStep(const QRectF &girdle, double corner, double d)
{
    return CutCornerRect(girdle.adjusted(d, d, -d, -d), corner - d * 0.4142);
}

} // namespace

void PaintStepCut(QPainter &p, const QRectF &girdle, double corner, int steps, double stepWidth,
                  const Tone &tone, unsigned seed)
{
    p.save();
    const QPointF centre = girdle.center();
    // Outward direction of each of the eight sides, in CutCornerRect order.
    const QPointF normals[8] = {{0, -1}, {1, -1}, {1, 0},  {1, 1},
                                {0, 1},  {-1, 1}, {-1, 0}, {-1, -1}};
    for (int s = 0; s < steps; ++s) {
        const QPolygonF outer = InsetStep(girdle, corner, s * stepWidth);
        const QPolygonF inner = InsetStep(girdle, corner, (s + 1) * stepWidth);
        // Alternate rings catch the light differently, which gives the
        // stepped look.
        const double ringOffset = (s % 2 == 0) ? -0.15 : 0.2;
        for (int j = 0; j < 8; ++j) {
            const int j1 = (j + 1) % 8;
            const QPolygonF facet{outer[j], outer[j1], inner[j1], inner[j]};
            const double t = 0.85 * Facing(normals[j]) + ringOffset + 0.2 * Jitter(seed, s * 8 + j);
            PaintFacet(p, facet, centre, Shade(tone, t + 0.2), Shade(tone, t - 0.25),
                       WithAlpha(Shade(tone, 1.5), 130));
        }
    }

    // Table, with the steps mirrored inside it as faint bands.
    const double d = steps * stepWidth;
    const QPolygonF table = InsetStep(girdle, corner, d);
    const QRectF tb = table.boundingRect();
    QLinearGradient tg(tb.topLeft(), tb.bottomRight());
    tg.setColorAt(0, Shade(tone, 1.0));
    tg.setColorAt(0.5, Shade(tone, 0.1));
    tg.setColorAt(1, Shade(tone, -0.45));
    p.setPen(Qt::NoPen);
    p.setBrush(tg);
    p.drawPolygon(table);
    const double inset = stepWidth * 0.9;
    for (int i = 1; i <= 3; ++i) {
        const QPolygonF band = InsetStep(girdle, corner, d + i * inset);
        if (band.boundingRect().height() < 2)
            break;
        p.setPen(QPen(WithAlpha(i % 2 ? Shade(tone, -0.9) : Shade(tone, 1.6), 60), inset * 0.7));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(band);
    }
    QPainterPath clip;
    clip.addPolygon(table);
    clip.closeSubpath();
    p.setClipPath(clip);
    // A diagonal flash of light across the table.
    QLinearGradient flash(tb.topLeft(), tb.bottomRight());
    flash.setColorAt(0.15, QColor(255, 255, 255, 0));
    flash.setColorAt(0.3, QColor(255, 255, 255, 110));
    flash.setColorAt(0.42, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(flash);
    p.drawRect(tb);
    p.setClipping(false);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(WithAlpha(Shade(tone, 1.8), 170), 0.45));
    p.drawPolygon(table);
    p.setPen(QPen(WithAlpha(Shade(tone, -1.0), 230), 0.6));
    p.drawPolygon(CutCornerRect(girdle, corner));
    p.restore();
}

void PaintCabochon(QPainter &p, const QRectF &stone, const Tone &tone)
{
    p.save();
    // Work in a unit circle so circular gradients follow the oval.
    p.translate(stone.center());
    p.scale(stone.width() / 2, stone.height() / 2);
    p.setPen(Qt::NoPen);

    QRadialGradient body(QPointF(0, 0), 1, QPointF(-0.3, -0.35));
    body.setColorAt(0, Shade(tone, 0.9));
    body.setColorAt(0.45, Shade(tone, 0.25));
    body.setColorAt(0.85, Shade(tone, -0.45));
    body.setColorAt(1, Shade(tone, -0.9));
    p.setBrush(body);
    p.drawEllipse(QPointF(0, 0), 1, 1);

    // Light entering at the top left leaves as a glow at the lower right.
    QRadialGradient glow(QPointF(0.35, 0.45), 0.55);
    glow.setColorAt(0, WithAlpha(Shade(tone, 1.0), 150));
    glow.setColorAt(1, WithAlpha(Shade(tone, 1.0), 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(0, 0), 1, 1);
    p.restore();
}

Outline EllipseOutline(double rx, double ry)
{
    return [=](double u) {
        const double a = 2 * kPi * u - kPi / 2; // u = 0 at the top
        return QPointF(rx * std::cos(a), ry * std::sin(a));
    };
}

Outline CushionOutline(double rx, double ry, double squareness)
{
    // A superellipse: squareness 0 is an ellipse, 1 is nearly a rectangle.
    const double m = 2 + 4 * squareness;
    return [=](double u) {
        const double a = 2 * kPi * u - kPi / 2;
        const double c = std::cos(a), s = std::sin(a);
        const double r = 1 / std::pow(std::pow(std::abs(c), m) + std::pow(std::abs(s), m), 1 / m);
        return QPointF(rx * r * c, ry * r * s);
    };
}

Outline PearOutline(double rx, double ry)
{
    // A teardrop with its point at the top. The origin sits below the middle,
    // in the round end, so the table lands where a pear's table is.
    const double widest = 4 / (3 * std::sqrt(3.0)); // max of sin t * sin(t/2)
    return [=](double u) {
        // Spread the samples evenly: plain t crowds them near the point.
        const double t = 2 * kPi * u + 0.6 * std::sin(2 * kPi * u);
        const double x = rx * std::sin(t) * std::sin(t / 2) / widest;
        const double y = -ry * std::cos(t) - 0.25 * ry;
        return QPointF(x, y);
    };
}
