#include "designcolours.h"

#include <QWidget>

void SetColour(QWidget *widget, std::initializer_list<QPalette::ColorRole> roles, const QColor &colour)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : roles)
        palette.setColor(role, colour);
    widget->setPalette(palette);
}

void SetColours(QWidget *widget,
                std::initializer_list<std::pair<QPalette::ColorRole, QColor>> colours)
{
    QPalette palette = widget->palette();
    for (const auto &[role, colour] : colours)
        palette.setColor(role, colour);
    widget->setPalette(palette);
}
