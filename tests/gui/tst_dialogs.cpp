#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QtTest>
#include <memory>

#include "dialogs/colorfrm.h"
#include "dialogs/setupfrm.h"
#include "dialogs/snapform.h"
#include "help/frmabout.h"
#include "importers/frmcsvfields.h"
#include "model/profile.h"
#include "platform/colours.h"
#include "offscreennoise.h"
#include "scriptedplatform.h"

using namespace solvane;

namespace {

template <typename T>
T* child(QWidget& dialog, const char* name)
{
    T* found = dialog.findChild<T*>(QLatin1String(name));
    if (!found) qFatal("no control %s", name);
    return found;
}

void click(QWidget& dialog, const char* buttonName)
{
    QTest::mouseClick(child<QPushButton>(dialog, buttonName), Qt::LeftButton);
}

}  // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietOffscreenWarnings(); }
    void init();
    void cleanup();

    // Parameters dialog.
    void setupSizeList_data();
    void setupSizeList();
    void setupBoxShowsWholeDiameterAndStoresIt_data();
    void setupBoxShowsWholeDiameterAndStoresIt();
    void setupTypingStoresAtOncePickingDoesNot();
    void setupBars_data();
    void setupBars();
    void setupBarsUnderDecimalComma();
    void setupGreyingByPointCount_data();
    void setupGreyingByPointCount();
    void setupCoordinateChangeConfirmed();
    void setupCoordinateChangeRefused();
    void setupOkWithoutChangeAsksNothing();
    void setupZeroSizeRefused();

    // Grid steps dialog.
    void snapReadOutsAndOk();
    void snapBarsMoveAndCancelKeeps();
    void snapReadOutWaitsForDragEnd();
    void snapCloseBoxActsAsCancel();

    // Colour dialog.
    void colourClicks_data();
    void colourClicks();
    void colourMouseClickOnPreview();
    void colourChooserStartsFromStoredColour();
    void colourCautionWhenSame();
    void colourStartUpColoursKept();
    void colourResetThenCancel();
    void colourCancelStoresNothing();
    void colourButtonRow();

    // CSV column dialog.
    void csvBadBox_data();
    void csvBadBox();
    void csvOkHandsBackAndReopensEmpty();
    void csvCancelHandsBackNothing();

    // About box.
    void aboutTexts();
    void aboutSystemInfo();

private:
    std::unique_ptr<Profile> profile_;
    std::unique_ptr<ScriptedPlatform> platform_;
};

void TestDialogs::init()
{
    profile_ = std::make_unique<Profile>();
    profile_->PolarSys = True;
    profile_->RectSys = False;
    profile_->CoordSys = "Polar";
    platform_ = std::make_unique<ScriptedPlatform>();
    QLocale::setDefault(QLocale::c());
}

void TestDialogs::cleanup()
{
    SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
}

// ---------------------------------------------------------------- Parameters dialog

void TestDialogs::setupSizeList_data()
{
    QTest::addColumn<QString>("units");
    QTest::addColumn<int>("model");
    QTest::addColumn<QStringList>("sizes");
    const QStringList smallMm{"150mm", "125mm", "100mm", "75mm", "50mm"};
    const QStringList smallInch{"6\"", "5\"", "4\"", "3\"", "2\""};
    QTest::newRow("11 mm") << "mms" << 11 << smallMm;
    QTest::newRow("12 mm") << "mms" << 12 << QStringList{"200mm"} + smallMm;
    QTest::newRow("13 mm") << "mms" << 13 << QStringList{"200mm"} + smallMm;
    QTest::newRow("16 mm") << "mms" << 16 << QStringList{"300mm", "200mm"} + smallMm;
    QTest::newRow("11 inch") << "inches" << 11 << smallInch;
    QTest::newRow("12 inch") << "inches" << 12 << QStringList{"8\""} + smallInch;
    QTest::newRow("13 inch") << "inches" << 13 << QStringList{"8\""} + smallInch;
    QTest::newRow("16 inch") << "inches" << 16 << smallInch;
    // Only the exact word selects inches.
    QTest::newRow("Inches is not inches") << "Inches" << 16 << QStringList{"300mm", "200mm"} + smallMm;
}

