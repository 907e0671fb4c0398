#include "view/drawingpane.h"

#include <QLabel>
#include <cmath>

#include "model/visitorder.h"
#include "platform/platform.h"
#include "render/waferdrawing.h"
#include "view/waferview.h"

namespace solvane {

DrawingPane::DrawingPane(Profile& profile, Platform& platform, QWidget* parent)
    : profile_(profile), platform_(platform), Picture1(new WaferView(parent)), statusPanelPath_(new QLabel(parent))
{
    // Panel 1 belongs to the read-outs of the pointer and the current cell: the path has its own.
    statusPanelPath_->setObjectName(QStringLiteral("StatusBarPath"));
    // A click on a spot picks it: the focus follows, so that Delete acts on it and not on a text box.
    Picture1->setFocusPolicy(Qt::ClickFocus);
}

WaferDrawing DrawingPane::drawing()
{
    WaferDrawing drawing(Picture1->surface(), profile_, Picture1->palette());
    drawing.setShowPath(showPath_);
    return drawing;
}

void DrawingPane::drawwafer()
{
    platform_.setPointer(Pointer::Busy);
    drawing().drawwafer();
    platform_.setPointer(Pointer::Default);
    Picture1->update();
    showPathLength();  // Clear Points ends here, with no point left
}

void DrawingPane::drawsnapgrid()
{
    drawing().drawsnapgrid();
    platform_.setPointer(Pointer::Default);
    Picture1->update();
}

void DrawingPane::redrawall()
{
    platform_.setPointer(Pointer::Busy);
    drawing().redrawall();
    rememberSpotsPicture();
    platform_.setPointer(Pointer::Default);
    Picture1->update();
    showPathLength();
}

void DrawingPane::drawpoint(int i)
{
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

void DrawingPane::drawspot(double R, float Theta, Colour fill, Colour outline)
{
    drawing().drawspot(R, Theta, fill, outline);
    Picture1->update();
}

void DrawingPane::drawnumber(double R, float Theta, int n)
{
    drawing().drawnumber(R, Theta, n);
    Picture1->update();
}

void DrawingPane::drawSpotsHighlighting(int row)
{
    WaferSurface& surface = Picture1->surface();
    if (spotsPicture_.isCurrent(surface, profile_)) {
        // Redrawing every spot over this picture gives the kept one: showing that takes back at most
        // the last highlight, and nothing when none was drawn since.
        spotsPicture_.show(surface);
    } else {
        drawing().drawallspots();
        rememberSpotsPicture();
    }
    if (row >= 1 && row <= profile_.PointCount) {
        const PointRec& point = profile_.Points[static_cast<std::size_t>(row)];
        WaferDrawing painter = drawing();
        spotsPicture_.saveUnderHighlight(surface, painter.spotArea(point.R, point.Theta, row));
        WaferSurface::Batch batch(surface);
        painter.drawspot(point.R, point.Theta, Red, Black);
        painter.drawnumber(point.R, point.Theta, row);
    }
    spotsPicture_.highlighted(surface);
    Picture1->update();
}

void DrawingPane::rememberSpotsPicture()
{
    // A diameter that spans no scale draws nothing: there is no picture to keep.
    if (!(profile_.WaferDiameter > 0.0 && std::isfinite(profile_.WaferDiameter))) return;
    spotsPicture_.keep(Picture1->surface(), profile_);
}

void DrawingPane::showPathLength()
{
    statusPanelPath_->setText(showPath_ ? QString::fromStdString(pathLengthText(pathLengthMm(profile_))) : QString());
}

}  // namespace solvane
