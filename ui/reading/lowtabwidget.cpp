#include "ui/reading/lowtabwidget.h"

#include <QTabBar>

namespace {

class LowTabBar : public QTabBar
{
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override
    {
        QSize size = QTabBar::tabSizeHint(index);
        size.setHeight(18);
        return size;
    }
};

} // namespace

LowTabWidget::LowTabWidget(QWidget *parent)
    : QTabWidget(parent)
{
    auto *tabs = new LowTabBar(this);
    tabs->setObjectName(QStringLiteral("qt_tabwidget_tabbar"));
    setTabBar(tabs);
}
