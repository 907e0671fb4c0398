#include "render/reportprinter.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <utility>

#include "render/qttext.h"

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

ReportPrinter::ReportPrinter(ReportLines report, QFont font) : report_(std::move(report)), font_(std::move(font)) {}

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

std::vector<ReportPrinter::PlacedText> ReportPrinter::layout(const QFontMetricsF& metrics, const QRectF& page) const
{
    const double lineHeight = metrics.lineSpacing();
    // A page too short for one line still takes one, so the report always moves on.
    const int linesPerPage = std::max(1, static_cast<int>(std::floor(page.height() / lineHeight)));
    const ColumnEnds ends = columnEnds(report_, metrics);
    const double gap = metrics.horizontalAdvance(QLatin1Char(' '));

    std::vector<PlacedText> placed;
    placed.reserve(report_.header.size() + 3 * report_.points.size());
    int line = 0;
    // The page and baseline of the next line, on a new page when this one is full.
    const auto nextLine = [&]() -> std::pair<int, double> {
        const int onPage = line % linesPerPage;
        return {1 + line++ / linesPerPage, page.top() + onPage * lineHeight + metrics.ascent()};
    };

    for (const std::string& text : report_.header) {
        // A long description goes on over as many lines as it needs.
        for (const QString& piece : wrapped(fromBytes(text), metrics, page.width())) {
            const auto [pageNo, baseline] = nextLine();
            placed.push_back({pageNo, QPointF(page.left(), baseline), piece});
        }
    }
    for (const ReportPointLine& point : report_.points) {
        const auto [pageNo, baseline] = nextLine();
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
    }
    return placed;
}

ReportPrinter::Result ReportPrinter::paint(QPainter& painter, const QRectF& page,
                                           const std::function<bool()>& newPage) const
{
    painter.setFont(font_);
    const QFontMetricsF metrics(painter.font(), painter.device());
    Result result{true, 1};
    for (const PlacedText& text : layout(metrics, page)) {
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
