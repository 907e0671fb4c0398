// The Setup menu of the main window: what the window refreshes after the parameters and colour
// dialogs close. The dialogs are answered synchronously through Form1::runDialog.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "dialogs/colorfrm.h"
#include "mainwindow/form1.h"
#include "offscreennoise.h"
#include "platform/colours.h"
#include "scriptedplatform.h"
#include "table/flexgrid.h"
#include "view/waferview.h"

using namespace solvane;

namespace {

constexpr Colour Scarlet = 0x000000FF;  // 0x00BBGGRR
constexpr Colour Green = 0x0000FF00;
const QRgb Junk = qRgb(255, 0, 255);

template <typename T>
T* child(QWidget& parent, const char* name)
{
    T* found = parent.findChild<T*>(QLatin1String(name));
    if (!found) qFatal("no control %s", name);
    return found;
}

void click(QWidget& dialog, const char* name)
{
    QTest::mouseClick(child<QAbstractButton>(dialog, name), Qt::LeftButton);
}

QAction* action(Form1& form, const char* name) { return form.findChild<QAction*>(QLatin1String(name)); }

// The drawing's pixel at a user position (mm).
QRgb pixelAt(Form1& form, double x, double y)
{
    const WaferSurface& surface = form.picture().surface();
    const QPointF p = surface.toPixels(x, y);
    return surface.image().pixel(static_cast<int>(p.x()), static_cast<int>(p.y()));
}

QRgb shown(Form1& form, Colour colour) { return toQColor(colour, form.palette()).rgb(); }

// Three points of a 150 mm wafer, the first straight down the drawing at 40 mm.
void addThreePoints(Profile& p)
{
    p.Points[1] = PointRec{40.0f, 90.0f, True, 0.0f, 40.0f};
    p.Points[2] = PointRec{20.0f, 0.0f, True, 20.0f, 0.0f};
    p.Points[3] = PointRec{30.0f, 180.0f, True, -30.0f, 0.0f};
    p.PointCount = 3;
}

}  // namespace

