#include "formharness.h"

#include <QAction>
#include <QFile>
#include <QTest>
#include <cmath>

#include "model/conversions.h"
#include "table/flexgrid.h"
#include "view/waferview.h"

namespace solvane {

FormHarness::FormHarness(QSize size, bool show)
{
    programDir_ = helpDir_.path();
    QFile help(helpDir_.filePath(QStringLiteral("qdx5.hlp")));
    if (help.open(QIODevice::WriteOnly)) help.write("<html></html>");
    help.close();
    platform.setProgramDir(programDir_);
    form_ = std::make_unique<Form1>(platform);
    if (!show) return;
    form_->resize(size);
    form_->show();
    if (!QTest::qWaitForWindowExposed(form_.get())) qWarning("FormHarness: the window was not exposed");
}

FormHarness::~FormHarness() = default;

QAction* FormHarness::action(const char* name) const
{
    return form_->findChild<QAction*>(QString::fromLatin1(name));
}

QPoint FormHarness::at(double X, double Y) const { return form_->picture().toWidget(-X, -Y); }

QColor FormHarness::pixelNear(double X, double Y) const
{
    const WaferSurface& surface = form_->picture().surface();
    const QPointF p = surface.toPixels(-X - 1.5, -Y + 1.5);
    return surface.image().pixelColor(static_cast<int>(p.x()), static_cast<int>(p.y()));
}

void FormHarness::setPolarPoints(std::initializer_list<std::pair<float, float>> radiusAndAngle)
{
    Profile& p = profile();
    int i = 0;
    for (const auto& [radius, angle] : radiusAndAngle) {
        const XY xy = polarToRect(radius, angle);
        p.Points[static_cast<std::size_t>(++i)] = PointRec{radius, angle, False, xy.X, xy.Y};
    }
    p.PointCount = static_cast<std::int16_t>(i);
    form_->updategrid();
    form_->redrawall();
    p.DataChanged = False;
}

QString FormHarness::row(int r) const
{
    const FlexGrid& grid = form_->grid();
    return grid.TextMatrix(r, 0) + QLatin1Char('|') + grid.TextMatrix(r, 1) + QLatin1Char('|') + grid.TextMatrix(r, 2);
}

}  // namespace solvane
