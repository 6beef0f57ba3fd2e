#include "formfonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QVariant>
#include <QWidget>

namespace {

void ApplyOne(QWidget *widget)
{
    const QVariant size = widget->property("pointSizeF");
    if (!size.isValid())
        return;
    bool ok = false;
    const double points = size.toDouble(&ok);
    if (!ok || points <= 0)
        return;
    QFont font = widget->font();
    font.setPointSizeF(points);
    widget->setFont(font);
}

} // namespace

void ApplyFormFonts(QWidget *form)
{
    if (!form)
        return;
    ApplyOne(form);
    const auto children = form->findChildren<QWidget *>();
    for (QWidget *child : children)
        ApplyOne(child);
}

void InstallFontSubstitutes()
{
    // A substitute is only tried when the family itself is not installed, so
    // there is no need to ask first: asking loads the whole font database
    // and resolves aliases before the first window is even built.
    const QString sans = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    // Where the desktop names no font, the system font is Qt's generic
    // "Sans Serif", a name its fontconfig database lists but cannot load by
    // itself. As a substitute it is tried and dropped every time, and the
    // missing family goes to fontconfig's own choice for it all the same;
    // all it adds is a fallback query and a failed load per font.
    if (sans.compare(QLatin1String("Sans Serif"), Qt::CaseInsensitive) == 0)
        return;
    for (const QString &family : {QStringLiteral("Verdana"), QStringLiteral("MS Sans Serif")})
        QFont::insertSubstitution(family, sans);
}