void TestDialogs::setupSizeList()
{
    QFETCH(QString, units);
    QFETCH(int, model);
    QFETCH(QStringList, sizes);
    profile_->Units = units.toStdString();
    profile_->ModelType = static_cast<std::int16_t>(model);
    SetupFrm dialog(*profile_, *platform_, {});
    dialog.show();
    auto* combo = child<QComboBox>(dialog, "Combo1");
    QStringList listed;
    for (int i = 0; i < combo->count(); ++i) listed << combo->itemText(i);
    QCOMPARE(listed, sizes);
    QVERIFY(combo->isEditable());
}

void TestDialogs::setupBoxShowsWholeDiameterAndStoresIt_data()
{
    QTest::addColumn<QString>("units");
    QTest::addColumn<double>("diameter");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("stored");
    QTest::newRow("200.4 mm") << "mms" << 200.4 << "200mm" << 200.0;
    QTest::newRow("not listed for model 11") << "mms" << 200.0 << "200mm" << 200.0;
    QTest::newRow("149.5 rounds up") << "mms" << 149.5 << "150mm" << 150.0;
    QTest::newRow("8 inch") << "inches" << 8.0 << "8\"" << 8.0;
    QTest::newRow("5.6 inch") << "inches" << 5.6 << "6\"" << 6.0;
}

void TestDialogs::setupBoxShowsWholeDiameterAndStoresIt()
{
    QFETCH(QString, units);
    QFETCH(double, diameter);
    QFETCH(QString, shown);
    QFETCH(double, stored);
    profile_->Units = units.toStdString();
    profile_->WaferDiameter = diameter;
    SetupFrm dialog(*profile_, *platform_, {});
    dialog.show();
    QCOMPARE(child<QComboBox>(dialog, "Combo1")->currentText(), shown);
    QCOMPARE(profile_->WaferDiameter, stored);
    click(dialog, "CancelBtn");
    QVERIFY(!dialog.isVisible());
    QCOMPARE(profile_->WaferDiameter, stored);
}

void TestDialogs::setupTypingStoresAtOncePickingDoesNot()
{
    profile_->ModelType = 16;
    SetupFrm dialog(*profile_, *platform_, {});
    dialog.show();
    auto* combo = child<QComboBox>(dialog, "Combo1");

    combo->setCurrentIndex(0);  // "300mm", picked from the list
    QCOMPARE(combo->currentText(), QStringLiteral("300mm"));
    QCOMPARE(profile_->WaferDiameter, 200.0);

    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), "125 mm");
    QCOMPARE(profile_->WaferDiameter, 125.0);
    click(dialog, "CancelBtn");
    QCOMPARE(profile_->WaferDiameter, 125.0);
}

void TestDialogs::setupBars_data()
{
    QTest::addColumn<float>("edge");
    QTest::addColumn<double>("beam");
    QTest::addColumn<int>("edgeBar");
    QTest::addColumn<int>("beamBar");
    QTest::addColumn<QString>("edgeText");
    QTest::addColumn<QString>("beamText");
    QTest::addColumn<float>("storedEdge");
    QTest::addColumn<double>("storedBeam");
    QTest::newRow("defaults") << 5.0f << 8.0 << 50 << 80 << "5.00 mm" << "8.00 mm" << 5.0f << 8.0;
    QTest::newRow("2.25 half to even") << 2.25f << 12.5 << 22 << 125 << "2.20 mm" << "12.50 mm" << 2.2f << 12.5;
    QTest::newRow("2.35 lies below the half") << 2.35f << 1.05 << 23 << 10 << "2.30 mm" << "1.00 mm" << 2.3f << 1.0;
    QTest::newRow("below the bars") << 0.5f << 0.0 << 10 << 10 << "1.00 mm" << "1.00 mm" << 1.0f << 1.0;
    QTest::newRow("above the bars") << 25.0f << 20.0 << 200 << 150 << "20.00 mm" << "15.00 mm" << 20.0f << 15.0;
}

