#include "formharness.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
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

FormHarness::~FormHarness()
{
    if (QTest::currentTestFunction() && !QTest::currentTestFailed() && !platform.scriptReport().isEmpty())
        QTest::qFail(qPrintable(platform.scriptReport()), __FILE__, __LINE__);
}

QAction* FormHarness::action(const char* name) const { return form_->findChild<QAction*>(QString::fromLatin1(name)); }

QPoint FormHarness::at(double X, double Y) const { return form_->picture().toWidget(-X, -Y); }

QColor FormHarness::pixelNear(double X, double Y) const { return pixelAt(X + 1.5, Y - 1.5); }

QColor FormHarness::pixelAt(double X, double Y) const
{
    const WaferSurface& surface = form_->picture().surface();
    const QPointF p = surface.toPixels(-X, -Y);
    return surface.image().pixelColor(static_cast<int>(p.x()), static_cast<int>(p.y()));
}

void FormHarness::setPolarPoints(const std::vector<std::pair<float, float>>& radiusAndAngle)
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

void FormHarness::answerDialogs(std::function<void(QDialog&)> answer)
{
    form_->runDialog = [answer = std::move(answer)](QDialog& dialog) {
        dialog.show();
        answer(dialog);
        return dialog.result();
    };
}

void click(QWidget& parent, const char* button)
{
    auto* found = parent.findChild<QAbstractButton*>(QLatin1String(button));
    if (!found) qFatal("no button %s", button);
    QTest::mouseClick(found, Qt::LeftButton);
}

const QByteArray TwoPointProfile =
    "\"Solvane 5.1\"\r\n\"Two points\"\r\n150\r\n5\r\n8\r\n\"Polar\"\r\n"
    "-2147483633\r\n-2147483632\r\n2\r\n50,90,#TRUE#,0\r\n25.5,180,#TRUE#,0\r\n";

QByteArray klaResultsFile(int defects)
{
    QByteArray text =
        "FileVersion 1 1;\r\nSampleCenterLocation 100000.0 100000.0;\r\nDiePitch 10000.0 10000.0;\r\n"
        "DefectRecordSpec 5 DEFECTID XREL YREL XINDEX YINDEX;\r\nDefectList";
    for (int i = 1; i <= defects; ++i)
        text += "\r\n" + QByteArray::number(i) + ' ' + QByteArray::number(5000 * i) + " 5000 10 10";
    return text + ";\r\nSummaryList\r\n1 1;\r\nEndOfFile;\r\n";
}

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    profile.WaferColor = 0x00FF0000;  // 0x00BBGGRR
    profile.SpotColor = 0x0000FF00;
}

}  // namespace solvane
