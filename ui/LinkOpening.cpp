#include "ui/LinkOpening.h"

#include "ui/MessageBox.h"
#include "ui/WebLinks.h"

#include <QCoreApplication>

namespace {

struct LinkOpeningText {
    Q_DECLARE_TR_FUNCTIONS(LinkOpeningText)
};

}  // namespace

void OpenPageOrSay(QWidget* parent, const QString& address)
{
    if (!WebLinks::OpenWebPage(address))
        Messages::Show(parent, LinkOpeningText::tr("The page %1 could not be opened: no web browser answered.").arg(address),
                       Messages::Icon::Error);
}
