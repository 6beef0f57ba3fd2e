#pragma once

#include "engine/blanks.h"

#include <QString>

#include <optional>

class QWidget;

// What the refer-a-friend form submits, trimmed of blanks.
struct ReferralFields
{
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The placeholders the refer-a-friend boxes show as their text, in
// English; Placeholder() gives one in the user's language, which is what
// the boxes show and the checks compare with.
inline constexpr char NamePlaceholder[] = QT_TRANSLATE_NOOP("TellAFriend", "Your Name");
inline constexpr char EmailPlaceholder[] = QT_TRANSLATE_NOOP("TellAFriend", "Your Email Address");
inline constexpr char MessagePlaceholder[] = QT_TRANSLATE_NOOP("TellAFriend", "Your Message");
inline constexpr char FriendNamePlaceholder[] = QT_TRANSLATE_NOOP("TellAFriend", "Friend's Name");
inline constexpr char FriendEmailPlaceholder[] =
    QT_TRANSLATE_NOOP("TellAFriend", "Friend's Email Address");
QString Placeholder(const char *english);

// The checks of the form's submit button on the two addresses, in order;
// the message to show for the first one that fails. The fields are those
// the button stores, already trimmed.
std::optional<QString> SubmissionProblem(const ReferralFields &fields);

// The checks SendReferral makes on the five fields, in order.
std::optional<QString> ReferralProblem(const ReferralFields &fields);

// The address of the referral page with the six values in order taf1 to
// taf6: the five fields and the product site's root. Each value is
// percent-encoded as UTF-8 so that "&", "=", "#" or "+" in a name cannot
// cut or forge the query. No other state is read.
QString BuildReferralAddress(const QString &pageAddress, const ReferralFields &fields,
                             const QString &productRoot);

// Checks the fields; on a fault shows its message (a critical box over
// messageParent). Otherwise builds the referral page's address and opens it.
void SendReferral(const ReferralFields &fields, QWidget *messageParent = nullptr);

// The exit screen's message box: critical icon, OK, title "Gemvara".
void ShowReferralMessage(QWidget *parent, const QString &text);
