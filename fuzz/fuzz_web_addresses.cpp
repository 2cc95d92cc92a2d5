// The referral and location-lookup addresses, built from any texts: each
// built address parses back to exactly the values it was built from, and
// holds no character that could end or split it.
#include "core/WebAddresses.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

int Hex(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// An independent reading of a percent-encoded value.
std::string Decode(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        Require(i + 2 < text.size() && Hex(text[i + 1]) >= 0 && Hex(text[i + 2]) >= 0);
        out += static_cast<char>(Hex(text[i + 1]) * 16 + Hex(text[i + 2]));
        i += 2;
    }
    return out;
}

void RequireSafe(std::string_view address)
{
    for (const char c : address) {
        const auto u = static_cast<unsigned char>(c);
        Require(u > 0x20 && u < 0x7F && c != '#' && c != ' ');
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> values(5);
    std::size_t v = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0 && v + 1 < values.size())
            ++v;
        else
            values[v] += static_cast<char>(data[i]);
    }

    const Referral referral{values[0], values[1], values[2], values[3], values[4]};
    const std::string page = "https://www.qamarel.example/refer-a-friend/";
    const std::string site = "https://www.qamarel.example/qamarel/";
    const std::string address = ReferralAddress(page, referral, site);
    RequireSafe(address);
    Require(address.rfind(page + "?", 0) == 0);
    std::vector<std::string> parsed;
    std::string_view query = std::string_view(address).substr(page.size() + 1);
    for (std::size_t start = 0;;) {
        const std::size_t amp = query.find('&', start);
        const std::string_view pair = query.substr(start, amp == std::string_view::npos ? amp : amp - start);
        const std::size_t eq = pair.find('=');
        Require(eq != std::string_view::npos);
        Require(pair.substr(0, eq) == "taf" + std::to_string(parsed.size() + 1));
        parsed.push_back(Decode(pair.substr(eq + 1)));
        if (amp == std::string_view::npos)
            break;
        start = amp + 1;
    }
    Require(parsed == std::vector<std::string>({values[0], values[1], values[2], values[3], values[4], site}));

    const std::string queryText = LocationQuery(values[0], values[1], values[2]);
    Require(queryText == values[0] + " " + values[1] + " " + values[2] + " Latitude Longitude");
    const std::string base = "https://www.google.com/maps/search/?api=1&query=";
    const std::string search = MapSearchAddress(base, queryText);
    RequireSafe(search);
    Require(Decode(std::string_view(search).substr(base.size())) == queryText);
    return 0;
}
