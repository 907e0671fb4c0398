// The Setup menu's wiring: what the main window redraws and refreshes as its dialogs (tst_dialogs) close.
#include <QtTest>
#include <QtWidgets>

#include "formharness.h"
#include "platform/twips.h"
#include "render/colours.h"
#include "table/flexgrid.h"
#include "view/waferview.h"

using namespace solvane;

class TestSetupMenu : public QObject {
    Q_OBJECT
    std::unique_ptr<FormHarness> h;
    QRgb shown(Colour colour) const { return toQColor(colour, h->form().palette()).rgb(); }
    QRgb at(double X, double Y) const { return h->pixelNear(X, Y).rgb(); }
    void run(const char* command, const std::function<void(QDialog&)>& answer)
    {
        h->form().picture().surface().clear(QColor(Qt::magenta));
        h->answerDialogs(answer);
        h->action(command)->trigger();
    }

private slots:
    void init() { (h = std::make_unique<FormHarness>())->setPolarPoints({{40, 90}, {20, 0}, {30, 180}}); }
    void cleanup() { h.reset(); }

    // However Parameters closes, points are redrawn and the table rebuilt, in the rectangular system after a
    // confirmed change, which also greys the polar sorts. With no points nothing is drawn, but a new size is still a
    // change to save.
    void parametersClosing_data()
    {
        QTest::addColumn<QString>("closeWith");
        for (const char* button : {"OKBtn", "CancelBtn", "OptRectSys"}) QTest::newRow(button) << QString(button);
    }
    void parametersClosing()
    {
        QFETCH(QString, closeWith);
        h->form().grid().setTextMatrix(2, 1, QStringLiteral("stale"));  // the table is rebuilt
        const bool toRect = closeWith == QLatin1String("OptRectSys");
        if (toRect) h->platform.answerMessage(MessageAnswer::Ok);
        run("Setup_Size", [&](QDialog& d) {
            click(d, qPrintable(closeWith));
            if (toRect) click(d, "OKBtn");
        });
        QCOMPARE(std::pair(at(10, 10), at(0, 40)), std::pair(shown(ButtonFaceColour), shown(ButtonShadowColour)));
        QCOMPARE(h->row(0) + ' ' + h->row(2) + ' ' + h->row(3),
                 toRect ? "|X (mm)|Y (mm) 2|20.00|0.00 3|-30.00|0.00" : "|R(mm)|Theta 2|20.00|0.0 3|30.00|180.0");
        QCOMPARE(std::tuple(h->action("Edit_SortA")->isEnabled(), h->action("Edit_SortR")->isEnabled(),
                            h->profile().DataChanged),
                 std::tuple(!toRect, !toRect, True));

        h->setPolarPoints({});  // the next drawing is in the new size
        run("Setup_Size", [](QDialog& d) {
            auto* combo = d.findChild<QComboBox*>(QStringLiteral("Combo1"));
            combo->setCurrentIndex(combo->findText(QStringLiteral("100mm")));
            click(d, "OKBtn");
        });
        QCOMPARE(std::tuple(h->profile().WaferDiameter, h->profile().DataChanged, at(10, 10)),
                 std::tuple(100.0, True, qRgb(255, 0, 255)));
        const WaferSurface& surface = h->form().picture().surface();
        QCOMPARE(surface.toPixels(50.0, -50.0), QPointF(surface.size().width(), surface.size().height()));
    }

    // Reset then Cancel redraws the spots in the defaults; a click on the preview's disc (twips) picks the wafer
    // colour.
    void colourDialogClosingRedraws()
    {
        h->profile().WaferColor = Red;
        run("Setup_Color", [](QDialog& d) { click(d, "ResetBtn"), click(d, "CancelBtn"); });
        QCOMPARE(std::tuple(at(10, 10), h->profile().DefWaferColor != Red, h->profile().DataChanged),
                 std::tuple(shown(h->profile().DefWaferColor), true, True));
        h->platform.chooseColourAnswer(0x0000FF00);
        run("Setup_Color", [](QDialog& d) {
            QWidget* preview = d.findChild<QWidget*>(QStringLiteral("Picture1"));
            const auto pixels = [&](double twips) { return qRound(twipsToPixels(twips, preview->logicalDpiX())); };
            QTest::mouseClick(preview, Qt::LeftButton, {}, QPoint(pixels(1150), pixels(1800)));
            click(d, "SaveBtn");
        });
        QCOMPARE(std::pair(at(10, 10), at(0, 40)), std::pair(qRgb(0, 255, 0), shown(h->profile().SpotColor)));
    }
};

QTEST_MAIN(TestSetupMenu)
#include "tst_setupmenu.moc"
