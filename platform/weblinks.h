#pragma once

#include <QString>

// Hands an address to the user's default browser and returns at once.
// It does not wait, looks at no result and shows no message: a page that
// cannot be opened leaves the program as it was.
void OpenWebPage(const QString &address);

// The fixed pages of the program, each opened through OpenWebPage.
void OpenHomePage();      // publisher's forum site, bare root
void OpenSoftwaresPage(); // forum site, software catalogue
void OpenDonatePage();    // help site
void OpenOnlineHelp();    // product site
void OpenCoBrandPage();   // help site
void OpenFullBrandPage(); // help site
void OpenDownloadPage();  // product site

// Site roots from the build configuration, without a trailing slash.
QString ForumSite();
QString HelpSite();
QString ProductSite();
// The product site's root with a trailing slash, as sent to the referral page.
QString ProductSiteRoot();
// The full address of the referral page, without its query.
QString ReferralPageAddress();
