#include "ui/app/startup.h"

#include "platform/updatereminder.h"
#include "ui/app/accessibility.h"
#include "ui/app/buttonkeys.h"
#include "ui/app/fixedsize.h"
#include "ui/app/fontsubstitutes.h"
#include "ui/app/language.h"
#include "ui/app/lightlook.h"
#include "ui/main/frmMain.h"
#include "ui/widgets/appicon.h"
#include "ui/widgets/messagebox.h"
#include "ui/widgets/offerband.h"

#include <QApplication>
#include <QRandomGenerator>

void CoBrand_Randomize(frmMain *main)
{
    main->showCoBrandChoice(DrawCoBrandNumber(*QRandomGenerator::global()));
}

void SetUpApplication()
{
    // The one-copy lock and the stored date go by these names, not by the
    // file the program was started from: a copy saved as "GemvaraFree
    // (1).exe", or a link under another name, is the same program. They
    // are the names an unnamed program took from its file, GemvaraFree,
    // so a date stored before they were set is found.
    QCoreApplication::setOrganizationName(QStringLiteral("GemvaraFree"));
    QCoreApplication::setApplicationName(QStringLiteral("GemvaraFree"));
    QApplication::setWindowIcon(AppIcon());
    // A Wayland shell finds the program's name and icon through this.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.orvanta.GemvaraFree"));
    QApplication::setQuitOnLastWindowClosed(false);
    UseLightLook();
    InstallFontSubstitutes();
    InstallLanguage();
    InstallEnterPressesButtons();
    InstallAccessibility();
    InstallFixedSizeOnWayland();
}

bool StartApplication(Program &program)
{
    if (!program.lock.acquire()) {
        ShowGemvaraMessage(
            nullptr, QMessageBox::Information,
            QCoreApplication::translate("StartApplication", "Application is already running"));
        return false;
    }

    CheckUpdateReminder(AskGemvaraQuestion);
    CoBrand_Randomize(program.navigator.openMain());
    return true;
}