void TestDialogs::setupBars()
{
    QFETCH(float, edge);
    QFETCH(double, beam);
    QFETCH(int, edgeBar);
    QFETCH(int, beamBar);
    QFETCH(QString, edgeText);
    QFETCH(QString, beamText);
    QFETCH(float, storedEdge);
    QFETCH(double, storedBeam);
    profile_->EdgeExclusion = edge;
    profile_->BeamDiameter = beam;
    SetupFrm dialog(*profile_, *platform_, {});
    dialog.show();
    auto* edgeScroll = child<QScrollBar>(dialog, "HScroll1");
    auto* beamScroll = child<QScrollBar>(dialog, "HScroll2");
    QCOMPARE(edgeScroll->value(), edgeBar);
    QCOMPARE(beamScroll->value(), beamBar);
    QCOMPARE(edgeScroll->minimum(), 10);
    QCOMPARE(edgeScroll->maximum(), 200);
    QCOMPARE(beamScroll->maximum(), 150);
    QCOMPARE(edgeScroll->pageStep(), 10);
    QCOMPARE(child<QLabel>(dialog, "EdgeExcl")->text(), edgeText);
    QCOMPARE(child<QLabel>(dialog, "BeamDia")->text(), beamText);
    click(dialog, "OKBtn");
    QCOMPARE(profile_->EdgeExclusion, storedEdge);
    QCOMPARE(profile_->BeamDiameter, storedBeam);
}

void TestDialogs::setupBarsUnderDecimalComma()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    profile_->EdgeExclusion = 2.25f;
    SetupFrm dialog(*profile_, *platform_, {});
    dialog.show();
    auto* edgeScroll = child<QScrollBar>(dialog, "HScroll1");
    edgeScroll->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(child<QLabel>(dialog, "EdgeExcl")->text(), QStringLiteral("3,20 mm"));
    click(dialog, "OKBtn");
    QCOMPARE(profile_->EdgeExclusion, 3.2f);
}

void TestDialogs::setupGreyingByPointCount_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("sizeEditable");
    QTest::newRow("empty") << 0 << true;
    QTest::newRow("one point") << 1 << true;
    QTest::newRow("two points") << 2 << false;
}

