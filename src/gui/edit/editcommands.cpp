#include "edit/editcommands.h"

#include <QDialog>
#include <QString>
#include <algorithm>

#include "dialogs/rotateform.h"
#include "model/pastedpoints.h"
#include "model/pointlist.h"
#include "model/rotation.h"
#include "model/visitorder.h"
#include "platform/platform.h"
#include "render/qttext.h"
#include "undo/undohistory.h"
#include "window/windowservices.h"

namespace solvane {

EditCommands::EditCommands(WindowServices& window) : window_(window), profile_(window.profile()) {}

void EditCommands::deletepoint()
{
    const int r = window_.currentRow();
    // The header row names no point: with it current (as after every table refresh) there is
    // nothing selected to delete. Below the list, the last point goes.
    if (r < 1) return;
    removePoint(profile_, std::min(r, static_cast<int>(profile_.PointCount)));
    profile_.TableRows = profile_.PointCount;
    window_.drawwafer();
    window_.updategrid();
    window_.redrawall();
}

void EditCommands::sorttheta()
{
    window_.platform().setPointer(Pointer::Busy);
    sortByAngle(profile_);
    window_.platform().setPointer(Pointer::Default);
}

void EditCommands::sortradius()
{
    window_.platform().setPointer(Pointer::Busy);
    sortByRadius(profile_);
    window_.platform().setPointer(Pointer::Default);
}

void EditCommands::Edit_Delete_Click()
{
    const UndoStep step(window_.undoHistory(), QStringLiteral("Delete Point %1").arg(window_.currentRow()));
    deletepoint();
}

void EditCommands::Edit_Copy_Click()
{
    // Values use the user's decimal separator, as the table and the read-out do.
    window_.platform().setClipboardText(fromBytes(pointListText(profile_, localeDecimalSeparator())));
}

void EditCommands::Edit_SortA_Click()
{
    const UndoStep step(window_.undoHistory(), QStringLiteral("Sort Theta"));
    sorttheta();
    window_.redrawall();
    window_.updategrid();
}

void EditCommands::Edit_SortR_Click()
{
    const UndoStep step(window_.undoHistory(), QStringLiteral("Sort Radius"));
    sortradius();
    window_.redrawall();
    window_.updategrid();
}

void EditCommands::Edit_Clear_Click()
{
    const UndoStep step(window_.undoHistory(), QStringLiteral("Clear Points"), UndoStep::EndsSaved);
    window_.platform().setPointer(Pointer::Busy);
    profile_.SnapOn = False;
    window_.setSnapChecked(false);
    window_.emptyPointList();
    window_.drawwafer();
    profile_.DataChanged = False;
    window_.platform().setPointer(Pointer::Default);
}

void EditCommands::Edit_Paste_Click()
{
    const UndoStep step(window_.undoHistory(), QStringLiteral("Paste"));
    const PastedText pasted = parsePastedPoints(toBytes(window_.platform().clipboardText()), localeDecimalSeparator());
    if (pasted.pairs.empty()) {
        window_.setStatus(QStringLiteral("The clipboard holds no points (two numbers a line)."));
        return;
    }
    if (!window_.roomForOneMorePoint()) return;

    const int appended = appendPastedPoints(profile_, pasted.pairs);
    window_.redrawall();
    window_.updategrid();
    QString summary = QStringLiteral("%1 point(s) pasted").arg(appended);
    if (pasted.skippedLines > 0) summary += QStringLiteral(", %1 line(s) skipped").arg(pasted.skippedLines);
    const auto leftOut = static_cast<int>(pasted.pairs.size()) - appended;
    if (leftOut > 0) summary += QStringLiteral(", %1 left out: the profile is full").arg(leftOut);
    window_.setStatus(summary + QLatin1Char('.'));
    if (leftOut > 0) window_.roomForOneMorePoint();
}

void EditCommands::Edit_Optimise_Click()
{
    const UndoStep step(window_.undoHistory(), QStringLiteral("Optimise Order"));
    window_.platform().setPointer(Pointer::Busy);
    const PathLengths lengths = optimiseorder(profile_);
    window_.platform().setPointer(Pointer::Default);
    window_.redrawall();
    window_.updategrid();
    window_.setPathStatus(QString::fromStdString(pathLengthsText(lengths)));
}

void EditCommands::Edit_Rotate_Click()
{
    const UndoStep step(window_.undoHistory(), QStringLiteral("Rotate"));
    RotateForm dialog(rotationDeg_, window_.dialogParent());
    if (window_.showModal(dialog) != QDialog::Accepted) return;
    rotationDeg_ = dialog.angleDeg();
    rotatepoints(profile_, rotationDeg_);
    window_.redrawall();
    window_.updategrid();
}

}  // namespace solvane
