// The program icon: one geometry, rendered to PNG and written as SVG and ICO.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>

#include <optional>
#include <vector>

// A linear gradient in icon units; equal colours make a flat fill.
struct IconPaint
{
    QPointF from;
    QPointF to;
    QColor start;
    QColor end;
};

struct IconShape
{
    QList<QPointF> points;
    std::optional<IconPaint> fill;
    QColor stroke = Qt::transparent;
    double strokeWidth = 0; // icon units
    double minStrokePx = 0; // keeps the outline visible at 16 px
};

struct IconGeometry
{
    double size = 256;             // the square the points live in
    std::vector<IconShape> shapes; // painted in order
};

const IconGeometry &GemvaraIcon();

QImage RenderIcon(const IconGeometry &icon, int px);
QString IconSvg(const IconGeometry &icon);
// A Windows icon file holding the given square images as PNG entries.
QByteArray IcoFile(const QList<QImage> &images);