void TestDialogs::setupGreyingByPointCount()
{
    QFETCH(int, points);
    QFETCH(bool, sizeEditable);
    profile_->PointCount = static_cast<std::int16_t>(points);
    SetupFrm dialog(*profile_, *platform_, {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(child<QComboBox>(dialog, "Combo1")->isEnabled(), sizeEditable);
    QCOMPARE(child<QLabel>(dialog, "EdgeExcl")->isEnabled(), sizeEditable);
    QCOMPARE(child<QScrollBar>(dialog, "HScroll1")->isEnabled(), sizeEditable);
    QVERIFY(child<QScrollBar>(dialog, "HScroll2")->isEnabled());
    QVERIFY(child<QLabel>(dialog, "BeamDia")->isEnabled());
    QVERIFY(child<QRadioButton>(dialog, "OptPolarSys")->isEnabled());
    QVERIFY(child<QRadioButton>(dialog, "OptRectSys")->isEnabled());

    // Every repaint looks at the count again.
    profile_->PointCount = static_cast<std::int16_t>(points >= 2 ? 0 : 2);
    dialog.repaint();
    QCOMPARE(child<QComboBox>(dialog, "Combo1")->isEnabled(), !sizeEditable);
    dialog.reject();
}

void TestDialogs::setupCoordinateChangeConfirmed()
{
    int gridRefreshes = 0;
    int scales = 0;
    SetupFrm dialog(*profile_, *platform_, [&] { ++gridRefreshes; }, [&] { ++scales; });
    dialog.show();
    QVERIFY(child<QRadioButton>(dialog, "OptPolarSys")->isChecked());
    QCOMPARE(child<QGroupBox>(dialog, "Frame3")->title(), QStringLiteral("Coordinate System"));
    QTest::mouseClick(child<QRadioButton>(dialog, "OptRectSys"), Qt::LeftButton);
    platform_->answerMessage(MessageAnswer::Ok);
    click(dialog, "OKBtn");

    QCOMPARE(platform_->messages().size(), std::size_t(1));
    const ScriptedPlatform::Message& message = platform_->messages().front();
    QCOMPARE(message.text, QStringLiteral("Coordinate system has changed.\r\nGrid will be updated."));
    QCOMPARE(message.title, QStringLiteral("Change needed."));
    QCOMPARE(message.icon, MessageIcon::Critical);
    QCOMPARE(message.buttons, MessageButtons::OkCancel);
    QCOMPARE(gridRefreshes, 1);
    QCOMPARE(scales, 1);
    QCOMPARE(profile_->CoordSys, std::string("Rectangular"));
    QCOMPARE(profile_->PolarSys, False);
    QCOMPARE(profile_->RectSys, True);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestDialogs::setupCoordinateChangeRefused()
{
    int gridRefreshes = 0;
    int scales = 0;
    profile_->WaferDiameter = 150.0;
    SetupFrm dialog(*profile_, *platform_, [&] { ++gridRefreshes; }, [&] { ++scales; });
    dialog.show();
    child<QScrollBar>(dialog, "HScroll1")->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // 5.0 -> 5.1
    child<QScrollBar>(dialog, "HScroll2")->triggerAction(QAbstractSlider::SliderPageStepSub);    // 8.0 -> 7.0
    child<QComboBox>(dialog, "Combo1")->setCurrentIndex(2);                                     // "100mm"
    QTest::mouseClick(child<QRadioButton>(dialog, "OptRectSys"), Qt::LeftButton);
    platform_->answerMessage(MessageAnswer::Cancel);
    click(dialog, "OKBtn");

    QCOMPARE(platform_->messages().size(), std::size_t(1));
    QVERIFY(dialog.isVisible());
    QCOMPARE(profile_->CoordSys, std::string("Polar"));
    QCOMPARE(profile_->PolarSys, True);
    QCOMPARE(profile_->RectSys, False);
    QCOMPARE(profile_->EdgeExclusion, 5.1f);
    QCOMPARE(profile_->BeamDiameter, 7.0);
    QCOMPARE(profile_->WaferDiameter, 100.0);
    QCOMPARE(gridRefreshes, 0);
    QCOMPARE(scales, 0);
    // The user's choice still shows.
    QVERIFY(child<QRadioButton>(dialog, "OptRectSys")->isChecked());
    click(dialog, "CancelBtn");
    QVERIFY(!dialog.isVisible());
}

void TestDialogs::setupOkWithoutChangeAsksNothing()
{
    int gridRefreshes = 0;
    SetupFrm dialog(*profile_, *platform_, [&] { ++gridRefreshes; });
    dialog.show();
    click(dialog, "OKBtn");
    QVERIFY(platform_->messages().empty());
    QCOMPARE(gridRefreshes, 0);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestDialogs::setupZeroSizeRefused()
{
    SetupFrm dialog(*profile_, *platform_, {});
    dialog.show();
    auto* box = child<QComboBox>(dialog, "Combo1")->lineEdit();
    box->clear();
    QTest::keyClicks(box, "abc");
    QCOMPARE(profile_->WaferDiameter, 0.0);
    platform_->answerMessage(MessageAnswer::Ok);
    const float edgeBefore = profile_->EdgeExclusion;
    child<QScrollBar>(dialog, "HScroll1")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    click(dialog, "OKBtn");
    QVERIFY(dialog.isVisible());
    QCOMPARE(platform_->messages().size(), std::size_t(1));
    QCOMPARE(platform_->messages().front().title, QStringLiteral("Solvane"));
    QCOMPARE(platform_->messages().front().icon, MessageIcon::Exclamation);
    QCOMPARE(profile_->EdgeExclusion, edgeBefore);
    // Leaving with Cancel gives back the size the dialog opened with, not a wafer of no size.
    click(dialog, "CancelBtn");
    QCOMPARE(profile_->WaferDiameter, 200.0);
}

// ---------------------------------------------------------------- Grid steps dialog

void TestDialogs::snapReadOutsAndOk()
{
    profile_->DlgAngSteps = 4;
    profile_->DlgRadSteps = 1;
    SnapForm dialog(*profile_);
    dialog.setCaptions(QStringLiteral("X Y"), QStringLiteral("No. of X Steps"), QStringLiteral("No. of Y Steps"));
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("X Y"));
    QCOMPARE(child<QLabel>(dialog, "Label1")->text(), QStringLiteral("No. of X Steps"));
    QCOMPARE(child<QLabel>(dialog, "Label2")->text(), QStringLiteral("No. of Y Steps"));
    QCOMPARE(child<QLabel>(dialog, "Ang")->text(), QStringLiteral(" 4"));
    QCOMPARE(child<QLabel>(dialog, "Rad")->text(), QStringLiteral(" 1"));
    profile_->DlgAngSteps = 0;  // OK hands back the bars, not what the pair holds now
    profile_->DlgRadSteps = 0;
    click(dialog, "OKBtn");
    QCOMPARE(profile_->DlgAngSteps, std::int16_t(4));
    QCOMPARE(profile_->DlgRadSteps, std::int16_t(1));
    QVERIFY(!dialog.isVisible());
}

void TestDialogs::snapBarsMoveAndCancelKeeps()
{
    profile_->DlgAngSteps = 4;
    profile_->DlgRadSteps = 1;
    SnapForm dialog(*profile_);
    dialog.show();
    auto* upper = child<QScrollBar>(dialog, "HScroll1");
    auto* lower = child<QScrollBar>(dialog, "HScroll2");
    upper->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(upper->value(), 9);
    upper->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(child<QLabel>(dialog, "Ang")->text(), QStringLiteral(" 10"));
    upper->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(upper->value(), 30);
    lower->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(lower->value(), 1);
    click(dialog, "CancelBtn");
    QCOMPARE(profile_->DlgAngSteps, std::int16_t(4));
    QCOMPARE(profile_->DlgRadSteps, std::int16_t(1));

    // The next showing starts from the pair again, not from the bars left behind.
    dialog.show();
    QCOMPARE(upper->value(), 4);
    QCOMPARE(child<QLabel>(dialog, "Ang")->text(), QStringLiteral(" 4"));
    dialog.reject();
}

void TestDialogs::snapReadOutWaitsForDragEnd()
{
    profile_->DlgAngSteps = 4;
    profile_->DlgRadSteps = 1;
    SnapForm dialog(*profile_);
    dialog.show();
    auto* upper = child<QScrollBar>(dialog, "HScroll1");
    upper->setSliderDown(true);
    upper->setSliderPosition(30);
    QCOMPARE(child<QLabel>(dialog, "Ang")->text(), QStringLiteral(" 4"));
    upper->setSliderDown(false);
    QCOMPARE(child<QLabel>(dialog, "Ang")->text(), QStringLiteral(" 30"));
    click(dialog, "OKBtn");
    QCOMPARE(profile_->DlgAngSteps, std::int16_t(30));
}

void TestDialogs::snapCloseBoxActsAsCancel()
{
    profile_->DlgAngSteps = 6;
    profile_->DlgRadSteps = 3;
    SnapForm dialog(*profile_);
    dialog.show();
    child<QScrollBar>(dialog, "HScroll2")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    dialog.close();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(profile_->DlgRadSteps, std::int16_t(3));
}

// ---------------------------------------------------------------- Colour dialog

void TestDialogs::colourClicks_data()
{
    // The disc spans 100..2200 twips (centre 1150, radius 1050); the spot 625..1150 (centre 887.5,
    // radius 262.5).
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("opens");
    QTest::newRow("spot centre") << 887.5 << 887.5 << "spot";
    QTest::newRow("inside the spot near its rim") << 1149.0 << 887.5 << "spot";
    QTest::newRow("spot rim is the disc") << 1150.0 << 887.5 << "wafer";
    QTest::newRow("disc centre") << 1150.0 << 1150.0 << "wafer";
    QTest::newRow("inside the disc near its rim") << 101.0 << 1150.0 << "wafer";
    QTest::newRow("disc rim is outside") << 100.0 << 1150.0 << "nothing";
    QTest::newRow("preview corner") << 50.0 << 50.0 << "nothing";
}

void TestDialogs::colourClicks()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QString, opens);
    ColorFrm dialog(*profile_, *platform_);
    dialog.show();
    if (opens != QLatin1String("nothing")) platform_->chooseColourAnswer(Red);
    dialog.Picture1_MouseDown(Qt::LeftButton, Qt::NoModifier, x, y);
    if (opens == QLatin1String("spot")) {
        QCOMPARE(platform_->colourPresets(), std::vector<std::uint32_t>{ButtonShadowColour});
        QCOMPARE(dialog.newSpotColor(), Red);
        QCOMPARE(dialog.newWaferColor(), ButtonFaceColour);
    } else if (opens == QLatin1String("wafer")) {
        QCOMPARE(platform_->colourPresets(), std::vector<std::uint32_t>{ButtonFaceColour});
        QCOMPARE(dialog.newWaferColor(), Red);
        QCOMPARE(dialog.newSpotColor(), ButtonShadowColour);
    } else {
        QVERIFY(platform_->colourPresets().empty());
    }
    dialog.reject();
}

void TestDialogs::colourMouseClickOnPreview()
{
    ColorFrm dialog(*profile_, *platform_);
    dialog.show();
    QWidget* preview = child<QWidget>(dialog, "Picture1");
    const double dpi = preview->logicalDpiX();
    QCOMPARE(preview->width(), int(std::lround(twipsToPixels(2300, dpi))));
    platform_->chooseColourAnswer(0x00FF0000);
    const QPoint spotCentre(int(twipsToPixels(887.5, dpi)), int(twipsToPixels(887.5, preview->logicalDpiY())));
    QTest::mouseClick(preview, Qt::RightButton, Qt::NoModifier, spotCentre);
    QCOMPARE(dialog.newSpotColor(), 0x00FF0000u);
    dialog.reject();
}

void TestDialogs::colourChooserStartsFromStoredColour()
{
    ColorFrm dialog(*profile_, *platform_);
    dialog.show();
    platform_->chooseColourAnswer(Red);
    platform_->closeColourChooser();
    dialog.Picture1_MouseDown(Qt::LeftButton, Qt::NoModifier, 887.5, 887.5);
    QCOMPARE(dialog.newSpotColor(), Red);
    dialog.Picture1_MouseDown(Qt::LeftButton, Qt::NoModifier, 887.5, 887.5);
    QCOMPARE(platform_->colourPresets(), (std::vector<std::uint32_t>{ButtonShadowColour, ButtonShadowColour}));
    QCOMPARE(dialog.newSpotColor(), ButtonShadowColour);
    dialog.reject();
}

void TestDialogs::colourCautionWhenSame()
{
    ColorFrm dialog(*profile_, *platform_);
    dialog.show();
    platform_->chooseColourAnswer(Red);
    platform_->chooseColourAnswer(Red);
    dialog.Picture1_MouseDown(Qt::LeftButton, Qt::NoModifier, 1150, 1150);
    dialog.Picture1_MouseDown(Qt::LeftButton, Qt::NoModifier, 887.5, 887.5);
    platform_->answerMessage(MessageAnswer::Ok);
    click(dialog, "SaveBtn");

    QCOMPARE(platform_->messages().size(), std::size_t(1));
    const ScriptedPlatform::Message& message = platform_->messages().front();
    QCOMPARE(message.text, QStringLiteral("Wafer and Spot colors are the same. Spot color will be changed "));
    QCOMPARE(message.title, QStringLiteral("Caution"));
    QCOMPARE(message.icon, MessageIcon::None);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QCOMPARE(profile_->WaferColor, Red);
    QCOMPARE(profile_->SpotColor, profile_->DefSpotColor);
    QVERIFY(!dialog.isVisible());
}

void TestDialogs::colourStartUpColoursKept()
{
    ColorFrm dialog(*profile_, *platform_);
    dialog.show();
    click(dialog, "SaveBtn");
    QVERIFY(platform_->messages().empty());
    QCOMPARE(profile_->WaferColor, ButtonFaceColour);
    QCOMPARE(profile_->SpotColor, ButtonShadowColour);
}

void TestDialogs::colourResetThenCancel()
{
    profile_->WaferColor = 0x00112233;
    profile_->SpotColor = 0x00445566;
    ColorFrm dialog(*profile_, *platform_);
    dialog.show();
    QCOMPARE(dialog.newWaferColor(), 0x00112233u);
    click(dialog, "ResetBtn");
    QVERIFY(dialog.isVisible());
    QCOMPARE(profile_->WaferColor, ButtonFaceColour);
    QCOMPARE(profile_->SpotColor, ButtonShadowColour);
    click(dialog, "CancelBtn");
    QCOMPARE(profile_->WaferColor, ButtonFaceColour);
    QCOMPARE(profile_->SpotColor, ButtonShadowColour);
}

void TestDialogs::colourCancelStoresNothing()
{
    ColorFrm dialog(*profile_, *platform_);
    dialog.show();
    platform_->chooseColourAnswer(Red);
    dialog.Picture1_MouseDown(Qt::LeftButton, Qt::NoModifier, 1150, 1150);
    click(dialog, "CancelBtn");
    QCOMPARE(profile_->WaferColor, ButtonFaceColour);
    // The next showing starts from the stored colours.
    dialog.show();
    QCOMPARE(dialog.newWaferColor(), ButtonFaceColour);
    dialog.reject();
}

void TestDialogs::colourButtonRow()
{
    ColorFrm dialog(*profile_, *platform_);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Color"));
    auto* cancel = child<QPushButton>(dialog, "CancelBtn");
    auto* reset = child<QPushButton>(dialog, "ResetBtn");
    auto* ok = child<QPushButton>(dialog, "SaveBtn");
    QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    QCOMPARE(reset->text(), QStringLiteral("Reset"));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(cancel->x() < reset->x());
    QVERIFY(reset->x() < ok->x());
    QVERIFY(ok->y() >= child<QWidget>(dialog, "Picture1")->geometry().bottom());
    dialog.reject();
}

// ---------------------------------------------------------------- CSV column dialog

namespace {
const char* const CsvBoxes[] = {"txtSampleCenterLoc", "txtDiePitch", "txtXIndex", "txtYindex", "txtXrel", "txtYrel"};
}

void TestDialogs::csvBadBox_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("named");
    QTest::newRow("empty centre") << 0 << "" << "Sample Center Location";
    QTest::newRow("letters in pitch") << 1 << "abc" << "Die Pitch";
    QTest::newRow("negative X index") << 2 << "-1" << "X index";
    QTest::newRow("fraction in Y index") << 3 << "2.5" << "Y index";
    QTest::newRow("too large X rel") << 4 << "40000" << "X rel";
    QTest::newRow("blank Y rel") << 5 << "   " << "Y rel";
    QTest::newRow("no X rel column") << 4 << "0" << "X rel";
}

