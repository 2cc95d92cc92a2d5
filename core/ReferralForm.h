#pragma once

#include "core/WebAddresses.h"

#include <string>
#include <string_view>

// The refer-a-friend form of the exit window: its placeholders and checks.

inline constexpr std::string_view NamePlaceholder = "Your Name";
inline constexpr std::string_view EmailPlaceholder = "Your Email Address";
inline constexpr std::string_view FriendNamePlaceholder = "Friend's Name";
inline constexpr std::string_view FriendEmailPlaceholder = "Friend's Email Address";
inline constexpr std::string_view MessagePlaceholder = "Your Message";

// The checks, in the order they run; the first that fails is reported.
enum class ReferralCheck {
    Ready,
    SameAddresses,       // "Please Enter Distinct Email Addresses"
    ImproperAddress,     // an address without "@" or without "."
    NameMissing,         // empty or still the placeholder
    EmailMissing,
    MessageMissing,
    FriendNameMissing,
    FriendEmailMissing,
};

// CheckReferral — whether a referral may be sent
// Inputs: the five trimmed texts of the form
// Notes:  the address checks come first, so an untouched form (all
//         placeholders) is answered with ImproperAddress.
ReferralCheck CheckReferral(const Referral& referral);
