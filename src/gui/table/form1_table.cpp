// The main window's point table procedures: the table is rewritten from the point list.
#include "mainwindow/form1.h"
#include "render/qttext.h"
#include "table/flexgrid.h"
#include "text/numtext.h"

namespace solvane {

void Form1::clearrow(int row)
{
    // A row number in "###0" is its plain decimal digits.
    grdData->setTextMatrix(row, 0, QString::number(row));
    grdData->setTextMatrix(row, 1, QString());
    grdData->setTextMatrix(row, 2, QString());
}

void Form1::clearrows(int last)
{
    FlexGrid::BulkUpdate bulk(*grdData);
    for (int row = 1; row <= last; ++row) clearrow(row);
}

void Form1::updaterow(int row) { writeRow(row, decimalSeparator()); }

void Form1::writeRow(int row, char separator)
{
    if (row < 0 || row > MaxPoints) return;  // outside the point store: nothing to show
    const PointRec& point = profile_.Points[static_cast<std::size_t>(row)];
    grdData->setTextMatrix(row, 0, QString::number(row));
    if (profile_.PolarSys) {
        grdData->setTextMatrix(row, 1, formatted(point.R, "0.00", separator));
        grdData->setTextMatrix(row, 2, formatted(point.Theta, "##0.0", separator));
    } else if (profile_.RectSys) {
        grdData->setTextMatrix(row, 1, formatted(point.X, "0.00", separator));
        grdData->setTextMatrix(row, 2, formatted(point.Y, "0.00", separator));
    }
    if (row == profile_.PointCount) clearrow(row + 1);
}

void Form1::updategrid()
{
    setPointer(Pointer::Busy);
    // The entry row is numbered by the row writes below, so the count is not written into it.
    if (profile_.TableRows > profile_.PointCount)
        grdData->setRows(profile_.TableRows + 2);
    else
        grdData->setRows(profile_.PointCount + 2);

    grdData->setRow(0);
    grdData->setCol(1);
    grdData->setText(profile_.PolarSys ? QStringLiteral("R(mm)") : QStringLiteral("X (mm)"));
    grdData->setCol(2);
    grdData->setText(profile_.PolarSys ? QStringLiteral("Theta") : QStringLiteral("Y (mm)"));

    {
        FlexGrid::BulkUpdate bulk(*grdData);
        // The locale is asked once for the whole table, not once a row.
        const char separator = decimalSeparator();
        for (int i = 1; i <= profile_.PointCount; ++i) writeRow(i, separator);
        if (profile_.PointCount == 0) clearrow(1);
        // Kept blank rows, and the last row below them, carry their numbers.
        for (int j = profile_.PointCount + 1; j <= profile_.TableRows + 1; ++j) clearrow(j);
    }
    setPointer(Pointer::Default);
    profile_.DataChanged = True;

    grdData->setCol(0);
    grdData->setRow(0);
    grdData->setText(QString());
}

void Form1::resetgrid(int n)
{
    setPointer(Pointer::Busy);
    clearrows(n);
    grdData->setCol(1);
    grdData->setRow(0);
    grdData->setText(profile_.PolarSys ? QStringLiteral("R(mm)") : QStringLiteral("X (mm)"));
    grdData->setCol(2);
    grdData->setText(profile_.PolarSys ? QStringLiteral("Theta") : QStringLiteral("Y (mm)"));
    setPointer(Pointer::Default);
}

}  // namespace solvane
