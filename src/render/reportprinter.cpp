#include "render/reportprinter.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLocale>
#include <QMarginsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <utility>

#include "render/qttext.h"
#include "render/waferdrawing.h"
#include "render/wafersurface.h"

namespace solvane {

namespace {

// Where the texts of a point line end: under the ends of their titles in the column header line.
struct ColumnEnds {
    double number = 0.0;
    double value1 = 0.0;
    double value2 = 0.0;
};

ColumnEnds columnEnds(const ReportLines& report, const QFontMetricsF& metrics)
{
    const QString label = QString::fromLatin1(ReportNumberLabel);
    const QString upToTitle1 = label + fromBytes(report.title1);
    const QString upToTitle2 = upToTitle1 + QString::fromLatin1(ReportTitleGap) + fromBytes(report.title2);
    return {metrics.horizontalAdvance(label.trimmed()), metrics.horizontalAdvance(upToTitle1),
            metrics.horizontalAdvance(upToTitle2)};
}

// text in lines no wider than width, each broken after its last blank that fits, or inside a word too
// long for a line. Character advances are summed, so a long text costs time in proportion to its length.
QStringList wrapped(const QString& text, const QFontMetricsF& metrics, double width)
{
    QStringList lines;
    int start = 0;
    int afterBlank = -1;
    double used = 0.0;
    for (int i = 0; i < text.size(); ++i) {
        used += metrics.horizontalAdvance(text.at(i));
        if (used > width && i > start) {
            const int cut = afterBlank > start ? afterBlank : i;
            lines << text.mid(start, cut - start);
            start = cut;
            afterBlank = -1;
            used = metrics.horizontalAdvance(text.mid(start, i + 1 - start));
        }
        if (text.at(i) == QLatin1Char(' ')) afterBlank = i + 1;
    }
    lines << text.mid(start);
    return lines;
}

}  // namespace

ReportPrinter::ReportPrinter(ReportLines report, const QFont& font) : report_(std::move(report)), font_(font) {}

QFont ReportPrinter::defaultFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(10.0);
    return font;
}

namespace {

const QMarginsF ReportMarginsMm(15.0, 15.0, 15.0, 15.0);

}  // namespace

void ReportPrinter::setReportMargins(QPagedPaintDevice& device)
{
    device.setPageMargins(ReportMarginsMm, QPageLayout::Millimeter);
}

QPageLayout ReportPrinter::defaultPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, ReportMarginsMm, QPageLayout::Millimeter);
}

ReportPrinter::Result ReportPrinter::print(QPagedPaintDevice& device) const
{
    QPainter painter;
    if (!painter.begin(&device)) return {false, 0};
    // The painter starts at the top-left of the printable area, in device pixels.
    Result result = paint(painter, QRectF(0.0, 0.0, device.width(), device.height()),
                          [&device] { return device.newPage(); });
    // Ending the painter ends the document and sends the pages.
    if (!painter.end()) result.ok = false;
    return result;
}

