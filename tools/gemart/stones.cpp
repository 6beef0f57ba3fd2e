#include "tools/gemart/stones.h"

#include "tools/gemart/paint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;
const QRectF kArea(QPointF(0, 0), QSizeF(kGemPictureSize));

// One quiet backdrop for all nine, so the stones carry the colour.
void Backdrop(QPainter &p)
{
    PaintBackground(p, kArea, QColor(0xf6, 0xf3, 0xf7), QColor(0xc9, 0xc2, 0xd0));
}

// Soft window reflection on a polished dome.
void DomeHighlight(QPainter &p, const QRectF &stone, int alpha)
{
    p.save();
    p.translate(stone.center());
    p.scale(stone.width() / 2, stone.height() / 2);
    p.translate(-0.38, -0.48);
    p.rotate(-30);
    p.scale(0.34, 0.16);
    QRadialGradient g(QPointF(0, 0), 1);
    g.setColorAt(0, QColor(255, 255, 255, alpha));
    g.setColorAt(0.5, QColor(255, 255, 255, alpha / 2));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), 1, 1);
    p.restore();
}

// Trillion: a triangle with gently bowed sides and softened points.
Outline TrillionOutline(double radius)
{
    return [=](double u) {
        const double a = 2 * kPi * u; // from the top point, clockwise
        const double sector = 2 * kPi / 3;
        const double local = std::fmod(a, sector) - sector / 2;
        const double flat = 0.5 / std::cos(local);
        const double r = std::min(0.93, flat * 0.72 + 0.28);
        return QPointF(radius * r * std::sin(a), -radius * r * std::cos(a));
    };
}

void DrawAmethyst(QPainter &p)
{
    Backdrop(p);
    PaintShadow(p, QRectF(26, 68, 70, 14));
    const Tone violet{QColor(0x2e, 0x0b, 0x52), QColor(0x85, 0x3c, 0xc4), QColor(0xd9, 0xad, 0xff)};
    const QPointF centre(60, 50);
    PaintBrilliant(p, centre, TrillionOutline(44), violet, {6, 0.5, 0.8, 31, 1.0});
    PaintGlint(p, QPointF(51, 40), 9);
    PaintGlint(p, QPointF(75, 60), 4, 200);
}

void DrawBlueSapphire(QPainter &p)
{
    Backdrop(p);
    PaintShadow(p, QRectF(22, 66, 80, 16));
    const Tone blue{QColor(0x06, 0x0f, 0x45), QColor(0x1a, 0x3f, 0xb0), QColor(0x74, 0xa2, 0xff)};
    PaintBrilliant(p, QPointF(60, 42), EllipseOutline(39, 29), blue, {8, 0.52, 0.78, 7, 1.0});
    PaintGlint(p, QPointF(48, 33), 10);
    PaintGlint(p, QPointF(80, 54), 4, 190);
}

