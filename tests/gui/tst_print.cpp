// The point report as laid out on pages, and the Print command with a PDF file as the printer.
#include <QtTest>

#include "formharness.h"
#include "render/reportprinter.h"

using namespace solvane;

namespace {

// The laid-out texts as lines (texts joined by '|'), each with its first text's place.
std::vector<std::pair<ReportPrinter::PlacedText, QString>> lines(const std::vector<ReportPrinter::PlacedText>& placed)
{
    std::vector<std::pair<ReportPrinter::PlacedText, QString>> result;
    for (const auto& t : placed)
        if (!result.empty() && result.back().first.page == t.page && result.back().first.at.y() == t.at.y())
            result.back().second += '|' + t.text;
        else
            result.push_back({t, t.text});
    return result;
}

Profile withPoints(int count)
{
    Profile p;
    p.PolarSys = False;
    p.Points[1] = PointRec{12.5f, 90.0f, True, 0.0f, -3.0f};
    p.Points[2] = PointRec{0.5f, 359.955f, True, -123.456f, 0.004f};
    p.Points[3] = PointRec{0.0f, 0.0f, True, -123456789.0f, 0.0f};  // too wide for its room
    for (int i = 4; i <= count; ++i) p.Points[std::size_t(i)] = PointRec{float(i % 70), float(i * 7 % 360), True, 1, 2};
    p.PointCount = std::int16_t(count);
    return p;
}

}  // namespace

class TestPrint : public QObject {
    Q_OBJECT
    const QFontMetricsF metrics_{ReportPrinter::defaultFont()};
    QTemporaryDir dir_;
    std::vector<ReportPrinter::PlacedText> layout(const Profile& p, const QRectF& page) const
    {
        return ReportPrinter(reportLines(p, "", "Edge scan, lot 7", '.')).layout(metrics_, page).texts;
    }

private slots:
    // A text ends under its title, or a blank after a too wide one. (The titles of each system, the values' digits
    // and decimal separator: tst_report.)
    void reportLayout()
    {
        const QRectF page(100, 50, 2000, 3000);
        const auto placed = layout(withPoints(3), page);
        QStringList texts;
        for (const auto& line : lines(placed)) texts << line.second;
        QCOMPARE(texts, QStringList({"Filename: ", "File Description: Edge scan, lot 7", " ",
                                     "point no.       X (mm)        Y (mm)", "1|0.00|-3.00", "2|-123.46|0.00",
                                     "3|-123456800.00|0.00", "Page 1 of 1"}));
        const QString header = texts[3];
        const double ends[] = {metrics_.horizontalAdvance(QStringLiteral("point no.")),
                               metrics_.horizontalAdvance(header.left(header.indexOf(')') + 1)),
                               metrics_.horizontalAdvance(header)};
        for (std::size_t i = 4; i < placed.size() - 1; ++i) {
            const auto& t = placed[i];
            if (t.text.size() > 12)
                QCOMPARE(t.at.x(), placed[i - 1].at.x() + metrics_.horizontalAdvance(placed[i - 1].text + ' '));
            else
                QCOMPARE(t.at.x() - page.left() + metrics_.horizontalAdvance(t.text), ends[(i - 4) % 3]);
        }
    }

    // The longest description the box takes goes on over lines within the page, nothing lost.
    void longDescriptionWrapsWithinThePage()
    {
        const std::string description = std::string(400, 'w') + std::string(120, ' ') + std::string(480, 'x');
        const QRectF page(100, 50, 2000, 3000);
        const auto placed =
            ReportPrinter(reportLines(withPoints(0), "", description, '.')).layout(metrics_, page).texts;
        QString joined;
        for (std::size_t i = 0; i + 3 < placed.size(); ++i) {  // up to the blank, column header and footer
            QVERIFY(metrics_.horizontalAdvance(placed[i].text) <= page.width());
            if (i > 0) joined += placed[i].text;
        }
        QCOMPARE(joined, "File Description: " + QString::fromStdString(description));
    }

