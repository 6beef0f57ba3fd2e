#include "tools/gemart/icon.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QtEndian>

#include <algorithm>

namespace {

// A violet-magenta gem seen from the side: a crown of five facets over a
// pavilion of four, with a small sparkle at its shoulder.
IconGeometry BuildGemvaraIcon()
{
    const QPointF girdleLeft(14, 100), girdleRight(242, 100);
    const QPointF tableLeft(70, 46), tableMid(128, 46), tableRight(186, 46);
    const QPointF crownLeft(82, 100), crownRight(174, 100), girdleMid(128, 100);
    const QPointF culet(128, 236);

    const QColor white(0xff, 0xf4, 0xff);
    const QColor pale(0xf7, 0xb8, 0xff);
    const QColor light(0xe0, 0x6c, 0xf2);
    const QColor mid(0xb0, 0x32, 0xcf);
    const QColor dark(0x6d, 0x12, 0x96);
    const QColor deep(0x3f, 0x06, 0x62);
    const QColor seam(0xff, 0xe6, 0xff, 150);

    auto facet = [&](QList<QPointF> pts, QColor a, QColor b, QPointF from, QPointF to) {
        return IconShape{std::move(pts), IconPaint{from, to, a, b}, seam, 2.5, 0};
    };

    IconGeometry g;
    g.size = 256;
    // Crown, lit from the upper left.
    g.shapes.push_back(facet({girdleLeft, tableLeft, crownLeft}, pale, light, {40, 60}, {80, 100}));
    g.shapes.push_back(facet({tableLeft, tableMid, crownLeft}, white, pale, {80, 46}, {96, 100}));
    g.shapes.push_back(facet({crownLeft, tableMid, crownRight}, pale, mid, {110, 50}, {150, 100}));
    g.shapes.push_back(
        facet({tableMid, tableRight, crownRight}, light, mid, {150, 46}, {170, 100}));
    g.shapes.push_back(
        facet({tableRight, girdleRight, crownRight}, mid, dark, {190, 50}, {220, 100}));
    // Pavilion, darker towards the culet and the right.
    g.shapes.push_back(facet({girdleLeft, crownLeft, culet}, light, dark, {50, 100}, {120, 220}));
    g.shapes.push_back(facet({crownLeft, girdleMid, culet}, mid, deep, {100, 100}, {128, 220}));
    g.shapes.push_back(facet({girdleMid, crownRight, culet}, light, dark, {150, 100}, {130, 220}));
    g.shapes.push_back(facet({crownRight, girdleRight, culet}, dark, deep, {190, 100}, {140, 220}));

    // The silhouette, drawn once over the seams so the gem reads at 16 px.
    g.shapes.push_back(IconShape{{girdleLeft, tableLeft, tableRight, girdleRight, culet},
                                 std::nullopt,
                                 QColor(0x2c, 0x03, 0x45),
                                 9,
                                 1.0});

    // Sparkle: a four-pointed star catching the light at the right shoulder.
    const QPointF c(206, 40);
    const double r = 34, w = 8;
    g.shapes.push_back(IconShape{
        {{c.x(), c.y() - r},
         {c.x() + w, c.y() - w},
         {c.x() + r, c.y()},
         {c.x() + w, c.y() + w},
         {c.x(), c.y() + r},
         {c.x() - w, c.y() + w},
         {c.x() - r, c.y()},
         {c.x() - w, c.y() - w}},
        IconPaint{{c.x() - r, c.y() - r}, {c.x() + r, c.y() + r}, white, QColor(0xff, 0xd6, 0xfb)},
        QColor(0x6d, 0x12, 0x96),
        4,
        0});
    return g;
}

QString SvgColour(const QColor &c)
{
    return c.name(QColor::HexRgb);
}

QString SvgNumber(double v)
{
    return QString::number(v, 'g', 6);
}

} // namespace

const IconGeometry &GemvaraIcon()
{
    static const IconGeometry icon = BuildGemvaraIcon();
    return icon;
}

