#include "help/frmabout.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTextEdit>
#include <QVBoxLayout>

#include "dialogs/dialogparts.h"
#include "model/profile.h"
#include "platform/platform.h"

namespace solvane {

namespace {

const char NoticeText[] =
    " 2024 The Solvane authors. This program is protected by copyright law. Copying or passing on "
    "this program or any part of it without permission may lead to civil and criminal penalties.";

const char SupportText[] =
    "For technical support:\r\n"
    "Solvane Support Desk\r\n"
    "Telephone: +1 555 0142 (weekdays 8:00 to 17:00)\r\n"
    "E-mail: support@solvane.example\r\n"
    "Web: https://solvane.example/support\r\n"
    "\r\n"
    "Please have the version number above and the accessory model to hand when you call.";

QLabel* makeLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QFrame* makeLine(const char* name, QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

frmAbout::frmAbout(const Profile& profile, Platform& platform, QWidget* parent)
    : QDialog(parent), profile_(profile), platform_(platform)
{
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);

    picIcon = makeLabel("picIcon", this);
    // The program's own icon, as the window shows it.
    picIcon->setPixmap(QApplication::windowIcon().pixmap(48, 48));
    picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lblTitle = makeLabel("lblTitle", this);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion = makeLabel("lblVersion", this);
    lblVersion->setText(tr("Version"));
    lblDescription = makeLabel("lblDescription", this);
    lblDescription->setText(QStringLiteral("Accessory Automation Software"));

    Text1 = new QTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setAcceptRichText(false);
    Text1->setPlainText(QString::fromLatin1(SupportText));
    Text1->setMinimumSize(360, 110);

    Lbl_KORV = makeLabel("Lbl_KORV", this);
    Lbl_KORV->setWordWrap(true);

    CmdOK = new QPushButton(tr("OK"), this);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(tr("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addWidget(lblDescription);
    texts->addWidget(makeLine("Line1", this));
    texts->addWidget(Text1);

    auto* top = new QHBoxLayout;
    top->addWidget(picIcon, 0, Qt::AlignTop);
    top->addLayout(texts, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(CmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch(1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Lbl_KORV, 1);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(makeLine("Line2", this));
    layout->addLayout(bottom);

    setTabOrder(CmdOK, cmdSysInfo);
    setTabOrder(cmdSysInfo, Text1);

    connect(CmdOK, &QPushButton::clicked, this, &frmAbout::CmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    Form_Load();
    adjustSize();
}

QString frmAbout::applicationTitle() { return QStringLiteral("Solvane"); }

void frmAbout::showEvent(QShowEvent* event)
{
    // The flavour may have changed since the last showing.
    if (!event->spontaneous()) {
        Form_Load();
        centreOnScreen(*this);
        CmdOK->setFocus();
    }
    QDialog::showEvent(event);
}

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + applicationTitle());
    lblVersion->setText(QStringLiteral("Version %1.%2").arg(SOLVANE_VERSION_MAJOR).arg(SOLVANE_VERSION_MINOR));
    lblTitle->setText(QString::fromLatin1(profile_.ProfileTitle.c_str()));
    Lbl_KORV->setText(QChar(0xA9) + QString::fromLatin1(NoticeText));
}

void frmAbout::CmdOK_Click() { accept(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::StartSysInfo()
{
    // No system-information tool to start on this platform.
    platform_.messageBox(QStringLiteral("System Information Is Unavailable At This Time"), QString(), MessageIcon::None,
                         MessageButtons::Ok);
}

}  // namespace solvane
