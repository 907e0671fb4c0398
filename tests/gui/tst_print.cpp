// The Print command: the report's lines as painted on the printer, page breaks, a PDF file as the
// printer, a cancelled printer dialog and a printer that fails.
//
// The lines are read back from a recording print engine, which the scripted printer dialog puts into
// the command's QPrinter, so no PDF reader is needed; a second run prints to a real PDF file.
#include <QFile>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QLocale>
#include <QPaintEngine>
#include <QPrintEngine>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <memory>

#include "mainwindow/form1.h"
#include "offscreennoise.h"
#include "print/reportprinter.h"
#include "scriptedplatform.h"

using namespace solvane;

namespace {

// A printer's print and paint engine in one that keeps every text painted, page by page. Its
// printable area is 2100 x 3000 pixels at 300 dpi.
class RecordingEngine : public QPaintEngine, public QPrintEngine {
public:
    struct Text {
        int page = 0;
        QPointF at;           // baseline start, device pixels
        QString text;
        double width = 0.0;   // advance of the text in its font on the printer
        double digitWidth = 0.0;
    };

    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    std::vector<Text> texts;
    int documents = 0;

    // QPaintEngine.
    bool begin(QPaintDevice*) override
    {
        texts.clear();
        page_ = 1;
        state_ = QPrinter::Active;
        return true;
    }
    bool end() override
    {
        state_ = QPrinter::Idle;
        ++documents;
        return true;
    }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        const QFontMetricsF metrics(item.font(), painter()->device());
        texts.push_back({page_, painter()->transform().map(p), item.text(), metrics.horizontalAdvance(item.text()),
                         metrics.horizontalAdvance(QLatin1Char('0'))});
    }
    Type type() const override { return QPaintEngine::User; }

    // QPrintEngine.
    void setProperty(PrintEnginePropertyKey, const QVariant&) override {}
    QVariant property(PrintEnginePropertyKey) const override { return {}; }
    bool newPage() override
    {
        ++page_;
        return true;
    }
    bool abort() override { return false; }
    int metric(QPaintDevice::PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case QPaintDevice::PdmWidth: return Width;
        case QPaintDevice::PdmHeight: return Height;
        case QPaintDevice::PdmWidthMM: return qRound(Width * 25.4 / Dpi);
        case QPaintDevice::PdmHeightMM: return qRound(Height * 25.4 / Dpi);
        case QPaintDevice::PdmNumColors: return INT_MAX;
        case QPaintDevice::PdmDepth: return 32;
        case QPaintDevice::PdmDpiX:
        case QPaintDevice::PdmDpiY:
        case QPaintDevice::PdmPhysicalDpiX:
        case QPaintDevice::PdmPhysicalDpiY: return Dpi;
        case QPaintDevice::PdmDevicePixelRatio: return 1;
        case QPaintDevice::PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }
    QPrinter::PrinterState printerState() const override { return state_; }

    static constexpr int Width = 2100;
    static constexpr int Height = 3000;
    static constexpr int Dpi = 300;

private:
    int page_ = 0;
    QPrinter::PrinterState state_ = QPrinter::Idle;
};

// QPrinter lets its subclasses swap its engines; this reaches that for a printer made elsewhere.
struct PrinterEngines : QPrinter {
    static void use(QPrinter& printer, RecordingEngine& engine)
    {
        (printer.*&PrinterEngines::setEngines)(&engine, &engine);
    }
};

// The scripted platform whose printer dialog, when answered OK, points the printer at the
// recording engine or at a PDF file, as a user picking a printer or "Print to File" would.
class PrintingPlatform : public ScriptedPlatform {
public:
    RecordingEngine recorder;
    QString pdfPath;  // empty: print to the recorder

    bool printerDialog(QPrinter& printer) override
    {
        if (!ScriptedPlatform::printerDialog(printer)) return false;
        if (pdfPath.isEmpty()) {
            PrinterEngines::use(printer, recorder);
        } else {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdfPath);
        }
        return true;
    }
};

// One printed line: its texts left to right.
struct PrintedLine {
    int page = 0;
    double baseline = 0.0;
    std::vector<RecordingEngine::Text> parts;

