// The Draw menu on the real main window: the fixed patterns, the polar and XY grids through the grid
// steps dialog, the snap grid set-up and the Snap toggle.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <optional>

#include "mainwindow/form1.h"
#include "offscreennoise.h"
#include "scriptedplatform.h"
#include "table/flexgrid.h"
#include "view/waferdrawing.h"
#include "view/waferview.h"

using namespace solvane;

namespace {

constexpr Colour Blue = 0x00FF0000;  // 0x00BBGGRR
constexpr Colour Green = 0x0000FF00;

template <typename T>
T* child(QWidget& parent, const char* name)
{
    T* found = parent.findChild<T*>(QLatin1String(name));
    if (!found) qFatal("no control %s", name);
    return found;
}

// What the grid steps dialog showed when it opened.
struct Shown {
    QString title;
    QString upperCaption;
    QString lowerCaption;
    QString upperReadOut;
    QString lowerReadOut;
};

// How the user answers the grid steps dialog: the counts to choose and OK, or Cancel after moving
// both bars (so that a Cancel that leaked the bars would show).
struct GridStepsAnswer {
    std::optional<std::pair<int, int>> chosen;  // upper, lower; none = Cancel
};

}  // namespace

Q_DECLARE_METATYPE(GridStepsAnswer)

class TestDrawMenu : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> helpDir_;
    std::unique_ptr<ScriptedPlatform> platform_;
    std::unique_ptr<Form1> form_;
    std::vector<Shown> shown_;

    Profile& profile() { return form_->profile(); }
    FlexGrid& grid() { return form_->grid(); }
    void trigger(const char* name) { child<QAction>(*form_, name)->trigger(); }

    void answerGridSteps(GridStepsAnswer answer)
    {
        form_->runDialog = [this, answer](QDialog& dialog) {
            dialog.show();
            shown_.push_back({dialog.windowTitle(), child<QLabel>(dialog, "Label1")->text(),
                              child<QLabel>(dialog, "Label2")->text(), child<QLabel>(dialog, "Ang")->text(),
                              child<QLabel>(dialog, "Rad")->text()});
            auto* upper = child<QScrollBar>(dialog, "HScroll1");
            auto* lower = child<QScrollBar>(dialog, "HScroll2");
            if (answer.chosen) {
                upper->setValue(answer.chosen->first);
                lower->setValue(answer.chosen->second);
                QTest::mouseClick(child<QPushButton>(dialog, "OKBtn"), Qt::LeftButton);
            } else {
                upper->triggerAction(QAbstractSlider::SliderPageStepAdd);
                lower->triggerAction(QAbstractSlider::SliderPageStepAdd);
                QTest::mouseClick(child<QPushButton>(dialog, "CancelBtn"), Qt::LeftButton);
            }
            return dialog.result();
        };
    }

    // Colour of the drawing at a view position (mm).
    QColor pixel(double x, double y)
    {
        const WaferSurface& surface = form_->picture().surface();
        const QPointF p = surface.toPixels(x, y);
        return surface.image().pixelColor(static_cast<int>(p.x()), static_cast<int>(p.y()));
    }
    QColor colour(Colour value) { return WaferDrawing(form_->picture().surface(), profile(), form_->palette()).colour(value); }

    // A table row as "number|value|value".
    QString row(int r) const
    {
        return form_->grid().TextMatrix(r, 0) + QLatin1Char('|') + form_->grid().TextMatrix(r, 1) + QLatin1Char('|') +
               form_->grid().TextMatrix(r, 2);
    }

