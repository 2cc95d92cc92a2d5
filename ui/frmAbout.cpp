#include "ui/frmAbout.h"

#include "ui/ProgramIcon.h"
#include "ui/ProgramWidgets.h"
#include "ui/LinkOpening.h"
#include "ui/WebLinks.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    SetUpProgramWindow(this, "frmAbout");
    setModal(true);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(ProgramPicture(64));
    programTitle = new QLabel(InWindowDirection(this, ProgramCaption), this);
    programTitle->setObjectName(QStringLiteral("Label2"));
    QFont title = programTitle->font();
    title.setBold(true);
    programTitle->setFont(title);
    programDescription = new QLabel(tr("Qamarel gives a detailed report that includes the positive and negative characteristics "
                           "of people born with the moon in a particular lunar mansion or birth star according to "
                           "Arabic Astrology."),
                        this);
    programDescription->setObjectName(QStringLiteral("Label1"));
    programDescription->setWordWrap(true);
    // The place finder's data, as its licence asks.
    lblCredits = new QLabel(InWindowDirection(this, tr("Qamarel is free software under the GNU General Public License, version 3 or later. "
                                                       "Places: GeoNames (geonames.org), CC BY 4.0, through libgeonames. "
                                                       "Time zones: the IANA time zone database.")),
                            this);
    lblCredits->setObjectName(QStringLiteral("lblCredits"));
    lblCredits->setWordWrap(true);
    // The address keeps its slashes where they are in a right-to-left sentence (U+200E after it).
    lblHomePage = MakeLinkLabel(tr("Click here to visit ") + WebLinks::HomePage() + (isRightToLeft() ? QStringLiteral("\u200E") : QString()),
                                QStringLiteral("lblHomePage"), this);
    lblCoBrand = MakeLinkLabel(tr("Click here for more details"), QStringLiteral("lblCoBrand"), this);
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Picture1, 0, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(programTitle, 0, 1);
    grid->addWidget(programDescription, 1, 1);
    grid->addWidget(lblCredits, 2, 1);
    grid->addWidget(lblHomePage, 3, 1);
    grid->addWidget(lblCoBrand, 4, 1);
    grid->addWidget(cmdOK, 5, 1, Qt::AlignRight);
    setFixedWidth(fontMetrics().averageCharWidth() * 70);

    connect(lblHomePage, &QLabel::linkActivated, this, &frmAbout::lblHomePage_Click);
    connect(lblCoBrand, &QLabel::linkActivated, this, &frmAbout::lblCoBrand_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

void frmAbout::lblHomePage_Click()
{
    OpenPageOrSay(this, WebLinks::HomePage());
}

void frmAbout::lblCoBrand_Click()
{
    OpenPageOrSay(this, WebLinks::PromotionPage(2));
}

void frmAbout::cmdOK_Click()
{
    accept();
}
