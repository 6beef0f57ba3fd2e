#include "ui/app/fontsubstitutes.h"

#include "ui/widgets/formfonts.h"

#include <QFontDatabase>
#include <QFontInfo>

void InstallFontSubstitutes()
{
    // The desktop's sans font. Where the desktop names none, the system
    // font is Qt's generic "Sans Serif", which loads nothing by itself:
    // resolved, it is the family fontconfig picks for sans text, and so
    // the one Qt falls back to for a missing sans family such as Verdana.
    SetMissingFamilyStandIn(
        QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family());
}
