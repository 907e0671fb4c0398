// The Parameters, grid steps, colour, CSV column and About dialogs on their own, over a scripted platform, and the
// application icon.
#include <QtTest>
#include <QtWidgets>

#include "dialogs/colorfrm.h"
#include "dialogs/setupfrm.h"
#include "dialogs/snapform.h"
#include "formharness.h"
#include "help/appicon.h"
#include "help/frmabout.h"
#include "importers/frmcsvfields.h"
#include "offscreennoise.h"

using namespace solvane;

namespace {

template <typename T = QWidget>
T* child(QWidget& dialog, const char* name)
{
    T* found = dialog.findChild<T*>(QLatin1String(name));
    if (!found) qFatal("no control %s", name);
    return found;
}
QString text(QWidget& dialog, const char* label) { return child<QLabel>(dialog, label)->text(); }
QScrollBar* bar(QWidget& dialog, const char* name) { return child<QScrollBar>(dialog, name); }

}  // namespace

class TestDialogs : public QObject {
    Q_OBJECT
    Profile p;
    ScriptedPlatform platform;

private slots:
    void initTestCase() { quietOffscreenWarnings(); }
    void init()
    {
        p = Profile{};
        p.PolarSys = True;
        platform.clear();
    }
    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(platform);
    }

    // Size list, whole diameter stored at opening, bars in tenths (half to even, clamped), greyed from 2 points.
    void setupOpening_data()
    {
        QTest::addColumn<QString>("setup");  // units, model, diameter, points, edge, beam, locale
        QTest::addColumn<QStringList>("sizes");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("bars");
        const QStringList mm{"150mm", "125mm", "100mm", "75mm", "50mm"}, inch{"6\"", "5\"", "4\"", "3\"", "2\""};
        // clang-format off
        QTest::newRow("11 mm, 200.4 not listed; defaults") << "mms 11 200.4 1 5 8 C" << mm
                                                           << "200mm" << "50 80 5.00 mm|8.00 mm";
        QTest::newRow("13 mm, 149.5; 2.25 half to even") << "mms 13 149.5 2 2.25 12.5 C" << QStringList{"200mm"} + mm
                                                         << "150mm" << "22 125 2.20 mm|12.50 mm";
        QTest::newRow("16 mm; 2.35 below the half") << "mms 16 300 2 2.35 1.05 C" << QStringList{"300mm", "200mm"} + mm
                                                    << "300mm" << "23 10 2.30 mm|1.00 mm";
        QTest::newRow("12 inch; below the bars") << "inches 12 8 0 0.5 0 C" << QStringList{"8\""} + inch << "8\""
                                                 << "10 10 1.00 mm|1.00 mm";
        QTest::newRow("16 inch, 5.6; above the bars") << "inches 16 5.6 0 25 20 C" << inch
                                                      << "6\"" << "200 150 20.00 mm|15.00 mm";
        QTest::newRow("Inches is not inches; decimal comma") << "Inches 11 100 0 2.25 8 de_DE" << mm
                                                             << "100mm" << "22 80 2,20 mm|8,00 mm";
        // clang-format on
    }
    void setupOpening()
    {
        QFETCH(QString, setup);
        QFETCH(QString, shown);
        const QStringList f = setup.split(' ');
        const QString units = f[0];
        const int points = f[3].toInt();
        QLocale::setDefault(QLocale(f[6]));
        std::tie(p.Units, p.ModelType, p.WaferDiameter, p.PointCount, p.EdgeExclusion,
                 p.BeamDiameter) = std::tuple(units.toStdString(), qint16(f[1].toInt()), f[2].toDouble(),
                                              qint16(points), f[4].toFloat(), f[5].toDouble());
        int gridRefreshes = 0;
        SetupFrm d(p, platform, [&] { ++gridRefreshes; });
        d.show();
        auto* combo = child<QComboBox>(d, "Combo1");
        QStringList listed;
        for (int i = 0; i < combo->count(); ++i) listed << combo->itemText(i);
        QTEST(listed, "sizes");
        QCOMPARE(combo->currentText(), shown);
        const int edgeBar = bar(d, "HScroll1")->value(), beamBar = bar(d, "HScroll2")->value();
        QTEST(QString("%1 %2 %3|%4").arg(edgeBar).arg(beamBar).arg(text(d, "EdgeExcl"), text(d, "BeamDia")), "bars");
        for (const char* name : {"Combo1", "EdgeExcl", "HScroll1"}) QCOMPARE(child(d, name)->isEnabled(), points < 2);
        const double whole = shown.chopped(units == "inches" ? 1 : 2).toDouble();
        QCOMPARE(p.WaferDiameter, whole);  // stored on opening, so even a Cancel keeps it
        click(d, "OKBtn");
        QCOMPARE(std::tuple(p.WaferDiameter, p.EdgeExclusion, p.BeamDiameter),
                 std::tuple(whole, float(edgeBar / 10.0), beamBar / 10.0));
        QCOMPARE(gridRefreshes, 0);  // no change of system: the main window refreshes the table
    }

    // Typing stores at once, picking not; OK refuses size 0 and a refused change of system keeps only the system.
    void setupOkRefusals()
    {
        p.ModelType = 16;
        int gridRefreshes = 0;
        SetupFrm d(p, platform, [&] { ++gridRefreshes; });
        d.show();
        QLineEdit* size = child<QComboBox>(d, "Combo1")->lineEdit();
        child<QComboBox>(d, "Combo1")->setCurrentIndex(0);
        QCOMPARE(p.WaferDiameter, 200.0);
        size->selectAll();
        QTest::keyClicks(size, "abc");
        QCOMPARE(p.WaferDiameter, 0.0);
        bar(d, "HScroll2")->triggerAction(QAbstractSlider::SliderPageStepSub);
        platform.answerMessage(MessageAnswer::Ok);
        click(d, "OKBtn");
        QCOMPARE(platform.boxes(), "Solvane|Exclamation|Ok|Please enter a wafer size greater than 0.");
        QCOMPARE(std::pair(d.isVisible(), p.BeamDiameter), std::pair(true, 8.0));
        click(d, "CancelBtn");
        QCOMPARE(p.WaferDiameter, 200.0);

        d.show();
        bar(d, "HScroll2")->triggerAction(QAbstractSlider::SliderPageStepSub);
        size->selectAll();
        QTest::keyClicks(size, "125 mm");
        QTest::mouseClick(child<QRadioButton>(d, "OptRectSys"), Qt::LeftButton);
        for (const bool confirmed : {false, true}) {
            platform.clear();
            platform.answerMessage(confirmed ? MessageAnswer::Ok : MessageAnswer::Cancel);
            click(d, "OKBtn");
            QCOMPARE(platform.boxes(),
                     "Change needed.|Critical|OkCancel|Coordinate system has changed.\r\nGrid will be updated.");
            QCOMPARE(std::pair(d.isVisible(), gridRefreshes), std::pair(!confirmed, confirmed ? 1 : 0));
            QCOMPARE(p.CoordSys, std::string(confirmed ? "Rectangular" : "Polar"));
            QCOMPARE(std::pair(p.PolarSys, p.RectSys), confirmed ? std::pair(False, True) : std::pair(True, False));
            QCOMPARE(std::pair(p.WaferDiameter, p.BeamDiameter), std::pair(125.0, 7.0));
        }
    }

    // Left and Down decrease a bar, Right and Up increase it (Left used to increase a horizontal bar). The close
    // box stores nothing, and the next showing starts from the stored counts. (More in tst_drawmenu.)
    void snapBars()
    {
        std::tie(p.DlgAngSteps, p.DlgRadSteps) = std::tuple(std::int16_t(4), std::int16_t(1));
        SnapForm d(p);
        d.show();
        QScrollBar* upper = bar(d, "HScroll1");
        for (const auto& [key, shown] :
             {std::pair(Qt::Key_Left, " 3"), std::pair(Qt::Key_Down, " 2"), std::pair(Qt::Key_Right, " 3"),
              std::pair(Qt::Key_Up, " 4"), std::pair(Qt::Key_Up, " 5")}) {
            QTest::keyClick(upper, key);
            QCOMPARE(text(d, "Ang"), QLatin1String(shown));
        }
        d.close();
        QCOMPARE(std::pair(d.result(), int(p.DlgAngSteps)), std::pair(int(QDialog::Rejected), 4));
        d.show();
        QCOMPARE(upper->value(), 4);
        d.reject();
    }

    // Disc 100..2200 twips, spot 625..1150: a click on the spot chooses its colour, on the disc the wafer's, on
    // the disc's rim nothing. The chooser starts from the stored colour; Cancel stores nothing; a spot like the
    // wafer is cautioned.
    void colourChoices()
    {
        ColorFrm d(p, platform);
        d.show();
        for (Colour answer : {Red, Cyan16, Cyan16, Cyan16}) platform.chooseColourAnswer(answer);
        d.Picture1_MouseDown(Qt::LeftButton, Qt::NoModifier, 100, 1150);
        d.Picture1_MouseDown(Qt::LeftButton, Qt::NoModifier, 887.5, 887.5);
        d.Picture1_MouseDown(Qt::RightButton, Qt::NoModifier, 887.5, 887.5);
        click(d, "CancelBtn");
        d.show();
        QCOMPARE(std::pair(p.SpotColor, d.newSpotColor()), std::pair(ButtonShadowColour, ButtonShadowColour));
        d.Picture1_MouseDown(Qt::LeftButton, Qt::NoModifier, 887.5, 887.5);
        d.Picture1_MouseDown(Qt::LeftButton, Qt::NoModifier, 1150, 1150);
        QCOMPARE(platform.colourPresets(),
                 std::vector<Colour>({ButtonShadowColour, ButtonShadowColour, ButtonShadowColour, ButtonFaceColour}));
        platform.answerMessage(MessageAnswer::Ok);
        click(d, "SaveBtn");
        QCOMPARE(platform.boxes(), "Caution|None|Ok|Wafer and Spot colors are the same. Spot color will be changed ");
        QCOMPARE(std::pair(p.WaferColor, p.SpotColor), std::pair(Cyan16, ButtonShadowColour));
    }

    // A bad box keeps the dialog open with the import's message. (OK and Cancel: tst_import.)
    void csvBadBoxKeepsTheDialogOpen()
    {
        frmCSVfields d(platform);
        d.show();
        for (QLineEdit* box : d.findChildren<QLineEdit*>()) box->setText(QStringLiteral("1"));
        child<QLineEdit>(d, "txtYrel")->setText(QStringLiteral("0"));
        platform.answerMessage(MessageAnswer::Ok);
        click(d, "CmdOK");
        QVERIFY(d.isVisible() && !d.columns());
        QCOMPARE(platform.boxes(),
                 "CSV File Information|Exclamation|Ok|The box \"Y rel:\" needs a column number: a whole "
                 "number from 1 to 32767.");
        d.reject();
    }

    // System Info has no tool to start here. The icon's pictures come from a static library's resources, which the
    // linker drops unless they are named.
    void aboutBox()
    {
        QCOMPARE(qAlpha(applicationIcon().pixmap(16, 16).toImage().pixel(8, 8)), 255);
        frmAbout d(p, platform);
        d.show();
        platform.answerMessage(MessageAnswer::Ok);
        click(d, "cmdSysInfo");
        QCOMPARE(platform.boxes(), "|None|Ok|System Information Is Unavailable At This Time");
        d.reject();
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
