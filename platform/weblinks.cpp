#include "platform/weblinks.h"

#include "platform/sites.h"

#include <QDesktopServices>
#include <QUrl>

void OpenWebPage(const QString &address)
{
    // TolerantMode keeps the address as written; the result is ignored on
    // purpose, a missing browser is not the user's problem to hear about.
    const QUrl url(address, QUrl::TolerantMode);
    if (url.isValid())
        QDesktopServices::openUrl(url);
}

// clang-format off
QString ForumSite() { return QStringLiteral(GEMVARA_FORUM_SITE); }
QString HelpSite() { return QStringLiteral(GEMVARA_HELP_SITE); }
QString ProductSite() { return QStringLiteral(GEMVARA_PRODUCT_SITE); }
QString ProductSiteRoot() { return ProductSite() + QLatin1Char('/'); }
QString ReferralPageAddress() { return ForumSite() + QStringLiteral("/kvqx-refer-a-friend.php"); }

void OpenHomePage() { OpenWebPage(ForumSite()); }
void OpenSoftwaresPage() { OpenWebPage(ForumSite() + QStringLiteral("/orvantasoftwares")); }
void OpenDonatePage() { OpenWebPage(HelpSite() + QStringLiteral("/donate.html")); }
void OpenOnlineHelp() { OpenWebPage(ProductSite() + QStringLiteral("/gemvara-free-help.html")); }
void OpenCoBrandPage() { OpenWebPage(HelpSite() + QStringLiteral("/co-brand.html")); }
void OpenFullBrandPage() { OpenWebPage(HelpSite() + QStringLiteral("/fully-branded.html")); }
void OpenDownloadPage() { OpenWebPage(ProductSite() + QStringLiteral("/download-gemvara-free.html")); }
// clang-format on
