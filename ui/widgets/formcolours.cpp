#include "ui/widgets/formcolours.h"

#include <QWidget>

void SetColours(QWidget *widget,
                std::initializer_list<std::pair<QPalette::ColorRole, QColor>> colours)
{
    QPalette palette = widget->palette();
    for (const auto &[role, colour] : colours)
        palette.setColor(role, colour);
    widget->setPalette(palette);
}
