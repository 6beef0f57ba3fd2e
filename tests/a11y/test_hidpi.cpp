// Runs with QT_SCALE_FACTOR=2: the gemstone pictures and the program icon
// come at twice the pixels, and the windows draw them without enlarging.

#include "engine/gemstones.h"
#include "engine/reading.h"
#include "ui/exit/frmExitScreen.h"
#include "ui/reading/frmDisplay.h"
#include "ui/reading/gempictures.h"
#include "ui/widgets/appicon.h"

#include "tests/support/testmain.h"
#include "tests/support/widgethelpers.h"

#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QTabWidget>
#include <QTest>

#include <cstdlib>

namespace {

// Mean difference per colour channel, 0 to 255; the images must be alike in size.
double MeanDifference(const QImage &a, const QImage &b)
{
    const QImage x = Normalised(a), y = Normalised(b);
    if (x.size() != y.size())
        return 255;
    qint64 sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += std::abs(qRed(p[col]) - qRed(q[col])) + std::abs(qGreen(p[col]) - qGreen(q[col]))
                   + std::abs(qBlue(p[col]) - qBlue(q[col]));
    }
    return double(sum) / (3.0 * x.width() * x.height());
}

QString DoubleSizePath(int position)
{
    QString path = GemPicturePath(qint16(position));
    return path.insert(path.lastIndexOf(u'.'), QLatin1String("@2x"));
}

} // namespace

class TestHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(qGuiApp->devicePixelRatio(), 2.0); // the test runs at 200 %
    }

    void pictures_data()
    {
        QTest::addColumn<int>("position");
        for (int position = 1; position <= GemPictureCount; ++position)
            // clang-format off
            QTest::addRow("%s", qPrintable(GemPictureKey(qint16(position)))) << position;
        // clang-format on
    }

    // Each position gives its own stone at twice the pixels, and the large
    // picture is the same drawing as the small one (not another stone, nor
    // a stale drawing).
    void pictures()
    {
        QFETCH(int, position);
        const QPixmap picture = GemPicture(qint16(position));
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        QCOMPARE(picture.size(), QSize(240, 180));
        QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(120, 90));

        const QImage small(GemPicturePath(qint16(position)));
        const QImage large(DoubleSizePath(position));
        QCOMPARE(Normalised(picture.toImage()), Normalised(large));
        const QImage reduced =
            large.scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY2(MeanDifference(reduced, small) < 6,
                 qPrintable(QStringLiteral("differs by %1").arg(MeanDifference(reduced, small))));
    }

    // Outside the list there is no picture, whatever the scale.
    void noPictureOutsideTheList()
    {
        for (const int position : {-1, 0, GemPictureCount + 1})
            QVERIFY2(GemPicture(qint16(position)).isNull(), qPrintable(QString::number(position)));
    }

    // What the reading window paints in its picture box is the large
    // picture pixel for pixel, at the box's place and size.
    void readingWindowShowsLargePicture_data()
    {
        QTest::addColumn<int>("lifePathRoot");
        QTest::addColumn<int>("birthdayRoot");
        // clang-format off
        QTest::newRow("1, 1") << 1 << 1;
        QTest::newRow("4, 3") << 4 << 3;
        QTest::newRow("9, 9") << 9 << 9;
        // clang-format on
    }

    void readingWindowShowsLargePicture()
    {
        QFETCH(int, lifePathRoot);
        QFETCH(int, birthdayRoot);
        const auto gem = GemForRoots(qint16(lifePathRoot), qint16(birthdayRoot));
        QVERIFY(gem);
        Reading reading;
        reading.gemName = gem->name;
        reading.gemDescription = gem->description;
        reading.gemPicture = gem->picture;

        frmDisplay window;
        window.showReading(reading);
        Child<QTabWidget>(window, "SSTab1")->setCurrentIndex(2);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QLabel *box = Child<QLabel>(window, "picGem");
        QCOMPARE(box->size(), QSize(120, 90));
        const QPixmap shot = box->grab();
        QCOMPARE(shot.size(), QSize(240, 180));
        const QImage expected(DoubleSizePath(gem->picture));
        QVERIFY2(
            MeanDifference(shot.toImage(), expected) < 1,
            qPrintable(
                QStringLiteral("differs by %1").arg(MeanDifference(shot.toImage(), expected))));
        window.close();
    }

    // The exit screen's icon comes from the 64-pixel image, not an enlarged 32.
    void exitScreenIcon()
    {
        frmExitScreen screen;
        const QLabel *icon = screen.findChild<QLabel *>(QStringLiteral("Picture1"));
        QVERIFY(icon);
        const QPixmap pixmap = icon->pixmap();
        QCOMPARE(pixmap.devicePixelRatio(), 2.0);
        QCOMPARE(pixmap.size(), QSize(64, 64));
        const QImage file(QStringLiteral(":/icons/gemvara-64.png"));
        QVERIFY(MeanDifference(pixmap.toImage(), file) < 1);
    }

    // On a scaled screen the window system gets the large images too (an
    // unscaled one is spared decoding them at start-up).
    void windowIconSizes()
    {
        const QList<QSize> sizes = AppIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(128, 128)));
        QVERIFY(sizes.contains(QSize(256, 256)));
    }
};

GEMVARA_TEST_MAIN(TestHiDpi)
#include "test_hidpi.moc"
