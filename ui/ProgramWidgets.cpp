#include "ui/ProgramWidgets.h"

#include "ui/ProgramFont.h"
#include "ui/WebLinks.h"
#include "ui/frmAbout.h"

#include <QColor>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

void SetUpProgramWindow(QWidget* window, const char* name)
{
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowRole(window->objectName());
    window->setWindowTitle(ProgramCaption);
    window->setFont(ProgramFont());
}

QLabel* MakeLinkLabel(const QString& text, const QString& objectName, QWidget* parent, const QColor& colour)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::RichText);
    const QString style = colour.isValid() ? QStringLiteral(" style=\"color:%1\"").arg(colour.name()) : QString();
    label->setText(QStringLiteral("<a href=\"#\"%1>%2</a>").arg(style, text.toHtmlEscaped()));
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

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
    add("mnuOnline", QObject::tr("&Online Help"), &WebLinks::OpenHelpPage);
    add("mnuVisit", QObject::tr("&Visit Us Online"), &WebLinks::OpenHomePage);
    separator("mnuHelp1");
    add("mnuUpdate", QObject::tr("Check for Software &Update"), &WebLinks::OpenDownloadPage);
    separator("mnuHelp2");
    add("mnuAbout", QObject::tr("&About Software"), [window]() {
        frmAbout about(window);
        about.exec();
    });
    return menu;
}
