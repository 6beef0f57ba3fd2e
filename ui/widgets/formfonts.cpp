#include "ui/widgets/formfonts.h"

#include <QEvent>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <QVariant>
#include <QWidget>

namespace {

QString &StandIn()
{
    static QString family;
    return family;
}

// Where a stand-in is named, the family for `family` given the system's.
QString FamilyAmong(const QString &family, const QStringList &installed)
{
    return StandIn().isEmpty() || installed.contains(family, Qt::CaseInsensitive) ? family
                                                                                  : StandIn();
}

// installed: the system's families, or none where no stand-in is named.
void ApplyOne(QWidget *widget, const QStringList &installed)
{
    QFont font = widget->font();
    bool changed = false;
    if (!installed.isEmpty() && widget->testAttribute(Qt::WA_SetFont)) {
        if (const QString family = FamilyAmong(font.family(), installed); family != font.family()) {
            font.setFamily(family);
            changed = true;
        }
    }
    const QVariant size = widget->property("pointSizeF");
    bool ok = false;
    const double points = size.isValid() ? size.toDouble(&ok) : 0;
    if (ok && points > 0) {
        font.setPointSizeF(points);
        changed = true;
    }
    if (changed)
        widget->setFont(font);
}

} // namespace

void ApplyFormFonts(QWidget *form)
{
    const QStringList installed = StandIn().isEmpty() ? QStringList() : QFontDatabase::families();
    ApplyOne(form, installed);
    const auto children = form->findChildren<QWidget *>();
    for (QWidget *child : children)
        ApplyOne(child, installed);
}

void SetMissingFamilyStandIn(const QString &family)
{
    StandIn() = family;
}

QString FormFamily(const QString &family)
{
    return StandIn().isEmpty() ? family : FamilyAmong(family, QFontDatabase::families());
}

void FormArea::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        if (const QString family = FormFamily(font().family()); family != font().family()) {
            QFont standIn = font();
            standIn.setFamily(family);
            setFont(standIn);
        }
    }
    QWidget::changeEvent(event);
}