    QStringList texts() const
    {
        QStringList result;
        for (const auto& part : parts) result << part.text;
        return result;
    }
};

std::vector<PrintedLine> printedLines(const RecordingEngine& engine)
{
    std::map<std::pair<int, double>, PrintedLine> byPosition;
    for (const auto& text : engine.texts) {
        PrintedLine& line = byPosition[{text.page, text.at.y()}];
        line.page = text.page;
        line.baseline = text.at.y();
        line.parts.push_back(text);
    }
    std::vector<PrintedLine> lines;
    for (auto& [position, line] : byPosition) {
        std::sort(line.parts.begin(), line.parts.end(),
                  [](const auto& a, const auto& b) { return a.at.x() < b.at.x(); });
        lines.push_back(line);
    }
    return lines;
}

// The page count a PDF file's page tree gives.
int pdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("%PDF-")) return -1;
    const QRegularExpression count(QStringLiteral("/Type\\s*/Pages\\b[^>]*/Count\\s+(\\d+)"));
    const QRegularExpressionMatch match = count.match(QString::fromLatin1(bytes));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

void fillPoints(Profile& p, int count)
{
    for (int i = 1; i <= count; ++i) {
        const float r = float(i % 70);
        const float theta = float((i * 7) % 360);
        p.Points[std::size_t(i)] = PointRec{r, theta, True, r, -r};
    }
    p.PointCount = std::int16_t(count);
}

const QString PrinterErrorText = QStringLiteral(
    "An error has occured at the printer, but no other information was returned to the computer that sent "
    "the file.\r\n\r\n"
    "You must physically examine the printer. Make sure all connections between\r\n"
    "computer and printer are solid. Most printers provide a display for error information\r\n"
    "such as \"Out of Paper\",\"Offline\" and so on.");

}  // namespace