void DrawCatsEye(QPainter &p)
{
    Backdrop(p);
    PaintShadow(p, QRectF(22, 66, 80, 16));
    const QRectF stone(23, 13, 74, 58);
    const Tone honey{QColor(0x3c, 0x28, 0x04), QColor(0xa8, 0x7a, 0x1a), QColor(0xf2, 0xcc, 0x66)};
    PaintCabochon(p, stone, honey);

    p.save();
    QPainterPath dome;
    dome.addEllipse(stone);
    p.setClipPath(dome);
    p.setPen(Qt::NoPen);
    // The eye: one narrow band of light from rim to rim, a thin bright line
    // inside a soft glow.
    const double cx = stone.center().x() - 1;
    QLinearGradient across(cx - 16, 0, cx + 16, 0);
    across.setColorAt(0, QColor(255, 236, 170, 0));
    across.setColorAt(0.28, QColor(255, 236, 170, 60));
    across.setColorAt(0.42, QColor(255, 242, 195, 170));
    across.setColorAt(0.47, QColor(255, 252, 230, 250));
    across.setColorAt(0.53, QColor(255, 252, 230, 250));
    across.setColorAt(0.58, QColor(255, 242, 195, 170));
    across.setColorAt(0.72, QColor(255, 236, 170, 60));
    across.setColorAt(1, QColor(255, 236, 170, 0));
    p.fillRect(QRectF(cx - 16, stone.top(), 32, stone.height()), across);
    // The dome curves away at the rim, so the band fades there too.
    p.translate(stone.center());
    p.scale(stone.width() / 2, stone.height() / 2);
    QRadialGradient rim(QPointF(0, 0), 1);
    rim.setColorAt(0.55, WithAlpha(Shade(honey, -1.0), 0));
    rim.setColorAt(1, WithAlpha(Shade(honey, -1.0), 130));
    p.setBrush(rim);
    p.drawEllipse(QPointF(0, 0), 1, 1);
    p.restore();

    DomeHighlight(p, stone, 150);
    p.setPen(QPen(QColor(0x2a, 0x1e, 0x04, 160), 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(stone);
}

// One limb of the coral: a smooth curve through `points`, thinning from
// `from` to `to`.
struct Limb
{
    std::vector<QPointF> points;
    double from;
    double to;
};

// Samples a Catmull-Rom curve through the limb's points, with a width each.
std::vector<std::pair<QPointF, double>> SampleLimb(const Limb &limb)
{
    std::vector<std::pair<QPointF, double>> out;
    const auto &pt = limb.points;
    const int segments = int(pt.size()) - 1;
    const int steps = 8;
    for (int s = 0; s < segments; ++s) {
        const QPointF p0 = pt[std::max(0, s - 1)], p1 = pt[s], p2 = pt[s + 1];
        const QPointF p3 = pt[std::min(segments, s + 2)];
        for (int i = 0; i < steps; ++i) {
            const double t = double(i) / steps, t2 = t * t, t3 = t2 * t;
            const QPointF q = 0.5
                              * ((2 * p1) + (-p0 + p2) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t2
                                 + (-p0 + 3 * p1 - 3 * p2 + p3) * t3);
            const double along = (s + t) / segments;
            out.push_back({q, limb.from + (limb.to - limb.from) * along});
        }
    }
    out.push_back({pt.back(), limb.to});
    return out;
}

void DrawCoral(QPainter &p)
{
    Backdrop(p);
    PaintShadow(p, QRectF(30, 75, 60, 10), 120);
    const Tone coral{QColor(0x8a, 0x1e, 0x10), QColor(0xe0, 0x4e, 0x2a), QColor(0xff, 0xa4, 0x80)};
    // A trunk cut flat at the foot, three main limbs and their twigs.
    const std::vector<Limb> limbs = {
        {{{58, 81}, {59, 71}, {57, 60}}, 9, 7},
        {{{57, 60}, {47, 53}, {40, 44}, {31, 38}, {24, 28}, {22, 18}}, 6.5, 3},
        {{{40, 44}, {35, 33}, {38, 22}}, 3.4, 2.6},
        {{{31, 38}, {20, 40}, {13, 33}}, 3.0, 2.4},
        {{{58, 62}, {62, 50}, {60, 38}, {63, 26}, {60, 12}}, 5.5, 2.8},
        {{{60, 38}, {52, 30}, {49, 19}}, 3.2, 2.4},
        {{{58, 61}, {70, 54}, {78, 44}, {86, 36}, {92, 24}, {91, 15}}, 6.5, 3},
        {{{78, 44}, {88, 48}, {99, 44}, {105, 35}}, 3.6, 2.5},
        {{{86, 36}, {80, 27}, {82, 17}}, 3.0, 2.4},
        {{{70, 54}, {78, 60}, {86, 59}}, 3.2, 2.5},
    };
    std::vector<std::vector<std::pair<QPointF, double>>> sampled;
    sampled.reserve(limbs.size());
    for (const Limb &l : limbs)
        sampled.push_back(SampleLimb(l));

    // Drawn pass by pass over every limb, so the forks merge into one body:
    // rim, body, a broad light side and a narrow polished shine.
    struct Pass
    {
        QColor colour;
        double widthFactor = 0;
        double widthAdd = 0;
        QPointF shift; // in units of the limb's width
    };
    const Pass passes[] = {
        {Shade(coral, -1.0), 1.0, 1.0, {0.05, 0.08}},
        {Shade(coral, -0.2), 1.0, 0.0, {0, 0}},
        {Shade(coral, 0.35), 0.55, 0.0, {-0.14, -0.12}},
        {WithAlpha(Shade(coral, 1.6), 200), 0.18, 0.0, {-0.22, -0.2}},
    };
    p.save();
    for (const Pass &pass : passes) {
        for (const auto &limb : sampled) {
            for (size_t i = 0; i + 1 < limb.size(); ++i) {
                const double w = limb[i].second;
                const QPointF shift = pass.shift * w;
                p.setPen(QPen(pass.colour, w * pass.widthFactor + pass.widthAdd, Qt::SolidLine,
                              Qt::RoundCap, Qt::RoundJoin));
                p.drawLine(limb[i].first + shift, limb[i + 1].first + shift);
            }
        }
    }
    // Fine pores of the polyps, a few darker specks along the limbs.
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(Shade(coral, -0.8), 110));
    int index = 0;
    for (const auto &limb : sampled) {
        for (size_t i = 2; i < limb.size(); i += 5) {
            const double w = limb[i].second;
            const QPointF at =
                limb[i].first + QPointF(Jitter(5, index), Jitter(6, index)) * w * 0.3;
            p.drawEllipse(at, 0.45, 0.45);
            ++index;
        }
    }
    p.restore();
}

void DrawDiamond(QPainter &p)
{
    Backdrop(p);
    PaintShadow(p, QRectF(26, 66, 70, 16));
    const Tone ice{QColor(0x2c, 0x36, 0x46), QColor(0xc8, 0xd4, 0xe0), QColor(0xf7, 0xfb, 0xff)};
    const QPointF centre(60, 42);
    // Little overall light and much flicker: a diamond is a mosaic of
    // bright and near-black facets.
    PaintBrilliant(p, centre, EllipseOutline(33, 33), ice, {8, 0.52, 0.78, 11, 0.5, 1.0});

    // Fire: small flashes of spectral colour where the light is split.
    struct Flash
    {
        QPointF at;
        QColor colour;
        double radius = 0;
    };
    const Flash fire[] = {
        {{76, 34}, QColor(255, 140, 40, 190), 3.4}, {{44, 56}, QColor(60, 140, 255, 180), 3.2},
        {{70, 62}, QColor(80, 220, 140, 160), 2.8}, {{38, 30}, QColor(190, 90, 255, 150), 2.6},
        {{83, 49}, QColor(255, 90, 90, 150), 2.4},  {{55, 22}, QColor(80, 200, 255, 150), 2.4},
    };
    p.save();
    p.setPen(Qt::NoPen);
    for (const Flash &f : fire) {
        QRadialGradient g(f.at, f.radius);
        g.setColorAt(0, f.colour);
        g.setColorAt(1, WithAlpha(f.colour, 0));
        p.setBrush(g);
        p.drawEllipse(f.at, f.radius, f.radius);
    }
    p.restore();
    PaintGlint(p, QPointF(50, 32), 12);
    PaintGlint(p, QPointF(73, 54), 6, 220);
}

void DrawEmerald(QPainter &p)
{
    Backdrop(p);
    PaintShadow(p, QRectF(20, 66, 84, 16));
    const Tone green{QColor(0x02, 0x33, 0x1b), QColor(0x0e, 0x86, 0x4e), QColor(0x78, 0xe6, 0xa8)};
    PaintStepCut(p, QRectF(21, 16, 78, 54), 10, 3, 4.6, green, 3);
    PaintGlint(p, QPointF(45, 32), 9);
}

void DrawMoonstone(QPainter &p)
{
    Backdrop(p);
    PaintShadow(p, QRectF(22, 66, 80, 16));
    const QRectF stone(25, 14, 70, 56);
    const Tone milk{QColor(0x86, 0x8c, 0x9e), QColor(0xd5, 0xd9, 0xe3), QColor(0xfc, 0xfd, 0xff)};
    PaintCabochon(p, stone, milk);

    p.save();
    QPainterPath dome;
    dome.addEllipse(stone);
    p.setClipPath(dome);
    p.translate(stone.center());
    p.scale(stone.width() / 2, stone.height() / 2);
    p.setPen(Qt::NoPen);
    // Adularescence: a blue glow floating inside the stone, strongest a
    // little above the middle and fading towards the rim.
    p.save();
    p.translate(0.08, -0.12);
    p.rotate(-15);
    p.scale(0.95, 0.68);
    QRadialGradient sheen(QPointF(0, 0), 1);
    sheen.setColorAt(0, QColor(0x5a, 0x9a, 0xff, 230));
    sheen.setColorAt(0.4, QColor(0x7e, 0xb0, 0xff, 170));
    sheen.setColorAt(0.75, QColor(0xa6, 0xc8, 0xff, 70));
    sheen.setColorAt(1, QColor(0xb0, 0xd0, 0xff, 0));
    p.setBrush(sheen);
    p.drawEllipse(QPointF(0, 0), 1, 1);
    p.restore();
    // The milky body scatters light: a soft white haze over the lower half.
    QRadialGradient haze(QPointF(-0.1, 0.45), 0.8);
    haze.setColorAt(0, QColor(255, 255, 255, 120));
    haze.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(haze);
    p.drawEllipse(QPointF(0, 0), 1, 1);
    p.restore();

    DomeHighlight(p, stone, 220);
    p.setPen(QPen(QColor(0x6a, 0x70, 0x84, 170), 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(stone);
}

void DrawRuby(QPainter &p)
{
    Backdrop(p);
    PaintShadow(p, QRectF(24, 66, 76, 16));
    const Tone red{QColor(0x36, 0x00, 0x0b), QColor(0xa8, 0x0a, 0x26), QColor(0xf4, 0x4c, 0x62)};
    PaintBrilliant(p, QPointF(60, 42), CushionOutline(36, 31, 0.45), red, {8, 0.5, 0.78, 23, 1.0});
    PaintGlint(p, QPointF(49, 32), 10);
    PaintGlint(p, QPointF(74, 55), 4, 190);
}

void DrawTopaz(QPainter &p)
{
    Backdrop(p);
    PaintShadow(p, QRectF(30, 70, 64, 12));
    const Tone gold{QColor(0x86, 0x45, 0x00), QColor(0xe6, 0x9f, 0x12), QColor(0xff, 0xe4, 0x8c)};
    PaintBrilliant(p, QPointF(60, 50), PearOutline(28, 35), gold, {8, 0.5, 0.78, 17, 1.0});
    PaintGlint(p, QPointF(52, 41), 10);
    PaintGlint(p, QPointF(70, 64), 4, 200);
}

} // namespace

const std::array<GemPicture, 9> &GemPictures()
{
    static const std::array<GemPicture, 9> pictures = {{
        {"amethyst.jpg", DrawAmethyst},
        {"bluesapphire.jpg", DrawBlueSapphire},
        {"cat's eye.jpg", DrawCatsEye},
        {"coral.jpg", DrawCoral},
        {"diamond.jpg", DrawDiamond},
        {"emerald.jpg", DrawEmerald},
        {"moonstone.jpg", DrawMoonstone},
        {"ruby.jpg", DrawRuby},
        {"topaz.jpg", DrawTopaz},
    }};
    return pictures;
}
