#include "ui/LocationLookup.h"

#include "core/WebAddresses.h"
#include "ui/WebLinks.h"

void LocationLookup::FindLocation(const QString& query, const QString& homePage)
{
    Q_UNUSED(homePage);
    const std::string address = MapSearchAddress(WebLinks::MapSearch().toStdString(), query.toStdString());
    WebLinks::OpenWebPage(QString::fromStdString(address));
}
