// The main window's Edit menu: delete, copy, the two sorts and clear, over the point list.
#include <QAction>
#include <algorithm>

#include "mainwindow/form1.h"
#include "model/pointlist.h"
#include "render/qttext.h"
#include "table/flexgrid.h"
#include "undo/undohistory.h"

namespace solvane {

void Form1::deletepoint()
{
    const int r = grdData->Row();
    // The header row names no point: with it current (as after every table refresh) there is
    // nothing selected to delete. Below the list, the last point goes.
    if (r < 1) return;
    const int last = profile_.PointCount;
    removePoint(profile_, std::min(r, last));
    clearrow(last);
    profile_.TableRows = profile_.PointCount;
    drawwafer();
    updategrid();
    redrawall();
}

void Form1::sorttheta()
{
    setPointer(Pointer::Busy);
    sortByAngle(profile_);
    setPointer(Pointer::Default);
}

void Form1::sortradius()
{
    setPointer(Pointer::Busy);
    sortByRadius(profile_);
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
    platform_.setClipboardText(fromBytes(pointListText(profile_, decimalSeparator())));
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
    clearPoints(profile_);
    drawwafer();
    profile_.DataChanged = False;
    grdData->setRows(2);
    setPointer(Pointer::Default);
}

}  // namespace solvane
