#pragma once

#include <QDate>
#include <QFont>
#include <QPageLayout>
#include <QPalette>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/safewrite.h"
#include "model/profile.h"
#include "print/report.h"

class QFontMetricsF;
class QPagedPaintDevice;
class QPainter;

namespace solvane {

// Paints the point report onto pages: the header lines once at the top of the first page, then one
// line per point. Each point's number and values end where their column titles end in the header
// line, measured with the font's metrics on the target device, so they stand under their titles in
// any font. Every later page starts with the column header line again, and every page ends with
// "Page n of m" below its last line. The first page carries the print date at the right of its
// first line and, where the room beside the columns allows, the wafer drawing.
// The report's texts are single-byte (ISO-8859-1), as the core keeps them.
class ReportPrinter {
public:
    // ok is false when the device refused to start painting, to start a new page or to finish the
    // document; pages counts the pages begun.
    struct Result {
        bool ok = true;
        int pages = 0;
    };

    // One text of the report where it is painted: its page (from 1) and the start of its baseline.
    struct PlacedText {
        int page = 1;
        QPointF at;
        QString text;
    };

    // The report laid out on pages: every text, the square of the wafer drawing on the first page
    // (empty when there is no drawing or no room for one), and the number of pages.
    struct Layout {
        std::vector<PlacedText> texts;
        QRectF drawing;
        int pages = 1;
    };

    explicit ReportPrinter(ReportLines report, const QFont& font = defaultFont());

    // The date the first page carries; none unless set.
    void setPrintDate(const QDate& date) { printDate_ = date; }
    // The wafer drawing the first page shows where there is room; none unless set.
    void setDrawing(const Profile& profile, const QPalette& palette);

    // The report on pages of the given area, measured with metrics; paint() draws exactly this.
    Layout layout(const QFontMetricsF& metrics, const QRectF& page) const;

    // Paints onto a printer, a PDF writer or any other paged device, and ends the document.
    Result print(QPagedPaintDevice& device) const;

    // Paints the pages (page layout and resolution in dots per inch as a printer's) into a PDF
    // document in memory and writes it to path with writeFileSafely: a PDF writer's own output says
    // nothing of a full disk or of a path that is no file.
    WriteResult printPdfFile(const QPageLayout& page, int resolution, const std::string& path) const;

    // Paints with an active painter inside page (in the painter's coordinates, the first page
    // already begun); newPage starts the next page and returns false when it cannot.
    Result paint(QPainter& painter, const QRectF& page, const std::function<bool()>& newPage) const;

    // The report's font: the platform's fixed-pitch font at 10 points.
    static QFont defaultFont();

    // Margins of 15 mm on every side, so a report never starts at the edge of the sheet; a device
    // that needs wider ones keeps its own.
    static void setReportMargins(QPagedPaintDevice& device);

    // The page of a report written with no printer to ask: A4 upright with the report's margins.
    static QPageLayout defaultPageLayout();

private:
    void paintDrawing(QPainter& painter, const QRectF& square) const;

    ReportLines report_;
    QFont font_;
    QDate printDate_;
    // The drawing's profile and the palette its system colours resolve through.
    std::optional<Profile> drawnProfile_;
    QPalette drawingPalette_;
};

}  // namespace solvane