    // A long report fills every page but the last, from its top, each later one under the column header again,
    // and ends every page with its number; the point lines run on in order.
    void pagesRepeatTheColumnHeaderAndEndWithTheirNumber()
    {
        const auto all = lines(layout(withPoints(MaxPoints), QRectF(0, 0, 2100, 3000)));
        const double top = all[0].first.at.y(), lineHeight = all[1].first.at.y() - top;
        const int body = int(3000 / lineHeight) - 2;  // a blank and the footer close every page
        const int pages = all.back().first.page;
        QCOMPARE(pages, 1 + (MaxPoints - (body - 4) + body - 2) / (body - 1));
        int point = 0;
        for (int page = 1; page <= pages; ++page) {
            QStringList shown;
            for (const auto& [text, line] : all)
                if (text.page == page) shown << line.section('|', 0, 0);
            QCOMPARE(shown.front(), page == 1 ? "Filename: " : "point no.       X (mm)        Y (mm)");
            QCOMPARE(shown.back(), QStringLiteral("Page %1 of %2").arg(page).arg(pages));
            for (int i = page == 1 ? 4 : 1; i < int(shown.size()) - 1; ++i)
                QCOMPARE(shown[i], QString::number(++point));
            if (page < pages) QCOMPARE(int(shown.size()) - 1, body);
        }
        QCOMPARE(point, int(MaxPoints));
    }

    // Printed to a PDF file: one page for an empty profile, several for 2000 points, the pointer busy meanwhile;
    // a cancelled printer dialog prints and shows nothing. A PDF file that cannot be created or written (a full
    // disk) is the printer failing: the fixed message, nothing else.
    void printsToAPdfFile_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("pdf");    // in the test folder, or a device
        QTest::addColumn<bool>("ok");        // the printer dialog's answer
        QTest::addColumn<QString>("shown");  // the pages written, or the message shown
        const QString error = QStringLiteral(
            "Printer Error|Exclamation|Ok|An error has occured at the printer, but no other information was "
            "returned to the computer that sent the file.\r\n\r\nYou must physically examine the printer. Make "
            "sure all connections between\r\ncomputer and printer are solid. Most printers provide a display for "
            "error information\r\nsuch as \"Out of Paper\",\"Offline\" and so on.");
        QTest::newRow("empty profile") << 0 << "empty.pdf" << true << "one page";
        QTest::newRow("2000 points") << int(MaxPoints) << "full.pdf" << true << "pages";
        QTest::newRow("cancelled") << 3 << "none.pdf" << false << "";
        QTest::newRow("no such folder") << 3 << "no such folder/report.pdf" << true << error;
        QTest::newRow("full disk") << 3 << "/dev/full" << true << error;
    }
    void printsToAPdfFile()
    {
        QFETCH(int, points);
        QFETCH(QString, pdf);
        QFETCH(bool, ok);
        QFETCH(QString, shown);
        const bool fails = shown.startsWith(QLatin1String("Printer"));
        FormHarness h(QSize(), false);
        h.platform.printTo(QDir(dir_.path()).filePath(pdf));
        h.profile() = withPoints(points);
        h.platform.clear();
        h.platform.answerPrinterDialog(ok);
        if (fails) h.platform.answerMessage(MessageAnswer::Ok);
        h.form().printing().File_PrintData_Click();
        QFile file(QDir(dir_.path()).filePath(pdf));
        static const QRegularExpression count(QStringLiteral("/Type\\s*/Pages\\b[^>]*/Count\\s+(\\d+)"));
        const int pages = !fails && file.open(QIODevice::ReadOnly)  // /dev/full would read on for ever
                              ? count.match(QString::fromLatin1(file.readAll())).captured(1).toInt()
                              : 0;
        QCOMPARE(fails ? h.boxes() : pages > 1 ? "pages" : pages == 1 ? "one page" : "", shown);
        QCOMPARE(std::tuple(h.platform.doEventsCount(), h.platform.pointerChanges()),
                 std::tuple(ok && !fails ? 1 : 0,
                            ok ? std::vector<Pointer>{Pointer::Busy, Pointer::Default} : std::vector<Pointer>{}));
    }
};

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
