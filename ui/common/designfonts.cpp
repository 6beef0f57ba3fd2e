#include "designfonts.h"

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

void ApplyDesignFonts(QWidget *form)
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
    for (const QString family : {QStringLiteral("Verdana"), QStringLiteral("MS Sans Serif")})
        QFont::insertSubstitution(family, sans);
}