void TestDialogs::csvBadBox()
{
    QFETCH(int, box);
    QFETCH(QString, text);
    QFETCH(QString, named);
    frmCSVfields dialog(*platform_);
    dialog.show();
    for (int i = 0; i < 6; ++i)
        child<QLineEdit>(dialog, CsvBoxes[i])->setText(i == box ? text : QString::number(i + 1));
    platform_->answerMessage(MessageAnswer::Ok);
    click(dialog, "CmdOK");
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.columns());
    QCOMPARE(platform_->messages().size(), std::size_t(1));
    QVERIFY2(platform_->messages().front().text.contains(named), qPrintable(platform_->messages().front().text));
    click(dialog, "CmdCancel");
}

void TestDialogs::csvOkHandsBackAndReopensEmpty()
{
    frmCSVfields dialog(*platform_);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("CSV File Information"));
    QCOMPARE(child<QGroupBox>(dialog, "Frame1")->title(), QStringLiteral("Import Field Column Numbers"));
    // Labels in order, each naming its box.
    const QStringList captions{"Sample Center Location:", "Die Pitch:", "X index:", "Y index:", "X rel:", "Y rel:"};
    int previousY = -1;
    for (int i = 0; i < 6; ++i) {
        auto* box = child<QLineEdit>(dialog, CsvBoxes[i]);
        QVERIFY(box->text().isEmpty());
        QVERIFY(box->y() > previousY);
        previousY = box->y();
        QLabel* label = nullptr;
        for (QLabel* candidate : dialog.findChildren<QLabel*>())
            if (candidate->buddy() == box) label = candidate;
        QVERIFY(label);
        QCOMPARE(label->text(), captions.at(i));
        box->setText(QString::number(10 + i));
    }
    QVERIFY(child<QPushButton>(dialog, "CmdOK")->x() < child<QPushButton>(dialog, "CmdCancel")->x());
    child<QLineEdit>(dialog, "txtXIndex")->setText(QStringLiteral(" 0 "));
    click(dialog, "CmdOK");
    QVERIFY(!dialog.isVisible());
    QVERIFY(dialog.columns());
    const CsvColumns columns = *dialog.columns();
    QCOMPARE(columns.CsvCenterLocCol, std::int16_t(10));
    QCOMPARE(columns.CsvDiePitchCol, std::int16_t(11));
    QCOMPARE(columns.CsvXIndexCol, std::int16_t(0));
    QCOMPARE(columns.CsvYIndexCol, std::int16_t(13));
    QCOMPARE(columns.CsvXRelCol, std::int16_t(14));
    QCOMPARE(columns.CsvYRelCol, std::int16_t(15));

    dialog.show();
    for (const char* name : CsvBoxes) QVERIFY(child<QLineEdit>(dialog, name)->text().isEmpty());
    QVERIFY(!dialog.columns());
    dialog.reject();
}

