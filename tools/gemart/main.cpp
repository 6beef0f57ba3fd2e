// gemart <repo-root>
// Redraws the nine gemstone pictures (engine/data/gems/, each also at
// twice the size as "<name>@2x.jpg") and the program icon (dist/icons/). The output is committed;
// the build never runs this.

#include "tools/gemart/icon.h"
#include "tools/gemart/stones.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <cstdio>

namespace {

// Pictures are painted at four times their size and scaled down, which
// smooths edges far better than antialiasing alone at 120 x 90.
constexpr int kOversample = 4;
constexpr int kJpegQuality = 90;

bool Fail(const QString &message)
{
    std::fprintf(stderr, "gemart: %s\n", qPrintable(message));
    return false;
}

// Writes each picture at its own size and, as "<name>@2x.jpg", at twice
// that, drawn afresh rather than enlarged so it stays sharp on screens
// scaled to 200 %.
bool WriteGemPictures(const QDir &dir)
{
    for (const GemPicture &picture : GemPictures()) {
        for (int scale : {1, 2}) {
            const QSize size = kGemPictureSize * scale;
            QImage big(size * kOversample, QImage::Format_ARGB32_Premultiplied);
            big.fill(Qt::white);
            QPainter p(&big);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(kOversample * scale, kOversample * scale);
            picture.draw(p);
            p.end();

            const QImage small = big.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                     .convertToFormat(QImage::Format_RGB32);
            QString file = QString::fromUtf8(picture.file);
            if (scale > 1)
                file.insert(file.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(scale));
            const QString path = dir.filePath(file);
            QImageWriter writer(path, "jpeg");
            writer.setQuality(kJpegQuality);
            writer.setOptimizedWrite(true);
            if (!writer.write(small))
                return Fail(path + QStringLiteral(": ") + writer.errorString());
            std::printf("%s\n", qPrintable(path));
        }
    }
    return true;
}

bool WriteFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size())
        return Fail(path + QStringLiteral(": ") + file.errorString());
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool WriteIcons(const QDir &dir)
{
    const IconGeometry &icon = GemvaraIcon();
    for (int px : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path = dir.filePath(QStringLiteral("gemvara-%1.png").arg(px));
        if (!RenderIcon(icon, px).save(path, "PNG"))
            return Fail(path + QStringLiteral(": cannot write"));
        std::printf("%s\n", qPrintable(path));
    }
    if (!WriteFile(dir.filePath(QStringLiteral("gemvara.svg")), IconSvg(icon).toUtf8()))
        return false;
    QList<QImage> entries;
    for (int px : {16, 32, 48, 256})
        entries << RenderIcon(icon, px);
    return WriteFile(dir.filePath(QStringLiteral("gemvara.ico")), IcoFile(entries));
}

} // namespace

int main(int argc, char **argv)
{
    // Only raster painting is needed; no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: gemart <repo-root>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QDir gems(root.filePath(QStringLiteral("engine/data/gems")));
    const QDir icons(root.filePath(QStringLiteral("dist/icons")));
    if (!gems.exists() || !icons.exists()) {
        std::fprintf(stderr, "gemart: %s does not look like the repository root\n", argv[1]);
        return 2;
    }
    return WriteGemPictures(gems) && WriteIcons(icons) ? 0 : 1;
}
