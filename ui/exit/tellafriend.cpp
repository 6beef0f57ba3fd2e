#include "ui/exit/tellafriend.h"

#include "platform/weblinks.h"
#include "ui/widgets/messagebox.h"

#include <QCoreApplication>
#include <QUrl>

QString Placeholder(const char *english)
{
    return QCoreApplication::translate("TellAFriend", english);
}

std::optional<QString> SubmissionProblem(const ReferralFields &fields)
{
    if (fields.email == fields.friendEmail)
        return QCoreApplication::translate("TellAFriend", "Please Enter Distinct Email Addresses");
    if (!fields.email.contains(QLatin1Char('@')) || !fields.friendEmail.contains(QLatin1Char('@'))
        || !fields.email.contains(QLatin1Char('.'))
        || !fields.friendEmail.contains(QLatin1Char('.')))
        return QCoreApplication::translate("TellAFriend", "Please Enter Proper Email Address");
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
        {fields.name, NamePlaceholder, QT_TRANSLATE_NOOP("TellAFriend", "Please Enter Your Name")},
        {fields.email, EmailPlaceholder,
         QT_TRANSLATE_NOOP("TellAFriend", "Please Enter Your Email")},
        {fields.message, MessagePlaceholder,
         QT_TRANSLATE_NOOP("TellAFriend", "Please Enter Your Message")},
        {fields.friendName, FriendNamePlaceholder,
         QT_TRANSLATE_NOOP("TellAFriend", "Please Enter Your Friend's Name")},
        {fields.friendEmail, FriendEmailPlaceholder,
         QT_TRANSLATE_NOOP("TellAFriend", "Please Enter Your Friend's Email")},
    };
    for (const auto &check : checks) {
        const QString value = TrimBlanks(check.value);
        if (value.isEmpty() || value == Placeholder(check.placeholder))
            return QCoreApplication::translate("TellAFriend", check.message);
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

void SendReferral(const ReferralFields &fields, QWidget *messageParent)
{
    if (const auto problem = ReferralProblem(fields)) {
        ShowReferralMessage(messageParent, *problem);
        return;
    }
    OpenWebPage(BuildReferralAddress(ReferralPageAddress(), fields, ProductSiteRoot()));
}