private slots:
    void initTestCase() { quietOffscreenWarnings(); }

    void init()
    {
        helpDir_ = std::make_unique<QTemporaryDir>();
        QFile help(helpDir_->filePath(QStringLiteral("qdx5.hlp")));
        QVERIFY(help.open(QIODevice::WriteOnly));
        help.write("<html></html>");
        help.close();
        platform_ = std::make_unique<ScriptedPlatform>();
        platform_->setProgramDir(helpDir_->path());
        form_ = std::make_unique<Form1>(*platform_);
        form_->resize(1100, 800);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        profile().WaferDiameter = 200;
        profile().EdgeExclusion = 5;
        profile().BeamDiameter = 8;
        profile().WaferColor = Blue;
        profile().SpotColor = Green;
        form_->redrawall();
        shown_.clear();
    }

    void cleanup()
    {
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
        form_.reset();
        platform_.reset();
    }

    void fixedPatterns_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("rings");
        QTest::addColumn<int>("perRing");
        QTest::addColumn<QString>("secondRow");
        QTest::addColumn<QString>("lastRow");
        QTest::newRow("5 point") << "Draw_Five" << 5 << 1 << 4 << "2|91.00|90.0" << "5|91.00|360.0";
        QTest::newRow("9 point") << "Draw_Nine" << 9 << 2 << 4 << "2|45.50|90.0" << "9|91.00|360.0";
        QTest::newRow("17 point") << "Draw_Seventeen" << 17 << 2 << 8 << "2|45.50|45.0" << "17|91.00|360.0";
    }

    // Each fixed pattern replaces a longer list entirely: the store is reset before it generates.
    void fixedPatterns()
    {
        QFETCH(QString, item);
        QFETCH(int, points);
        QFETCH(int, rings);
        QFETCH(int, perRing);
        QFETCH(QString, secondRow);
        QFETCH(QString, lastRow);

        profile().PointCount = 20;
        profile().TableRows = 20;
        profile().Points[20] = PointRec{10.0f, 45.0f, True, 7.0f, 7.0f};
        profile().DataChanged = False;

        trigger(item.toLatin1().constData());

        const Profile& p = profile();
        QCOMPARE(int(p.PointCount), points);
        QCOMPARE(int(p.TableRows), points);
        QCOMPARE(int(p.GridRadSteps), rings);
        QCOMPARE(int(p.GridAngSteps), perRing);
        QCOMPARE(p.Points[20].R, 0.0f);
        QCOMPARE(p.Points[20].Flag, False);
        QCOMPARE(p.Points[points].X, 91.0f);
        QCOMPARE(p.DataChanged, True);

        QCOMPARE(grid().Rows(), points + 2);
        QCOMPARE(row(1), QStringLiteral("1|0.00|0.0"));
        QCOMPARE(row(2), secondRow);
        QCOMPARE(row(points), lastRow);
        QCOMPARE(row(points + 1), QString::number(points + 1) + QStringLiteral("||"));
        QCOMPARE(grid().Row(), 0);
        QCOMPARE(grid().Col(), 0);

        // The last point (91, 0) is drawn at (-91, 0); the wafer between the rings stays bare.
        QCOMPARE(pixel(-92.5, 1.5), colour(Green));
        QCOMPARE(pixel(-70, 30), colour(Blue));
        QVERIFY(std::find(platform_->pointerChanges().begin(), platform_->pointerChanges().end(), Pointer::Busy) !=
                platform_->pointerChanges().end());
        QCOMPARE(platform_->pointer(), Pointer::Default);
        QVERIFY(shown_.empty());
    }

    void polarCoords_data()
    {
        QTest::addColumn<GridStepsAnswer>("answer");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("perRing");
        QTest::addColumn<int>("rings");
        QTest::newRow("cancel builds with the opening counts") << GridStepsAnswer{} << 17 << 8 << 2;
        QTest::newRow("ok 3 x 2") << GridStepsAnswer{std::make_pair(3, 2)} << 7 << 3 << 2;
        QTest::newRow("ok 30 x 30") << GridStepsAnswer{std::make_pair(30, 30)} << 901 << 30 << 30;
    }

    // The dialog opens on the counts the 17 point pattern left (8 per ring, 2 rings).
    void polarCoords()
    {
        QFETCH(GridStepsAnswer, answer);
        QFETCH(int, points);
        QFETCH(int, perRing);
        QFETCH(int, rings);

        trigger("Draw_Seventeen");
        profile().DataChanged = False;
        answerGridSteps(answer);
        trigger("Draw_Polar");

        QCOMPARE(shown_.size(), std::size_t(1));
        QCOMPARE(shown_[0].title, QStringLiteral("Polar"));
        QCOMPARE(shown_[0].upperCaption, QStringLiteral("No. of Angle Steps"));
        QCOMPARE(shown_[0].lowerCaption, QStringLiteral("No. of Radius Steps"));
        QCOMPARE(shown_[0].upperReadOut, QStringLiteral(" 8"));
        QCOMPARE(shown_[0].lowerReadOut, QStringLiteral(" 2"));

        const Profile& p = profile();
        QCOMPARE(int(p.GridAngSteps), perRing);
        QCOMPARE(int(p.GridRadSteps), rings);
        QCOMPARE(int(p.PointCount), points);
        QCOMPARE(int(p.TableRows), points);
        QCOMPARE(p.Points[1].R, 0.0f);
        QCOMPARE(p.Points[points].R, 91.0f);
        QCOMPARE(p.DataChanged, True);
        QCOMPARE(grid().Rows(), points + 2);
        QCOMPARE(row(points), QString::number(points) + QStringLiteral("|91.00|360.0"));
    }

    void xyCoords_data()
    {
        QTest::addColumn<bool>("afterSeventeen");
        QTest::addColumn<GridStepsAnswer>("answer");
        QTest::addColumn<QString>("opening");  // read-outs the dialog opened with
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("gridRows");
        // The 17 point pattern leaves TableRows at 17: the table keeps 19 rows, blank below the points.
        QTest::newRow("2 x 2 after 17 points")
            << true << GridStepsAnswer{std::make_pair(2, 2)} << " 8| 2"
            << QStringList{"1|-91.00|0.00", "2|0.00|-91.00", "3|0.00|0.00", "4|0.00|91.00", "5|91.00|0.00"} << 19;
        // Start-up counts, cancelled: 4 X steps, 1 Y step keep only the two nodes on the Y axis.
        QTest::newRow("start-up counts, cancel")
            << false << GridStepsAnswer{} << " 4| 1" << QStringList{"1|0.00|-91.00", "2|0.00|91.00"} << 4;
    }

    void xyCoords()
    {
        QFETCH(bool, afterSeventeen);
        QFETCH(GridStepsAnswer, answer);
        QFETCH(QString, opening);
        QFETCH(QStringList, rows);
        QFETCH(int, gridRows);

        // Rows in the rectangular system show the generated X and Y as they are stored.
        profile().PolarSys = False;
        profile().RectSys = True;
        if (afterSeventeen) trigger("Draw_Seventeen");
        answerGridSteps(answer);
        trigger("Draw_XY");

        QCOMPARE(shown_.size(), std::size_t(1));
        QCOMPARE(shown_[0].title, QStringLiteral("X Y"));
        QCOMPARE(shown_[0].upperCaption, QStringLiteral("No. of X Steps"));
        QCOMPARE(shown_[0].lowerCaption, QStringLiteral("No. of Y Steps"));
        QCOMPARE(shown_[0].upperReadOut + QLatin1Char('|') + shown_[0].lowerReadOut, opening);

        const Profile& p = profile();
        QCOMPARE(int(p.PointCount), rows.size());
        for (int i = 0; i < rows.size(); ++i) QCOMPARE(row(i + 1), rows[i]);
        QCOMPARE(grid().Rows(), gridRows);
        if (afterSeventeen) {
            QCOMPARE(p.Points[5].Theta, 360.0f);
            QCOMPARE(int(p.TableRows), 17);
            QCOMPARE(row(6), QStringLiteral("6||"));
            QCOMPARE(row(18), QStringLiteral("18||"));
        }
    }

    // Cancel still turns snapping on, with the counts it had, and the dots come out cyan.
    void snapToGridCancelTurnsSnappingOnInCyan()
    {
        trigger("Draw_Five");  // spot 1 lies on the centre node
        answerGridSteps(GridStepsAnswer{});
        trigger("Draw_Grid");

        QCOMPARE(shown_.size(), std::size_t(1));
        QCOMPARE(shown_[0].title, QStringLiteral("Snap to Grid"));
        QCOMPARE(shown_[0].upperCaption, QStringLiteral("No. of Angle Steps"));
        QCOMPARE(shown_[0].lowerCaption, QStringLiteral("No. of Radius Steps"));
        QCOMPARE(shown_[0].upperReadOut, QStringLiteral(" 4"));
        QCOMPARE(shown_[0].lowerReadOut, QStringLiteral(" 1"));

        const Profile& p = profile();
        QCOMPARE(p.SnapOn, True);
        QVERIFY(child<QAction>(*form_, "Draw_Snap")->isChecked());
        QCOMPARE(p.GridColor, Cyan16);
        QCOMPARE(int(p.SnapAngSteps), 4);
        QCOMPARE(int(p.SnapRadSteps), 1);
        // The grid settings leave the points alone.
        QCOMPARE(int(p.PointCount), 5);

        const QColor cyan(0, 128, 128);
        // Dots at 91 mm on the drawing's 180, 270, 0 and 90 degrees ...
        QCOMPARE(pixel(-91, 0), cyan);
        QCOMPARE(pixel(0, 91), cyan);
        // ... and the one at the centre drawn over spot 1 (a full redraw would put it underneath).
        QCOMPARE(pixel(-0.3, 0.3), cyan);
        form_->redrawall();
        QCOMPARE(pixel(-0.3, 0.3), colour(Green));
    }

    void snapToGridOkTakesTheChosenCounts()
    {
        answerGridSteps(GridStepsAnswer{std::make_pair(6, 3)});
        trigger("Draw_Grid");
        QCOMPARE(int(profile().SnapAngSteps), 6);
        QCOMPARE(int(profile().SnapRadSteps), 3);
        QCOMPARE(int(profile().GridAngSteps), 4);  // the pattern counts are another pair
        QCOMPARE(profile().SnapOn, True);

        // The next showing opens on the chosen counts.
        answerGridSteps(GridStepsAnswer{});
        trigger("Draw_Grid");
        QCOMPARE(shown_.back().upperReadOut, QStringLiteral(" 6"));
        QCOMPARE(shown_.back().lowerReadOut, QStringLiteral(" 3"));
    }

    // Used before any grid set-up, the toggle shows the start-up grid in the start-up (black) colour.
    void snapToggleFollowsSnapOn()
    {
        QAction* snap = child<QAction>(*form_, "Draw_Snap");
        const QColor black(0, 0, 0);

        trigger("Draw_Snap");
        QCOMPARE(profile().SnapOn, True);
        QVERIFY(snap->isChecked());
        QCOMPARE(profile().GridColor, Black);
        QCOMPARE(pixel(0, -91), black);

        trigger("Draw_Snap");
        QCOMPARE(profile().SnapOn, False);
        QVERIFY(!snap->isChecked());
        QCOMPARE(pixel(0, -91), colour(Blue));

        // After the grid set-up the toggle turns the cyan grid off, then on again without asking.
        answerGridSteps(GridStepsAnswer{});
        trigger("Draw_Grid");
        trigger("Draw_Snap");
        QCOMPARE(profile().SnapOn, False);
        QVERIFY(!snap->isChecked());
        trigger("Draw_Snap");
        QCOMPARE(profile().SnapOn, True);
        QVERIFY(snap->isChecked());
        QCOMPARE(pixel(0, -91), QColor(0, 128, 128));
        QCOMPARE(shown_.size(), std::size_t(1));
    }
};

QTEST_MAIN(TestDrawMenu)
#include "tst_drawmenu.moc"