WriteResult ReportPrinter::printPdfFile(const QPageLayout& page, int resolution, const std::string& path) const
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(resolution);
    writer.setPageLayout(page);
    if (!print(writer).ok) return {false, "cannot lay out the report as PDF"};
    return writeFileSafely(path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

namespace {

// Every page keeps its last lines for a blank and the "Page n of m" footer.
constexpr int FooterLines = 2;
// The wafer drawing is shown only where its square is at least this many lines high.
constexpr int SmallestDrawingLines = 10;
// The drawing is painted as shapes at this nominal size, then scaled into its square.
constexpr int DrawingNominalPx = 400;

}  // namespace

void ReportPrinter::setDrawing(const Profile& profile, const QPalette& palette)
{
    drawnProfile_ = profile;
    drawingPalette_ = palette;
}

ReportPrinter::Layout ReportPrinter::layout(const QFontMetricsF& metrics, const QRectF& page) const
{
    const double lineHeight = metrics.lineSpacing();
    // A page too short for one line and its footer still takes one line, so the report always moves on.
    const int linesPerPage = std::max(1, static_cast<int>(std::floor(page.height() / lineHeight)) - FooterLines);
    const ColumnEnds ends = columnEnds(report_, metrics);
    const double gap = metrics.horizontalAdvance(QLatin1Char(' '));
    const QString columnHeader = report_.header.empty() ? QString() : fromBytes(report_.header.back());
    const QString date = printDate_.isValid() ? QLocale().toString(printDate_, QLocale::LongFormat) : QString();

    Layout result;
    std::vector<PlacedText>& placed = result.texts;
    placed.reserve(report_.header.size() + 3 * report_.points.size() + 8);
    int pageNo = 1;
    int onPage = 0;
    // The baseline of the next line, on a new page when this one is full; a point line that starts a
    // page comes under the column header again.
    const auto nextLine = [&](bool underColumnHeader) {
        if (onPage == linesPerPage) {
            ++pageNo;
            onPage = 0;
            if (underColumnHeader && linesPerPage > 1)
                placed.push_back({pageNo, QPointF(page.left(), page.top() + onPage++ * lineHeight + metrics.ascent()),
                                  columnHeader});
        }
        return page.top() + onPage++ * lineHeight + metrics.ascent();
    };

    if (!date.isEmpty())
        placed.push_back(
            {1, QPointF(page.right() - metrics.horizontalAdvance(date), page.top() + metrics.ascent()), date});
    // Where the drawing may start: below the top of the column header, right of every column text.
    std::optional<double> columnsTop;
    double columnsRight = page.left();
    for (std::size_t i = 0; i < report_.header.size(); ++i) {
        // The first line leaves room for the date at its right; a long description goes on over as
        // many lines as it needs.
        const double width = i == 0 && !date.isEmpty() ? page.width() - metrics.horizontalAdvance(date) - 2 * gap
                                                       : page.width();
        for (const QString& piece : wrapped(fromBytes(report_.header[i]), metrics, width)) {
            const double baseline = nextLine(false);
            placed.push_back({pageNo, QPointF(page.left(), baseline), piece});
        }
        if (i + 1 == report_.header.size() && pageNo == 1) {
            columnsTop = placed.back().at.y() - metrics.ascent();
            columnsRight = page.left() + metrics.horizontalAdvance(placed.back().text);
        }
    }
    for (const ReportPointLine& point : report_.points) {
        const double baseline = nextLine(true);
        // Each text ends under its title; one too wide for its room moves right, a blank's width
        // clear of the text before it.
        double lineEnd = page.left();
        bool first = true;
        for (const auto& [text, columnEnd] :
             {std::pair(&point.number, ends.number), std::pair(&point.value1, ends.value1),
              std::pair(&point.value2, ends.value2)}) {
            const QString shown = fromBytes(*text);
            const double width = metrics.horizontalAdvance(shown);
            const double earliest = first ? page.left() : lineEnd + gap;
            const double x = std::max(page.left() + columnEnd - width, earliest);
            placed.push_back({pageNo, QPointF(x, baseline), shown});
            lineEnd = x + width;
            first = false;
        }
        if (pageNo == 1) columnsRight = std::max(columnsRight, lineEnd);
    }
    result.pages = pageNo;

    for (int n = 1; n <= result.pages; ++n) {
        const QString footer = QStringLiteral("Page %1 of %2").arg(n).arg(result.pages);
        placed.push_back({n,
                          QPointF(page.left() + (page.width() - metrics.horizontalAdvance(footer)) / 2.0,
                                  page.bottom() - metrics.descent()),
                          footer});
    }
    // Painted page by page: each footer among its page's texts.
    std::stable_sort(placed.begin(), placed.end(),
                     [](const PlacedText& a, const PlacedText& b) { return a.page < b.page; });

    if (drawnProfile_ && columnsTop) {
        const double left = columnsRight + 4 * gap;
        const double bottom = page.top() + linesPerPage * lineHeight;
        const double side = std::min(page.right() - left, bottom - *columnsTop);
        if (side >= SmallestDrawingLines * lineHeight)
            result.drawing = QRectF(page.right() - side, *columnsTop, side, side);
    }
    return result;
}

void ReportPrinter::paintDrawing(QPainter& painter, const QRectF& square) const
{
    // Recorded as shapes, then scaled into the square: circles stay round at the printer's resolution.
    QPicture picture;
    {
        WaferSurface surface(picture, QSize(DrawingNominalPx, DrawingNominalPx));
        WaferDrawing(surface, *drawnProfile_, drawingPalette_).redrawall();
    }  // the surface's painter ends here, completing the picture
    // Playing a picture scales it from its own resolution to the device's: undone here.
    const double toSquare = square.width() / DrawingNominalPx;
    painter.save();
    painter.translate(square.topLeft());
    painter.scale(toSquare * picture.logicalDpiX() / painter.device()->logicalDpiX(),
                  toSquare * picture.logicalDpiY() / painter.device()->logicalDpiY());
    painter.drawPicture(0, 0, picture);
    painter.restore();
}

ReportPrinter::Result ReportPrinter::paint(QPainter& painter, const QRectF& page,
                                           const std::function<bool()>& newPage) const
{
    painter.setFont(font_);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const Layout laidOut = layout(metrics, page);
    if (!laidOut.drawing.isEmpty()) paintDrawing(painter, laidOut.drawing);
    Result result{true, 1};
    for (const PlacedText& text : laidOut.texts) {
        if (text.page > result.pages) {
            if (!newPage()) {
                result.ok = false;
                return result;
            }
            ++result.pages;
        }
        painter.drawText(text.at, text.text);
    }
    return result;
}

}  // namespace solvane
