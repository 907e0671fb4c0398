// The main window's Edit menu: delete, copy, the two sorts and clear, over the point list.
#include <QAction>
#include <algorithm>

#include "mainwindow/form1.h"
#include "render/qttext.h"
#include "table/flexgrid.h"
#include "text/numtext.h"
#include "undo/undohistory.h"

namespace solvane {

namespace {

// Ascending by key, equal keys kept in their order (a stable merge sort, n log n: a full store
// sorts at once). Records move whole. Keys are never NaN, which no source of a point lets in.
template <typename Key>
void stableSortBy(Profile& profile, Key key)
{
    const auto first = profile.Points.begin() + 1;
    std::stable_sort(first, first + profile.PointCount,
                     [&key](const PointRec& a, const PointRec& b) { return key(a) < key(b); });
}

}  // namespace

void Form1::deletepoint()
{
    const int r = grdData->Row();
    if (profile_.PointCount < 2) return;
    // The header row names no point: with it current (as after every table refresh) there is
    // nothing selected to delete.
    if (r < 1) return;
    auto& points = profile_.Points;
    for (int i = r; i <= profile_.PointCount - 1; ++i)
        points[static_cast<std::size_t>(i)] = points[static_cast<std::size_t>(i + 1)];
    clearrow(profile_.PointCount);
    --profile_.PointCount;
    profile_.TableRows = profile_.PointCount;
    drawwafer();
    updategrid();
    redrawall();
}

void Form1::sorttheta()
{
    setPointer(Pointer::Busy);
    stableSortBy(profile_, [](const PointRec& p) { return p.Theta; });
    setPointer(Pointer::Default);
}

void Form1::sortradius()
{
    setPointer(Pointer::Busy);
    stableSortBy(profile_, [](const PointRec& p) { return p.R; });
    setPointer(Pointer::Default);
}

void Form1::Edit_Delete_Click()
{
    const UndoStep step(*undo_, QStringLiteral("Delete Point %1").arg(grdData->Row()));
    deletepoint();
}

void Form1::Edit_Copy_Click()
{
    // Values use the user's decimal separator, as the table and the read-out do.
    const char separator = decimalSeparator();
    const bool polar = profile_.PolarSys != False;
    std::string text = polar ? "R(mm)  Theta\r\n" : "X(mm)  Y(mm)\r\n";
    for (int i = 1; i <= profile_.PointCount; ++i) {
        const PointRec& p = profile_.Points[static_cast<std::size_t>(i)];
        if (polar) {
            text += formatNumber(p.R, "##.00", separator) + '\t' + formatNumber(p.Theta, "###.0", separator);
        } else {
            text += formatNumber(p.X, "##.00", separator) + '\t' + formatNumber(p.Y, "##.00", separator);
        }
        text += "\r\n";
    }
    platform_.setClipboardText(fromBytes(text));
}

void Form1::Edit_SortA_Click()
{
    const UndoStep step(*undo_, QStringLiteral("Sort Theta"));
    sorttheta();
    redrawall();
    updategrid();
}

void Form1::Edit_SortR_Click()
{
    const UndoStep step(*undo_, QStringLiteral("Sort Radius"));
    sortradius();
    redrawall();
    updategrid();
}

void Form1::Edit_Clear_Click()
{
    const UndoStep step(*undo_, QStringLiteral("Clear Points"), UndoStep::EndsSaved);
    setPointer(Pointer::Busy);
    profile_.SnapOn = False;
    Draw_Snap->setChecked(false);
    clearrows(profile_.PointCount);
    profile_.PointCount = 0;
    resetPoints(profile_);
    drawwafer();
    profile_.DataChanged = False;
    grdData->setRows(2);
    setPointer(Pointer::Default);
}

}  // namespace solvane
