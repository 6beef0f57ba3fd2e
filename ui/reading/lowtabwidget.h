#pragma once

#include <QTabWidget>

// A tab control with tabs 18 pixels high, whatever the font, so that the
// frames the layout puts on its pages stay clear of the tab row.
class LowTabWidget : public QTabWidget
{
    Q_OBJECT
public:
    explicit LowTabWidget(QWidget *parent = nullptr);
};
