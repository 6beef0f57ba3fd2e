#include "tellafriend.h"

#include "messagebox.h"
#include "weblinks.h"

#include <QUrl>

std::optional<QString> SubmissionProblem(const ReferralFields &fields)
{
    if (fields.email == fields.friendEmail)
        return QStringLiteral("Please Enter Distinct Email Addresses");
    if (!fields.email.contains(QLatin1Char('@')) || !fields.friendEmail.contains(QLatin1Char('@')))
        return QStringLiteral("Please Enter Proper Email Address");
    if (!fields.email.contains(QLatin1Char('.')) || !fields.friendEmail.contains(QLatin1Char('.')))
        return QStringLiteral("Please Enter Proper Email Address");
    return std::nullopt;
}

std::optional<QString> ReferralProblem(const ReferralFields &fields)
{
    const struct
    {
        const QString &value;
        const char *placeholder;
        const char *message;
    } checks[] = {
        {fields.name, NamePlaceholder, "Please Enter Your Name"},
        {fields.email, EmailPlaceholder, "Please Enter Your Email"},
        {fields.message, MessagePlaceholder, "Please Enter Your Message"},
        {fields.friendName, FriendNamePlaceholder, "Please Enter Your Friend's Name"},
        {fields.friendEmail, FriendEmailPlaceholder, "Please Enter Your Friend's Email"},
    };
    for (const auto &check : checks) {
        const QString value = TrimBlanks(check.value);
        if (value.isEmpty() || value == QLatin1String(check.placeholder))
            return QString::fromLatin1(check.message);
    }
    return std::nullopt;
}

QString BuildReferralAddress(const QString &pageAddress, const ReferralFields &fields,
                             const QString &productRoot)
{
    const QString values[] = {fields.name,       fields.email,       fields.message,
                              fields.friendName, fields.friendEmail, productRoot};
    QString address = pageAddress + QLatin1Char('?');
    for (int i = 0; i < 6; ++i) {
        if (i > 0)
            address += QLatin1Char('&');
        address += QStringLiteral("taf%1=").arg(i + 1);
        // Only letters, digits and "-._~" stay as they are.
        address += QString::fromLatin1(QUrl::toPercentEncoding(values[i]));
    }
    return address;
}

void ShowReferralMessage(QWidget *parent, const QString &text)
{
    ShowGemvaraMessage(parent, QMessageBox::Critical, text);
}

QString SendReferral(const ReferralFields &fields, QWidget *messageParent)
{
    if (const auto problem = ReferralProblem(fields)) {
        ShowReferralMessage(messageParent, *problem);
        return {};
    }
    QString address = BuildReferralAddress(ReferralPageAddress(), fields, ProductSiteRoot());
    OpenWebPage(address);
    return address;
}