class TestSetupMenu : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenWarnings(); }

    void init()
    {
        helpDir_ = std::make_unique<QTemporaryDir>();
        QFile help(helpDir_->filePath(QStringLiteral("qdx5.hlp")));
        QVERIFY(help.open(QIODevice::WriteOnly));
        help.write("<html></html>");
        platform_ = std::make_unique<ScriptedPlatform>();
        platform_->setProgramDir(helpDir_->path());
        form_ = std::make_unique<Form1>(*platform_);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }

    void cleanup()
    {
        form_.reset();
        platform_.reset();
    }

    // However the dialog closes, a profile with points is drawn again and its table rebuilt.
    void parametersClosingRefreshesAProfileWithPoints_data()
    {
        QTest::addColumn<QString>("closeWith");
        QTest::newRow("OK") << QStringLiteral("OKBtn");
        QTest::newRow("Cancel") << QStringLiteral("CancelBtn");
        QTest::newRow("close box") << QString();
    }

    void parametersClosingRefreshesAProfileWithPoints()
    {
        QFETCH(QString, closeWith);
        Form1& form = *form_;
        Profile& p = form.profile();
        addThreePoints(p);
        form.updategrid();
        p.DataChanged = False;
        form.grid().setTextMatrix(2, 1, QStringLiteral("stale"));
        form.picture().surface().clear(QColor(Junk));

        int showings = 0;
        form.runDialog = [&](QDialog& dialog) {
            ++showings;
            dialog.show();
            if (closeWith.isEmpty()) dialog.close();
            else click(dialog, qPrintable(closeWith));
            return dialog.result();
        };
        action(form, "Setup_Size")->trigger();

        QCOMPARE(showings, 1);
        QCOMPARE(pixelAt(form, 10.0, 10.0), shown(form, p.WaferColor));
        // Left of and above the first spot's centre, clear of its number.
        QCOMPARE(pixelAt(form, -1.5, -38.5), shown(form, p.SpotColor));
        QCOMPARE(form.grid().TextMatrix(2, 1), QStringLiteral("20.00"));
        QCOMPARE(p.DataChanged, True);
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
    }

    void parametersClosingLeavesAnEmptyProfileUndrawn()
    {
        Form1& form = *form_;
        Profile& p = form.profile();
        form.picture().surface().clear(QColor(Junk));
        const std::size_t pointerChanges = platform_->pointerChanges().size();

        form.runDialog = [&](QDialog& dialog) {
            dialog.show();
            QLineEdit* size = child<QComboBox>(dialog, "Combo1")->lineEdit();
            size->selectAll();
            QTest::keyClicks(size, QStringLiteral("100mm"));
            click(dialog, "OKBtn");
            return dialog.result();
        };
        action(form, "Setup_Size")->trigger();

        QCOMPARE(p.WaferDiameter, 100.0);
        QCOMPARE(p.DataChanged, False);
        QCOMPARE(platform_->pointerChanges().size(), pointerChanges);
        QCOMPARE(pixelAt(form, 10.0, 10.0), Junk);
        // Nothing drawn, but the next drawing is in the new size: its right edge is at 50 mm.
        const WaferSurface& surface = form.picture().surface();
        QCOMPARE(surface.toPixels(50.0, -50.0), QPointF(surface.size().width(), surface.size().height()));
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
    }

    void coordinateSystemChangeRewritesTheTableAndTheSorts()
    {
        Form1& form = *form_;
        Profile& p = form.profile();
        addThreePoints(p);
        form.updategrid();

        const auto switchTo = [&](const char* option) {
            form.runDialog = [option](QDialog& dialog) {
                dialog.show();
                click(dialog, option);
                click(dialog, "OKBtn");
                return dialog.result();
            };
            platform_->answerMessage(MessageAnswer::Ok);
            action(form, "Setup_Size")->trigger();
        };

        switchTo("OptRectSys");
        QCOMPARE(p.CoordSys, std::string("Rectangular"));
        QCOMPARE(form.grid().TextMatrix(0, 1), QStringLiteral("X (mm)"));
        QCOMPARE(form.grid().TextMatrix(0, 2), QStringLiteral("Y (mm)"));
        QCOMPARE(form.grid().TextMatrix(1, 2), QStringLiteral("40.00"));
        QCOMPARE(form.grid().TextMatrix(3, 1), QStringLiteral("-30.00"));
        QVERIFY(!action(form, "Edit_SortA")->isEnabled());
        QVERIFY(!action(form, "Edit_SortR")->isEnabled());

        switchTo("OptPolarSys");
        QCOMPARE(form.grid().TextMatrix(0, 1), QStringLiteral("R(mm)"));
        QCOMPARE(form.grid().TextMatrix(1, 2), QStringLiteral("90.0"));
        QVERIFY(action(form, "Edit_SortA")->isEnabled());
        QVERIFY(action(form, "Edit_SortR")->isEnabled());
        QCOMPARE(platform_->messages().size(), std::size_t(2));
        QCOMPARE(platform_->messages().front().title, QStringLiteral("Change needed."));
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
    }

    void refusedCoordinateSystemChangeKeepsTheSorts()
    {
        Form1& form = *form_;
        form.runDialog = [](QDialog& dialog) {
            dialog.show();
            click(dialog, "OptRectSys");
            click(dialog, "OKBtn");  // refused below: the dialog stays open
            click(dialog, "CancelBtn");
            return dialog.result();
        };
        platform_->answerMessage(MessageAnswer::Cancel);
        action(form, "Setup_Size")->trigger();

        QCOMPARE(form.profile().PolarSys, True);
        QVERIFY(action(form, "Edit_SortA")->isEnabled());
        QCOMPARE(form.grid().TextMatrix(0, 1), QStringLiteral("R(mm)"));
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
    }

    // Reset stores the defaults at once, so the drawing after a Cancel shows them.
    void colourCancelAfterResetRedrawsInTheDefaults()
    {
        Form1& form = *form_;
        Profile& p = form.profile();
        p.WaferColor = Scarlet;
        form.drawwafer();
        QCOMPARE(pixelAt(form, 10.0, 10.0), shown(form, Scarlet));

        form.runDialog = [](QDialog& dialog) {
            dialog.show();
            click(dialog, "ResetBtn");
            click(dialog, "CancelBtn");
            return dialog.result();
        };
        action(form, "Setup_Color")->trigger();

        QCOMPARE(p.WaferColor, p.DefWaferColor);
        QCOMPARE(pixelAt(form, 10.0, 10.0), shown(form, p.DefWaferColor));
        QVERIFY(shown(form, p.DefWaferColor) != shown(form, Scarlet));
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
    }

    void colourChosenForTheWaferIsDrawnWithTheSpots()
    {
        Form1& form = *form_;
        Profile& p = form.profile();
        addThreePoints(p);
        form.picture().surface().clear(QColor(Junk));
        platform_->chooseColourAnswer(Green);

        form.runDialog = [](QDialog& dialog) {
            dialog.show();
            // On the disc, below the spot: twips (1150, 1800) of the preview.
            QWidget* preview = child<QWidget>(dialog, "Picture1");
            const QPoint at(qRound(twipsToPixels(1150.0, preview->logicalDpiX())),
                            qRound(twipsToPixels(1800.0, preview->logicalDpiY())));
            QTest::mouseClick(preview, Qt::LeftButton, {}, at);
            click(dialog, "SaveBtn");
            return dialog.result();
        };
        action(form, "Setup_Color")->trigger();

        QCOMPARE(p.WaferColor, Green);
        QCOMPARE(pixelAt(form, 10.0, 10.0), shown(form, Green));
        QCOMPARE(pixelAt(form, -1.5, -38.5), shown(form, p.SpotColor));
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
    }

private:
    std::unique_ptr<QTemporaryDir> helpDir_;
    std::unique_ptr<ScriptedPlatform> platform_;
    std::unique_ptr<Form1> form_;
};

QTEST_MAIN(TestSetupMenu)
#include "tst_setupmenu.moc"
