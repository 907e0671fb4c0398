#include "dialogs/setupfrm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "dialogs/dialogparts.h"
#include "model/profile.h"
#include "platform/platform.h"
#include "render/qttext.h"
#include "text/numtext.h"

namespace solvane {

namespace {

// Both bars count tenths of a millimetre.
constexpr int EdgeMinTenths = 10;
constexpr int EdgeMaxTenths = 200;
constexpr int BeamMinTenths = 10;
constexpr int BeamMaxTenths = 150;

const QChar InchMark = QLatin1Char('"');

// The bar position for a length in mm: tenths, halves to even, kept inside the bar's range.
int tenthsInRange(double mm, int minTenths, int maxTenths)
{
    if (!std::isfinite(mm)) return minTenths;
    const double tenths = std::clamp(mm * 10.0, double(minTenths), double(maxTenths));
    return static_cast<int>(roundHalfEven(tenths));
}

}  // namespace

SetupFrm::SetupFrm(Profile& profile, Platform& platform, std::function<void()> updategrid,
                   std::function<void()> setscale, QWidget* parent)
    : QDialog(parent),
      profile_(profile),
      platform_(platform),
      updategrid_(std::move(updategrid)),
      setscale_(std::move(setscale))
{
    setObjectName(QStringLiteral("SetupFrm"));
    setWindowTitle(tr("Setup"));
    setModal(true);

    Label6 = makeLabel("Label6", tr("Wafer Size:"), this);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    // The list is fixed and what the user types stays as typed: no inserting, no completing.
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setCompleter(nullptr);
    Combo1->setMinimumContentsLength(8);
    Label6->setBuddy(Combo1);

    Frame3 = new QGroupBox(tr("Coordinate System"), this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    OptPolarSys = new QRadioButton(tr("Polar"), Frame3);
    OptPolarSys->setObjectName(QStringLiteral("OptPolarSys"));
    OptRectSys = new QRadioButton(tr("Rectangular"), Frame3);
    OptRectSys->setObjectName(QStringLiteral("OptRectSys"));
    auto* frameLayout = new QHBoxLayout(Frame3);
    frameLayout->addWidget(OptPolarSys);
    frameLayout->addWidget(OptRectSys);
    frameLayout->addStretch(1);

    Label1 = makeLabel("Label1", tr("Edge Exclusion (mm):"), this);
    EdgeExcl = makeLabel("EdgeExcl", QString(), this);
    HScroll1 = makeScrollBar("HScroll1", 200, this);
    Label1->setBuddy(HScroll1);
    Label2 = makeLabel("Label2", tr("IR Beam Diameter (mm):"), this);
    BeamDia = makeLabel("BeamDia", QString(), this);
    HScroll2 = makeScrollBar("HScroll2", 200, this);
    Label2->setBuddy(HScroll2);
    for (QLabel* readOutLabel : {EdgeExcl, BeamDia}) {
        readOutLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        readOutLabel->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00.00 mm ")));
    }

    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn = new QPushButton(tr("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto* grid = new QGridLayout;
    grid->addWidget(Label6, 0, 0);
    grid->addWidget(Combo1, 0, 1);
    grid->addWidget(Frame3, 1, 0, 1, 2);
    grid->addWidget(Label1, 2, 0);
    grid->addWidget(EdgeExcl, 2, 1);
    grid->addWidget(HScroll1, 3, 0, 1, 2);
    grid->addWidget(Label2, 4, 0);
    grid->addWidget(BeamDia, 4, 1);
    grid->addWidget(HScroll2, 5, 0, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(makeOkCancelRow(OKBtn, CancelBtn, ButtonRowPlacement::Right));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(Combo1, OptPolarSys);
    setTabOrder(OptPolarSys, OptRectSys);
    setTabOrder(OptRectSys, HScroll1);
    setTabOrder(HScroll1, HScroll2);
    setTabOrder(HScroll2, OKBtn);
    setTabOrder(OKBtn, CancelBtn);

    // Only typing (or pasting) changes the box; picking from the list is read by OK.
    connect(Combo1->lineEdit(), &QLineEdit::textEdited, this, &SetupFrm::Combo1_Change);
    connect(HScroll1, &QScrollBar::valueChanged, this, &SetupFrm::HScroll1_Change);
    connect(HScroll2, &QScrollBar::valueChanged, this, &SetupFrm::HScroll2_Change);
    connect(OKBtn, &QPushButton::clicked, this, &SetupFrm::OKBtn_Click);
    connect(CancelBtn, &QPushButton::clicked, this, &SetupFrm::CancelBtn_Click);
}

QStringList SetupFrm::sizeList(const std::string& units, int modelType)
{
    QStringList sizes;
    if (units == "inches") {
        if (modelType == 12 || modelType == 13) sizes << QStringLiteral("8") + InchMark;
        for (const char* inches : {"6", "5", "4", "3", "2"}) sizes << QLatin1String(inches) + InchMark;
    } else {
        if (modelType == 16) sizes << QStringLiteral("300mm");
        if (modelType == 12 || modelType == 13 || modelType == 16) sizes << QStringLiteral("200mm");
        sizes << QStringLiteral("150mm") << QStringLiteral("125mm") << QStringLiteral("100mm") << QStringLiteral("75mm")
              << QStringLiteral("50mm");
    }
    return sizes;
}

QString SetupFrm::readOut(int tenths) const
{
    return formatted(tenths / 10.0, "#0.00", localeDecimalSeparator()) + QStringLiteral(" mm");
}

double SetupFrm::readOutValue(const QString& text) const
{
    // The read-out was printed with the locale's separator; read it back as the number it shows.
    QString plain = text;
    const char separator = localeDecimalSeparator();
    if (separator != '.') plain.replace(QLatin1Char(separator), QLatin1Char('.'));
    return leadingNumber(toBytes(plain));
}

void SetupFrm::showEvent(QShowEvent* event)
{
    // Every showing starts from the current profile, as a freshly loaded window does.
    if (!event->spontaneous()) Form_Load();
    QDialog::showEvent(event);
}

void SetupFrm::paintEvent(QPaintEvent* event)
{
    Form_Paint();
    QDialog::paintEvent(event);
}

void SetupFrm::Form_Load()
{
    centreOnScreen(*this);

    const bool inches = profile_.Units == "inches";
    Combo1->clear();
    Combo1->addItems(sizeList(profile_.Units, profile_.ModelType));

    // The box shows the diameter as a whole number whether or not it is a listed size, and
    // showing it counts as a change: the diameter becomes that whole number.
    const QString shown = inches ? QString::fromStdString(formatNumber(profile_.WaferDiameter, "0")) + InchMark
                                 : QString::fromStdString(formatNumber(profile_.WaferDiameter, "###")) +
                                       QStringLiteral("mm");
    Combo1->setEditText(shown);
    Combo1_Change();
    openingDiameter_ = profile_.WaferDiameter;

    {
        const QSignalBlocker blockEdge(HScroll1);
        const QSignalBlocker blockBeam(HScroll2);
        HScroll1->setSingleStep(1);
        HScroll1->setPageStep(10);
        HScroll1->setRange(EdgeMinTenths, EdgeMaxTenths);
        HScroll1->setValue(tenthsInRange(profile_.EdgeExclusion, EdgeMinTenths, EdgeMaxTenths));
        HScroll2->setSingleStep(1);
        HScroll2->setPageStep(10);
        HScroll2->setRange(BeamMinTenths, BeamMaxTenths);
        HScroll2->setValue(tenthsInRange(profile_.BeamDiameter, BeamMinTenths, BeamMaxTenths));
    }
    HScroll1_Change();
    HScroll2_Change();

    // Both options follow their own flag; neither is set when neither flag is.
    OptPolarSys->setAutoExclusive(false);
    OptRectSys->setAutoExclusive(false);
    OptPolarSys->setChecked(profile_.PolarSys != False);
    OptRectSys->setChecked(profile_.RectSys != False);
    OptPolarSys->setAutoExclusive(true);
    OptRectSys->setAutoExclusive(true);

    Form_Paint();
}

void SetupFrm::Form_Paint()
{
    // Once points exist, the wafer size and the edge exclusion are fixed.
    const bool editable = profile_.PointCount <= 1;
    Combo1->setEnabled(editable);
    EdgeExcl->setEnabled(editable);
    HScroll1->setEnabled(editable);
}

void SetupFrm::Combo1_Change() { profile_.WaferDiameter = leadingNumber(toBytes(Combo1->currentText())); }

void SetupFrm::HScroll1_Change() { EdgeExcl->setText(readOut(HScroll1->value())); }

void SetupFrm::HScroll2_Change() { BeamDia->setText(readOut(HScroll2->value())); }

void SetupFrm::OKBtn_Click()
{
    // The wafer view's scale cannot span a wafer of no size: keep the dialog open instead.
    const double size = leadingNumber(toBytes(Combo1->currentText()));
    if (!(size > 0.0)) {
        platform_.messageBox(tr("Please enter a wafer size greater than 0."), QStringLiteral("Solvane"),
                             MessageIcon::Exclamation, MessageButtons::Ok);
        if (Combo1->isEnabled()) Combo1->setFocus();
        return;
    }

    profile_.EdgeExclusion = static_cast<float>(readOutValue(EdgeExcl->text()));
    profile_.BeamDiameter = readOutValue(BeamDia->text());
    profile_.WaferDiameter = size;

    const std::string rememberedCoordSys = profile_.CoordSys;
    profile_.PolarSys = OptPolarSys->isChecked() ? True : False;
    profile_.RectSys = OptRectSys->isChecked() ? True : False;
    profile_.CoordSys = profile_.PolarSys == True ? "Polar" : "Rectangular";

    if (profile_.CoordSys != rememberedCoordSys) {
        const MessageAnswer answer =
            platform_.messageBox(QStringLiteral("Coordinate system has changed.\r\nGrid will be updated."),
                                 QStringLiteral("Change needed."), MessageIcon::Critical, MessageButtons::OkCancel);
        if (answer != MessageAnswer::Ok) {
            // The coordinate system stays; the sizes stored above stay stored.
            profile_.CoordSys = rememberedCoordSys;
            setCoordFlags(profile_, rememberedCoordSys);
            return;
        }
        if (updategrid_) updategrid_();
    }

    if (setscale_) setscale_();
    accept();
}

void SetupFrm::CancelBtn_Click() { reject(); }

void SetupFrm::reject()
{
    // A size typed into the box is stored as it is typed; one that leaves no drawable wafer is
    // taken back to the size the dialog opened with.
    if (!(profile_.WaferDiameter > 0.0) && openingDiameter_ > 0.0) profile_.WaferDiameter = openingDiameter_;
    QDialog::reject();
}

}  // namespace solvane
