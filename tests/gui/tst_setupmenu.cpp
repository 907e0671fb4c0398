// The Setup menu's wiring: what the main window redraws and refreshes as its dialogs (tst_dialogs) close.
#include <QtTest>
#include <QtWidgets>

#include "formharness.h"
#include "offscreennoise.h"
#include "platform/colours.h"
#include "table/flexgrid.h"
#include "view/waferview.h"

using namespace solvane;

namespace {
const QRgb Junk = qRgb(255, 0, 255);
void click(QWidget& dialog, const char* name)
{
    QTest::mouseClick(dialog.findChild<QAbstractButton*>(QLatin1String(name)), Qt::LeftButton);
}
}  // namespace

class TestSetupMenu : public QObject {
    Q_OBJECT
    std::unique_ptr<FormHarness> h;
    QRgb shown(Colour colour) const { return toQColor(colour, h->form().palette()).rgb(); }
    QRgb at(double X, double Y) const { return h->pixelNear(X, Y).rgb(); }
    void run(const char* command, const std::function<void(QDialog&)>& answer)
    {
        h->form().runDialog = [answer](QDialog& dialog) {
            dialog.show();
            answer(dialog);
            return dialog.result();
        };
        h->action(command)->trigger();
    }

private slots:
    void initTestCase() { quietOffscreenWarnings(); }
    void init() { h = std::make_unique<FormHarness>(); }
    void cleanup() { SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(h->platform); }

    // However Parameters closes, a profile with points is drawn again and its table rebuilt, in the
    // rectangular system after a confirmed change, which also greys the polar sorts.
    void parametersClosingRefreshesAProfileWithPoints_data()
    {
        QTest::addColumn<QString>("closeWith");
        QTest::addColumn<QString>("rows");
        QTest::newRow("OK") << "OKBtn"
                            << "|R(mm)|Theta 2|20.00|0.0 3|30.00|180.0";
        QTest::newRow("Cancel") << "CancelBtn"
                                << "|R(mm)|Theta 2|20.00|0.0 3|30.00|180.0";
        QTest::newRow("close box") << ""
                                   << "|R(mm)|Theta 2|20.00|0.0 3|30.00|180.0";
        QTest::newRow("OK to rectangular") << "OptRectSys"
                                           << "|X (mm)|Y (mm) 2|20.00|0.00 3|-30.00|0.00";
    }
    void parametersClosingRefreshesAProfileWithPoints()
    {
        QFETCH(QString, closeWith);
        h->setPolarPoints({{40, 90}, {20, 0}, {30, 180}});
        h->form().grid().setTextMatrix(2, 1, QStringLiteral("stale"));
        h->form().picture().surface().clear(QColor(Junk));
        const bool toRect = closeWith == QLatin1String("OptRectSys");
        if (toRect) h->platform.answerMessage(MessageAnswer::Ok);
        run("Setup_Size", [&](QDialog& d) {
            if (closeWith.isEmpty())
                d.close();
            else
                click(d, qPrintable(closeWith));
            if (toRect) click(d, "OKBtn");
        });
        QCOMPARE(std::pair(at(10, 10), at(0, 40)), std::pair(shown(ButtonFaceColour), shown(ButtonShadowColour)));
        QTEST(h->row(0) + ' ' + h->row(2) + ' ' + h->row(3), "rows");
        QCOMPARE(std::pair(h->action("Edit_SortA")->isEnabled(), h->action("Edit_SortR")->isEnabled()),
                 std::pair(!toRect, !toRect));
        QCOMPARE(h->profile().DataChanged, True);
    }

    // With no points nothing is drawn and nothing changes, but the next drawing is in the new size.
    void parametersClosingLeavesAnEmptyProfileUndrawn()
    {
        h->form().picture().surface().clear(QColor(Junk));
        const std::size_t pointerChanges = h->platform.pointerChanges().size();
        run("Setup_Size", [](QDialog& d) {
            QLineEdit* size = d.findChild<QComboBox*>(QStringLiteral("Combo1"))->lineEdit();
            size->selectAll();
            QTest::keyClicks(size, QStringLiteral("100mm"));
            click(d, "OKBtn");
        });
        QCOMPARE(std::pair(h->profile().WaferDiameter, h->profile().DataChanged), std::pair(100.0, False));
        QCOMPARE(h->platform.pointerChanges().size(), pointerChanges);
        QCOMPARE(at(10, 10), Junk);
        const WaferSurface& surface = h->form().picture().surface();
        QCOMPARE(surface.toPixels(50.0, -50.0), QPointF(surface.size().width(), surface.size().height()));
    }

    // Reset then Cancel redraws in the defaults; a click on the preview's disc (twips 1150, 1800) picks the
    // wafer colour, and OK draws it under the spots.
    void colourDialogClosingRedraws()
    {
        h->setPolarPoints({{40, 90}});
        h->profile().WaferColor = Red;
        h->form().drawwafer();
        run("Setup_Color", [](QDialog& d) {
            click(d, "ResetBtn");
            click(d, "CancelBtn");
        });
        QCOMPARE(at(10, 10), shown(h->profile().DefWaferColor));
        QVERIFY(shown(h->profile().DefWaferColor) != shown(Red));
        h->platform.chooseColourAnswer(0x0000FF00);
        run("Setup_Color", [](QDialog& d) {
            QWidget* preview = d.findChild<QWidget*>(QStringLiteral("Picture1"));
            const QPoint disc(qRound(twipsToPixels(1150.0, preview->logicalDpiX())),
                              qRound(twipsToPixels(1800.0, preview->logicalDpiY())));
            QTest::mouseClick(preview, Qt::LeftButton, {}, disc);
            click(d, "SaveBtn");
        });
        QCOMPARE(std::pair(at(10, 10), at(0, 40)), std::pair(qRgb(0, 255, 0), shown(h->profile().SpotColor)));
    }
};

QTEST_MAIN(TestSetupMenu)
#include "tst_setupmenu.moc"