void TestDialogs::csvCancelHandsBackNothing()
{
    frmCSVfields dialog(*platform_);
    dialog.show();
    for (const char* name : CsvBoxes) child<QLineEdit>(dialog, name)->setText(QStringLiteral("3"));
    click(dialog, "CmdCancel");
    QVERIFY(!dialog.isVisible());
    QVERIFY(!dialog.columns());
}

// ---------------------------------------------------------------- About box

void TestDialogs::aboutTexts()
{
    profile_->ProfileTitle = "Solvane/Wafer";
    frmAbout dialog(*profile_, *platform_);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About Solvane"));
    QCOMPARE(child<QLabel>(dialog, "lblVersion")->text(), QStringLiteral("Version 5.1"));
    QCOMPARE(child<QLabel>(dialog, "lblTitle")->text(), QStringLiteral("Solvane/Wafer"));
    QCOMPARE(child<QLabel>(dialog, "lblDescription")->text(), QStringLiteral("Accessory Automation Software"));
    QVERIFY(child<QLabel>(dialog, "Lbl_KORV")->text().startsWith(QChar(0xA9)));
    auto* support = child<QTextEdit>(dialog, "Text1");
    QVERIFY(support->isReadOnly());
    QVERIFY(support->toPlainText().contains(QLatin1Char('\n')));
    QCOMPARE(child<QPushButton>(dialog, "CmdOK")->text(), QStringLiteral("OK"));
    QCOMPARE(child<QPushButton>(dialog, "cmdSysInfo")->text(), QStringLiteral("&System Info..."));
    QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("picIcon")));

    // A flavour chosen later shows at the next opening.
    click(dialog, "CmdOK");
    QVERIFY(!dialog.isVisible());
    profile_->ProfileTitle = "Solvane/Map";
    dialog.show();
    QCOMPARE(child<QLabel>(dialog, "lblTitle")->text(), QStringLiteral("Solvane/Map"));
    dialog.reject();
}

void TestDialogs::aboutSystemInfo()
{
    frmAbout dialog(*profile_, *platform_);
    dialog.show();
    platform_->answerMessage(MessageAnswer::Ok);
    click(dialog, "cmdSysInfo");
    QCOMPARE(platform_->messages().size(), std::size_t(1));
    const ScriptedPlatform::Message& message = platform_->messages().front();
    QCOMPARE(message.text, QStringLiteral("System Information Is Unavailable At This Time"));
    QCOMPARE(message.title, QString());
    QCOMPARE(message.icon, MessageIcon::None);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QVERIFY(dialog.isVisible());
    dialog.reject();
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
