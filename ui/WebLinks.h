#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// The web pages the program opens in the user's browser. Every address is
// under one base address, kept here.
namespace WebLinks {

QString HomePage();          // the publisher's home page (site root)
QString HelpPage();          // the product's online help
QString DownloadPage();      // where the current version is offered
QString PromotionPage(int which);  // 1: co-branded copies, 2: fully branded copies
QString CataloguePage();     // the publisher's other programs
QString ReferralPage();      // receives the refer-a-friend form
QString ProductSite();       // the product's own site, sent with a referral
QString MapSearch();         // a map search, followed by the encoded query

// OpenWebPage — asks the desktop to open an address (already encoded) in the
// default browser. Returns at once: false when the desktop said it could not
// (no browser); the caller tells the user.
bool OpenWebPage(const QString& address);

// A window opens its pages through OpenPageOrSay (ui/LinkOpening.h), which
// says so when no browser answered.

// Replaces the browser (for tests): the handler receives each address instead.
void SetOpener(std::function<void(const QUrl&)> opener);
// The same, with an answer: false as from a desktop that has no browser.
void SetAnsweringOpener(std::function<bool(const QUrl&)> opener);

}  // namespace WebLinks
