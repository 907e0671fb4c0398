// The main window's drawing procedures: the wafer drawing over Picture1 with the busy pointer.
#include "mainwindow/form1.h"
#include "render/waferdrawing.h"
#include "table/flexgrid.h"
#include "view/waferview.h"

namespace solvane {

WaferDrawing Form1::drawing()
{
    WaferDrawing drawing(Picture1->surface(), profile_, palette());
    drawing.setShowPath(showPath_);
    return drawing;
}

void Form1::drawwafer()
{
    setPointer(Pointer::Busy);
    drawing().drawwafer();
    setPointer(Pointer::Default);
    Picture1->update();
    showPathLength();  // Clear Points ends here, with no point left
}

void Form1::drawsnapgrid()
{
    drawing().drawsnapgrid();
    setPointer(Pointer::Default);
    Picture1->update();
}

void Form1::redrawall()
{
    setPointer(Pointer::Busy);
    drawing().redrawall();
    rememberSpotsPicture();
    setPointer(Pointer::Default);
    Picture1->update();
    showPathLength();
}

void Form1::drawpoint(int i)
{
    grdData->setRows(profile_.PointCount + 2);
    // The path to the new point runs under the spots: only a full redraw can put it there.
    if (showPath_) {
        redrawall();
        return;
    }
    const PointRec& point = profile_.Points[static_cast<std::size_t>(i)];
    WaferDrawing painter = drawing();
    painter.drawspot(point.R, point.Theta, profile_.SpotColor, Black);
    painter.drawnumber(point.R, point.Theta, i);
    Picture1->update();
}

void Form1::drawspot(double R, float Theta, Colour fill, Colour outline)
{
    drawing().drawspot(R, Theta, fill, outline);
    Picture1->update();
}

void Form1::drawnumber(double R, float Theta, int n)
{
    drawing().drawnumber(R, Theta, n);
    Picture1->update();
}

}  // namespace solvane
