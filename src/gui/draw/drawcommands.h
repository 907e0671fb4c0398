#pragma once

#include <QString>

#include "model/patterns.h"

namespace solvane {

class WindowServices;

// The commands of the Draw menu: snapping and its grid, the fixed, polar, X Y and ring patterns, and
// the visiting path on the drawing.
class DrawCommands {
public:
    explicit DrawCommands(WindowServices& window);

    void Draw_Snap_Click();
    void Draw_Grid_Click();
    void Draw_Five_Click();
    void Draw_Nine_Click();
    void Draw_Seventeen_Click();
    void Draw_Polar_Click();
    void Draw_XY_Click();
    void Draw_Rings_Click();
    // show: the item's new check state.
    void Draw_Path_Click(bool show);

private:
    // Grid steps dialog with the caller's title and captions, on DlgAngSteps/DlgRadSteps; true on OK.
    bool showGridStepsDialog(const QString& title, const QString& upperCaption, const QString& lowerCaption);
    // A fixed pattern of the given ring counts, as one undo step named text.
    void fixedPattern(const QString& text, PatternCounts counts);
    // A pattern of the grid steps the dialog asks for, as one undo step named text; Cancel changes nothing.
    void gridPattern(const QString& text, const QString& title, const QString& upperCaption,
                     const QString& lowerCaption, void (*generate)(Profile&));

    WindowServices& window_;
    Profile& profile_;
    // The last ring counts, kept for the session.
    RingCounts ringCounts_ = DefaultRingCounts;
};

}  // namespace solvane
