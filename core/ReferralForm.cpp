#include "core/ReferralForm.h"

std::string TrimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

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