QImage RenderIcon(const IconGeometry &icon, int px)
{
    QImage image(px, px, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double scale = px / icon.size;
    p.scale(scale, scale);
    for (const IconShape &shape : icon.shapes) {
        const QPolygonF poly(shape.points);
        if (shape.fill) {
            QLinearGradient g(shape.fill->from, shape.fill->to);
            g.setColorAt(0, shape.fill->start);
            g.setColorAt(1, shape.fill->end);
            p.setBrush(g);
        } else {
            p.setBrush(Qt::NoBrush);
        }
        if (shape.strokeWidth > 0 && shape.stroke.alpha() > 0) {
            const double width = std::max(shape.strokeWidth, shape.minStrokePx / scale);
            p.setPen(QPen(shape.stroke, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        } else {
            p.setPen(Qt::NoPen);
        }
        p.drawPolygon(poly);
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QString IconSvg(const IconGeometry &icon)
{
    const QString size = SvgNumber(icon.size);
    QString defs, body;
    int id = 0;
    for (const IconShape &shape : icon.shapes) {
        QString points;
        for (const QPointF &pt : shape.points)
            points += SvgNumber(pt.x()) + QLatin1Char(',') + SvgNumber(pt.y()) + QLatin1Char(' ');
        QString fill = QStringLiteral("none");
        if (shape.fill) {
            const QString name = QStringLiteral("g%1").arg(++id);
            defs += QStringLiteral("    <linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" "
                                   "x1=\"%2\" y1=\"%3\" x2=\"%4\" y2=\"%5\">\n"
                                   "      <stop offset=\"0\" stop-color=\"%6\"/>\n"
                                   "      <stop offset=\"1\" stop-color=\"%7\"/>\n"
                                   "    </linearGradient>\n")
                        .arg(name, SvgNumber(shape.fill->from.x()), SvgNumber(shape.fill->from.y()),
                             SvgNumber(shape.fill->to.x()), SvgNumber(shape.fill->to.y()),
                             SvgColour(shape.fill->start), SvgColour(shape.fill->end));
            fill = QStringLiteral("url(#%1)").arg(name);
        }
        QString stroke = QStringLiteral("stroke=\"none\"");
        if (shape.strokeWidth > 0 && shape.stroke.alpha() > 0) {
            stroke = QStringLiteral("stroke=\"%1\" stroke-opacity=\"%2\" stroke-width=\"%3\" "
                                    "stroke-linejoin=\"round\"")
                         .arg(SvgColour(shape.stroke), SvgNumber(shape.stroke.alphaF()),
                              SvgNumber(shape.strokeWidth));
        }
        body += QStringLiteral("  <polygon points=\"%1\" fill=\"%2\" %3/>\n")
                    .arg(points.trimmed(), fill, stroke);
    }
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                          "viewBox=\"0 0 %1 %1\">\n"
                          "  <title>Gemvara</title>\n"
                          "  <defs>\n%2  </defs>\n%3</svg>\n")
        .arg(size, defs, body);
}

QByteArray IcoFile(const QList<QImage> &images)
{
    QList<QByteArray> pngs;
    for (const QImage &image : images) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        pngs << png;
    }

    auto put16 = [](QByteArray &out, quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    auto put32 = [](QByteArray &out, quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };

    QByteArray out;
    put16(out, 0); // reserved
    put16(out, 1); // type: icon
    put16(out, quint16(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        // Width and height are bytes; 0 stands for 256.
        out.append(char(images[i].width() >= 256 ? 0 : images[i].width()));
        out.append(char(images[i].height() >= 256 ? 0 : images[i].height()));
        out.append(char(0)); // no palette
        out.append(char(0)); // reserved
        put16(out, 1);       // colour planes
        put16(out, 32);      // bits per pixel
        put32(out, quint32(pngs[i].size()));
        put32(out, offset);
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray &png : pngs)
        out += png;
    return out;
}
