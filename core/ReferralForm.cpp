#include "core/ReferralForm.h"

ReferralCheck CheckReferral(const Referral& r)
{
    auto missing = [](const std::string& value, std::string_view placeholder) {
        return value.empty() || value == placeholder;
    };
    auto improper = [](const std::string& address) {
        return address.find('@') == std::string::npos || address.find('.') == std::string::npos;
    };
    if (r.referrerEmail == r.friendEmail)
        return ReferralCheck::SameAddresses;
    if (improper(r.referrerEmail) || improper(r.friendEmail))
        return ReferralCheck::ImproperAddress;
    if (missing(r.referrerName, NamePlaceholder))
        return ReferralCheck::NameMissing;
    if (missing(r.referrerEmail, EmailPlaceholder))
        return ReferralCheck::EmailMissing;
    if (missing(r.referrerMessage, MessagePlaceholder))
        return ReferralCheck::MessageMissing;
    if (missing(r.friendName, FriendNamePlaceholder))
        return ReferralCheck::FriendNameMissing;
    if (missing(r.friendEmail, FriendEmailPlaceholder))
        return ReferralCheck::FriendEmailMissing;
    return ReferralCheck::Ready;
}