class TestPrint : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenWarnings(); }

    void init()
    {
        helpDir_ = std::make_unique<QTemporaryDir>();
        QFile help(helpDir_->filePath(QStringLiteral("qdx5.hlp")));
        QVERIFY(help.open(QIODevice::WriteOnly));
        help.write("<html></html>");
        platform_ = std::make_unique<PrintingPlatform>();
        platform_->setProgramDir(helpDir_->path());
        form_ = std::make_unique<Form1>(*platform_);
    }

    void cleanup()
    {
        form_.reset();
        platform_.reset();
        QLocale::setDefault(QLocale::c());
    }

    void untitledEmptyProfilePrintsTheFourHeaderLines()
    {
        form_->descriptionBox().setText(QStringLiteral("Edge scan, lot 7"));
        platform_->answerPrinterDialog(true);
        form_->File_PrintData_Click();

        const auto lines = printedLines(platform_->recorder);
        QCOMPARE(lines.size(), std::size_t(4));
        const QStringList expected{QStringLiteral("Filename: "), QStringLiteral("File Description: Edge scan, lot 7"),
                                   QStringLiteral(" "), QStringLiteral("point no.       R(mm)        Theta")};
        for (std::size_t i = 0; i < lines.size(); ++i) {
            QCOMPARE(lines[i].page, 1);
            QCOMPARE(lines[i].texts(), QStringList{expected[int(i)]});
            QCOMPARE(lines[i].parts.front().at.x(), 0.0);
        }
        QCOMPARE(platform_->recorder.documents, 1);
        QCOMPARE(platform_->doEventsCount(), 1);
        QVERIFY(platform_->messages().empty());
        QVERIFY(std::count(platform_->pointerChanges().begin(), platform_->pointerChanges().end(), Pointer::Busy) > 0);
        QCOMPARE(platform_->pointer(), Pointer::Default);
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
    }

    // The columns follow the table's system; every value has two decimals and ends under its title.
    void pointLinesStandUnderTheirTitles_data()
    {
        QTest::addColumn<bool>("polar");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("second");
        const QString polarHeader = QStringLiteral("point no.       R(mm)        Theta");
        const QString rectHeader = QStringLiteral("point no.       X (mm)        Y (mm)");
        QTest::newRow("polar") << true << "C" << polarHeader << QStringList{"1", "12.50", "90.00"}
                               << QStringList{"2", "0.50", "359.96"};
        QTest::newRow("rectangular") << false << "C" << rectHeader << QStringList{"1", "0.00", "-3.00"}
                                     << QStringList{"2", "-123.46", "0.00"};
        QTest::newRow("rectangular, decimal comma") << false << "de_DE" << rectHeader
                                                    << QStringList{"1", "0,00", "-3,00"}
                                                    << QStringList{"2", "-123,46", "0,00"};
    }

    void pointLinesStandUnderTheirTitles()
    {
        QFETCH(bool, polar);
        QFETCH(QString, locale);
        QFETCH(QString, header);
        QLocale::setDefault(QLocale(locale));
        Profile& p = form_->profile();
        p.PolarSys = polar ? True : False;
        p.RectSys = polar ? False : True;
        p.Points[1] = PointRec{12.5f, 90.0f, True, 0.0f, -3.0f};
        p.Points[2] = PointRec{0.5f, 359.955f, True, -123.456f, 0.004f};
        p.PointCount = 2;
        p.FileTitle = "edge.waf";
        platform_->answerPrinterDialog(true);
        form_->File_PrintData_Click();

        const auto lines = printedLines(platform_->recorder);
        QCOMPARE(lines.size(), std::size_t(6));
        QCOMPARE(lines[0].texts(), QStringList{QStringLiteral("Filename: edge.waf")});
        QCOMPARE(lines[3].texts(), QStringList{header});
        QTEST(lines[4].texts(), "first");
        QTEST(lines[5].texts(), "second");

        // In the fixed-pitch font a title ends after as many digit widths as the header has
        // characters up to it; each text must end there too.
        const auto& title = lines[3].parts.front();
        const double cell = title.digitWidth;
        QVERIFY(std::abs(title.width - header.size() * cell) < 1.0);
        const double ends[] = {QStringLiteral("point no.").size() * cell,
                               (header.indexOf(QLatin1Char(')')) + 1) * cell, header.size() * cell};
        for (std::size_t row = 4; row <= 5; ++row) {
            for (std::size_t column = 0; column < 3; ++column) {
                const auto& part = lines[row].parts[column];
                const double end = ends[column];
                QVERIFY2(std::abs(part.at.x() + part.width - end) < 1.0,
                         qPrintable(QStringLiteral("%1 ends at %2, its title at %3")
                                        .arg(part.text)
                                        .arg(part.at.x() + part.width)
                                        .arg(end)));
            }
            QVERIFY(lines[row].baseline > lines[row - 1].baseline);
        }
    }

    void longReportFillsEveryPageButTheLast()
    {
        fillPoints(form_->profile(), MaxPoints);
        platform_->answerPrinterDialog(true);
        form_->File_PrintData_Click();

        const auto lines = printedLines(platform_->recorder);
        QCOMPARE(lines.size(), std::size_t(4 + MaxPoints));
        QCOMPARE(lines[0].texts().front(), QStringLiteral("Filename: "));
        QCOMPARE(lines[3].texts().front().left(9), QStringLiteral("point no."));
        for (int i = 1; i <= MaxPoints; ++i) QCOMPARE(lines[std::size_t(3 + i)].texts().front(), QString::number(i));

        std::map<int, int> perPage;
        for (const auto& line : lines) ++perPage[line.page];
        const int pages = perPage.rbegin()->first;
        QVERIFY(pages > 1);
        QCOMPARE(int(perPage.size()), pages);
        const int full = perPage[1];
        const double lineHeight = lines[1].baseline - lines[0].baseline;
        // Full: one more line would not fit in the page's height.
        QVERIFY(full * lineHeight <= RecordingEngine::Height + 0.5);
        QVERIFY((full + 1) * lineHeight > RecordingEngine::Height);
        for (int page = 1; page < pages; ++page) QCOMPARE(perPage[page], full);
        QVERIFY(perPage[pages] >= 1 && perPage[pages] <= full);
        // Every page starts at its top.
        for (std::size_t i = 1; i < lines.size(); ++i)
            if (lines[i].page != lines[i - 1].page) QCOMPARE(lines[i].baseline, lines[0].baseline);
        QCOMPARE(platform_->recorder.documents, 1);
    }

    // A text wider than its room moves right but keeps a blank between it and the text before.
    void tooWideValueKeepsABlankBeforeIt()
    {
        ReportLines report;
        report.header = {"Filename: big.waf", "File Description: ", " ", "point no.       X (mm)        Y (mm)"};
        report.title1 = "X (mm)";
        report.title2 = "Y (mm)";
        report.points = {{"1", "0.00", "-123456789012345.00"}};
        RecordingEngine engine;
        QPrinter printer;
        PrinterEngines::use(printer, engine);
        const ReportPrinter::Result printed = ReportPrinter(report).print(printer);

        QVERIFY(printed.ok);
        QCOMPARE(printed.pages, 1);
        const auto lines = printedLines(engine);
        QCOMPARE(lines.size(), std::size_t(5));
        const auto& value1 = lines[4].parts[1];
        const auto& value2 = lines[4].parts[2];
        QCOMPARE(value2.text, QStringLiteral("-123456789012345.00"));
        QVERIFY(std::abs(value2.at.x() - (value1.at.x() + value1.width + value1.digitWidth)) < 1.0);
    }

    void printsToAPdfFile_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("morePages");
        QTest::newRow("empty profile") << 0 << false;
        QTest::newRow("2000 points") << int(MaxPoints) << true;
    }

    void printsToAPdfFile()
    {
        QFETCH(int, points);
        QFETCH(bool, morePages);
        QTemporaryDir folder;
        platform_->pdfPath = folder.filePath(QStringLiteral("report.pdf"));
        fillPoints(form_->profile(), points);
        platform_->answerPrinterDialog(true);
        form_->File_PrintData_Click();

        const int pages = pdfPageCount(platform_->pdfPath);
        if (morePages) QVERIFY2(pages > 1, qPrintable(QString::number(pages)));
        else QCOMPARE(pages, 1);
        QVERIFY(platform_->messages().empty());
        QCOMPARE(platform_->doEventsCount(), 1);
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
    }

    void cancelledPrinterDialogPrintsAndShowsNothing()
    {
        QTemporaryDir folder;
        platform_->pdfPath = folder.filePath(QStringLiteral("report.pdf"));
        fillPoints(form_->profile(), 3);
        const std::size_t pointerChanges = platform_->pointerChanges().size();
        platform_->answerPrinterDialog(false);
        form_->File_PrintData_Click();

        QCOMPARE(platform_->printerDialogCount(), 1);
        QVERIFY(!QFile::exists(platform_->pdfPath));
        QVERIFY(platform_->messages().empty());
        QCOMPARE(platform_->doEventsCount(), 0);
        QCOMPARE(platform_->pointerChanges().size(), pointerChanges);
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
    }

    // A PDF file that cannot be created is the printer failing: the fixed message, nothing else.
    void failingPrinterShowsThePrinterErrorMessage()
    {
        QTemporaryDir folder;
        platform_->pdfPath = folder.filePath(QStringLiteral("no such folder/report.pdf"));
        fillPoints(form_->profile(), 3);
        platform_->answerPrinterDialog(true);
        platform_->answerMessage(MessageAnswer::Ok);
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        form_->File_PrintData_Click();

        QCOMPARE(platform_->messages().size(), std::size_t(1));
        const auto& message = platform_->messages().front();
        QCOMPARE(message.text, PrinterErrorText);
        QCOMPARE(message.title, QStringLiteral("Printer Error"));
        QCOMPARE(message.icon, MessageIcon::Exclamation);
        QCOMPARE(message.buttons, MessageButtons::Ok);
        QCOMPARE(platform_->doEventsCount(), 0);
        QCOMPARE(platform_->pointer(), Pointer::Default);
        SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(*platform_);
    }

private:
    std::unique_ptr<QTemporaryDir> helpDir_;
    std::unique_ptr<PrintingPlatform> platform_;
    std::unique_ptr<Form1> form_;
};

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
