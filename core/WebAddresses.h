#pragma once

#include <string>
#include <string_view>

// Addresses the program opens in the browser, built from the user's texts.
// Every text is percent-encoded, so that an "&", "#", "=", a space or a line
// break in it can neither change nor break the address.

// RFC 3986 percent-encoding of UTF-8 text: unreserved characters stay, every
// other byte becomes %XX.
std::string PercentEncode(std::string_view text);

// LocationQuery — the location lookup's query text: city, state and country as
// typed (not trimmed), one blank between them, then " Latitude Longitude".
std::string LocationQuery(std::string_view city, std::string_view state, std::string_view country);

// The address of a map search for a query: `searchBase` followed by the encoded query.
std::string MapSearchAddress(std::string_view searchBase, std::string_view query);

struct Referral {
    std::string referrerName, referrerEmail, referrerMessage, friendName, friendEmail;
};

// ReferralAddress — the refer-a-friend page with the five values and the
// product's site as taf1 to taf6, each value encoded.
std::string ReferralAddress(std::string_view page, const Referral& referral, std::string_view productSite);
