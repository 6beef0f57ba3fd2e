#include "ui/widgets/formfonts.h"

#include <QFont>
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
    ApplyOne(form);
    const auto children = form->findChildren<QWidget *>();
    for (QWidget *child : children)
        ApplyOne(child);
}
