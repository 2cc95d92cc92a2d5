#include "ui/WebLinks.h"

#include <QDesktopServices>

namespace WebLinks {

namespace {

// The publisher's site; every page below lives under it.
const QString BaseAddress = QStringLiteral("https://www.qamarel.example/");

std::function<bool(const QUrl&)>& Opener()
{
    static std::function<bool(const QUrl&)> opener;
    return opener;
}

}  // namespace

QString HomePage() { return BaseAddress; }
QString HelpPage() { return BaseAddress + QStringLiteral("qamarel/help/"); }
QString DownloadPage() { return BaseAddress + QStringLiteral("qamarel/download/"); }
QString PromotionPage(int which)
{
    return BaseAddress + (which == 1 ? QStringLiteral("cobrand/") : QStringLiteral("fullbrand/"));
}
QString CataloguePage() { return BaseAddress + QStringLiteral("software/"); }
QString ReferralPage() { return BaseAddress + QStringLiteral("refer-a-friend/"); }
QString ProductSite() { return BaseAddress + QStringLiteral("qamarel/"); }
QString MapSearch() { return QStringLiteral("https://www.google.com/maps/search/?api=1&query="); }

void SetOpener(std::function<void(const QUrl&)> opener)
{
    if (opener)
        Opener() = [opener = std::move(opener)](const QUrl& url) {
            opener(url);
            return true;
        };
    else
        Opener() = {};
}

void SetAnsweringOpener(std::function<bool(const QUrl&)> opener)
{
    Opener() = std::move(opener);
}

bool OpenWebPage(const QString& address)
{
    // The address is already percent-encoded: taken as it stands, never re-read.
    const QUrl url = QUrl::fromEncoded(address.toUtf8(), QUrl::StrictMode);
    if (Opener())
        return Opener()(url);
    return QDesktopServices::openUrl(url);
}


}  // namespace WebLinks
