#include "ui/widgets/formsetup.h"

#include "ui/widgets/appicon.h"
#include "ui/widgets/centering.h"
#include "ui/widgets/formfonts.h"
#include "ui/widgets/version.h"

#include <QMainWindow>
#include <QMenuBar>

namespace {

QSize FixedSizeOf(QWidget *form)
{
    // Nothing is laid out: a main window is exactly the menu bar over the
    // fixed client area.
    if (auto *main = qobject_cast<QMainWindow *>(form); main && main->centralWidget()) {
        QWidget *client = main->centralWidget();
        return QSize(client->width(),
                     client->minimumHeight() + main->menuBar()->sizeHint().height());
    }
    return form->size();
}

} // namespace

void SetUpForm(QWidget *form, Qt::WindowFlags flags)
{
    ApplyFormFonts(form);
    form->setWindowFlags(flags);
    form->setWindowTitle(QStringLiteral(GEMVARA_CAPTION));
    form->setWindowIcon(AppIcon());
    form->setFixedSize(FixedSizeOf(form));
    CenterOnScreen(form);
}
