#include "ui/HelpMenu.h"

#include "ui/LinkOpening.h"
#include "ui/ProgramWidgets.h"
#include "ui/WebLinks.h"
#include "ui/frmAbout.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

QMenu* AddHelpMenu(QMainWindow* window)
{
    QMenu* menu = window->menuBar()->addMenu(QObject::tr("&Help"));
    menu->setObjectName(QStringLiteral("mnuHelp"));
    auto add = [&](const char* name, const QString& caption, auto action) {
        QAction* entry = menu->addAction(caption);
        entry->setObjectName(QString::fromLatin1(name));
        QObject::connect(entry, &QAction::triggered, window, action);
    };
    auto separator = [&](const char* name) { menu->addSeparator()->setObjectName(QString::fromLatin1(name)); };
    add("mnuOnline", QObject::tr("&Online Help"), [window] { OpenPageOrSay(window, WebLinks::HelpPage()); });
    add("mnuVisit", QObject::tr("&Visit Us Online"), [window] { OpenPageOrSay(window, WebLinks::HomePage()); });
    separator("mnuHelp1");
    add("mnuUpdate", QObject::tr("Check for Software &Update"), [window] { OpenPageOrSay(window, WebLinks::DownloadPage()); });
    separator("mnuHelp2");
    add("mnuAbout", QObject::tr("&About Software"), [window]() {
        frmAbout about(window);
        ExecDialog(about);
    });
    return menu;
}
