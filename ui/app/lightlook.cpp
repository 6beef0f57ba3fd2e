#include "ui/app/lightlook.h"

#include "ui/app/caption.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetricsF>
#include <QHash>
#include <QIcon>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <QTextLayout>
#include <QtMath>

namespace {

// Fusion, which draws everything from the palette, with the buttons of a
// message box in one order on every desktop: Yes before No.
class ProgramStyle : public QProxyStyle
{
public:
    ProgramStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *data) const override
    {
        if (hint == SH_DialogButtonLayout)
            return QDialogButtonBox::WinLayout;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget) const override
    {
        QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        if (control == CC_GroupBox && part == SC_GroupBoxLabel && widget)
            if (const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option))
                rect.translate(0, TitleDrop(box->text, widget->font(), rect.top()));
        return rect;
    }

private:
    // How far a group box's title, whose line starts at `top`, must come
    // down so that none of its ink rises past the box's edge, where it
    // would be cut off: some faces draw Devanagari's vowel signs above the
    // ascent they give the line (Lohit Devanagari by a pixel or two).
    static int TitleDrop(const QString &title, const QFont &font, int top)
    {
        if (title.isEmpty())
            return 0;
        const qreal inkTop = top + InkTop(title, font);
        return inkTop < 0 ? qCeil(-inkTop) : 0;
    }

    // Where the title's ink begins below the top of its line. The style is
    // asked for the title's place several times in every paint of a box:
    // each title is laid out once in a font.
    static qreal InkTop(const QString &title, const QFont &font)
    {
        static QHash<QString, qreal> known;
        const QString key = font.key() + QChar(0) + title;
        auto found = known.constFind(key);
        if (found != known.cend())
            return *found;
        const QString text = WithoutMnemonic(title);
        qreal top = 0;
        if (!text.isEmpty()) {
            QTextLayout layout(text, font);
            layout.beginLayout();
            const QTextLine line = layout.createLine();
            layout.endLayout();
            top = line.ascent() + QFontMetricsF(font).tightBoundingRect(text).top();
        }
        return *known.insert(key, top);
    }
};

QPalette LightPalette()
{
    const QColor face(239, 239, 239);
    const QColor windowText = Qt::black;
    const QColor base = Qt::white;
    const QColor light = face.lighter(150);
    const QColor mid = face.darker(130);
    const QColor dark = face.darker(150);
    const QColor disabledText(190, 190, 190);
    const QColor highlight(48, 140, 198);

    QPalette palette(windowText, face, light, dark, mid, windowText, base);
    palette.setColor(QPalette::Midlight, mid.lighter(110));
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::ButtonText, windowText);
    palette.setColor(QPalette::Shadow, dark.darker(135));
    palette.setColor(QPalette::AlternateBase, face);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    palette.setColor(QPalette::ToolTipText, windowText);
    palette.setColor(QPalette::Link, QColor(0, 0, 255));
    palette.setColor(QPalette::LinkVisited, QColor(255, 0, 255));
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    QColor placeholder = windowText;
    placeholder.setAlpha(128);
    palette.setColor(QPalette::PlaceholderText, placeholder);

    palette.setColor(QPalette::Disabled, QPalette::WindowText, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Text, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Base, face);
    palette.setColor(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
    palette.setColor(QPalette::Disabled, QPalette::Shadow, dark.darker(135).lighter(150));
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    return palette;
}

} // namespace

void UseLightLook()
{
    // A desktop style (and a platform theme's own style) would bring its
    // own colours and its own order of dialog buttons with it.
    QApplication::setStyle(new ProgramStyle);
    QApplication::setPalette(LightPalette());
    // Message boxes take their icons from the icon theme; a dark desktop's
    // theme has light icons for dark faces. The base theme every desktop
    // has leaves them to Qt's own pictures.
    QIcon::setThemeName(QStringLiteral("hicolor"));
}
