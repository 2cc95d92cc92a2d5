#include "core/WebAddresses.h"

namespace {

bool IsUnreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

}  // namespace

std::string PercentEncode(std::string_view text)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (IsUnreserved(c)) {
            out += ch;
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 0x0F];
        }
    }
    return out;
}

std::string LocationQuery(std::string_view city, std::string_view state, std::string_view country)
{
    std::string query;
    query.append(city).append(" ").append(state).append(" ").append(country).append(" Latitude Longitude");
    return query;
}

std::string MapSearchAddress(std::string_view searchBase, std::string_view query)
{
    return std::string(searchBase) + PercentEncode(query);
}

std::string ReferralAddress(std::string_view page, const Referral& r, std::string_view productSite)
{
    std::string address(page);
    address += "?taf1=" + PercentEncode(r.referrerName);
    address += "&taf2=" + PercentEncode(r.referrerEmail);
    address += "&taf3=" + PercentEncode(r.referrerMessage);
    address += "&taf4=" + PercentEncode(r.friendName);
    address += "&taf5=" + PercentEncode(r.friendEmail);
    address += "&taf6=" + PercentEncode(productSite);
    return address;
}
