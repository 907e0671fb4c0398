#include "formharness.h"

#include <QAction>
#include <QFile>
#include <QStringList>
#include <QTest>
#include <cmath>
#include <random>

#include "model/conversions.h"
#include "offscreennoise.h"
#include "table/flexgrid.h"
#include "view/waferview.h"

namespace solvane {

FormHarness::FormHarness(QSize size, bool show)
{
    quietOffscreenWarnings();
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

QAction* FormHarness::action(const char* name) const { return form_->findChild<QAction*>(QString::fromLatin1(name)); }

QPoint FormHarness::at(double X, double Y) const { return form_->picture().toWidget(-X, -Y); }

QColor FormHarness::pixelNear(double X, double Y) const { return pixelAt(X + 1.5, Y - 1.5); }

QColor FormHarness::pixelAt(double X, double Y) const
{
    const WaferSurface& surface = form_->picture().surface();
    const QPointF p = surface.toPixels(-X, -Y);
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

QString FormHarness::rows() const
{
    QStringList all;
    for (int r = 1; r < form_->grid().Rows(); ++r) all << row(r);
    return all.join(QLatin1Char(' '));
}

QString FormHarness::boxes() const
{
    static const char* const icons[] = {"None", "Critical", "Question", "Exclamation", "Information"};
    static const char* const buttons[] = {"Ok", "OkCancel", "YesNo"};
    QStringList lines;
    for (const auto& m : platform.messages())
        lines << QStringLiteral("%1|%2|%3|%4")
                     .arg(m.title, QLatin1String(icons[static_cast<int>(m.icon)]),
                          QLatin1String(buttons[static_cast<int>(m.buttons)]), m.text);
    return lines.join(QLatin1Char('\n'));
}

QString FormHarness::request(std::size_t i) const
{
    if (i >= platform.fileRequests().size()) return QStringLiteral("no request %1").arg(i);
    const FileDialogRequest& r = platform.fileRequests()[i];
    return QStringList{r.title,   r.save ? QStringLiteral("save") : QStringLiteral("open"),
                       r.pattern, r.defaultExt,
                       r.filter,  r.initialDir}
        .join(QStringLiteral("; "));
}

QString FormHarness::document() const
{
    const Profile& p = form_->profile();
    return QStringLiteral("%1 points, %2 rows; title \"%3\", status \"%4\"; Save %5, %6")
        .arg(p.PointCount)
        .arg(form_->grid().Rows())
        .arg(QString::fromStdString(p.FileTitle), form_->statusPanel(2),
             action("File_Save")->isEnabled() ? QStringLiteral("on") : QStringLiteral("off"),
             p.DataChanged ? QStringLiteral("changed") : QStringLiteral("unchanged"));
}

void scatterPolarPoints(Profile& profile, int count, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> radius(0.0f, static_cast<float>(usableRadiusMm(profile)));
    std::uniform_real_distribution<float> angle(0.0f, 360.0f);
    for (int i = 1; i <= count; ++i) {
        const float r = radius(random);
        const float theta = angle(random);
        const XY xy = polarToRect(r, theta);
        profile.Points[static_cast<std::size_t>(i)] = PointRec{r, theta, False, xy.X, xy.Y};
    }
    profile.PointCount = static_cast<std::int16_t>(count);
}

void setStandardWafer(Profile& profile)
{
    profile.WaferDiameter = 200;
    profile.EdgeExclusion = 5;
    profile.BeamDiameter = 8;
}

}  // namespace solvane
