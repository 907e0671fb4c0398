#include "render/waferimage.h"

#include <QBuffer>
#include <QFileInfo>
#include <QSvgGenerator>

#include "render/waferdrawing.h"

namespace solvane {

namespace {

void paintDrawing(WaferSurface& surface, const Profile& profile, const QPalette& palette, bool showPath)
{
    WaferDrawing drawing(surface, profile, palette);
    drawing.setShowPath(showPath);
    drawing.redrawall();
}

}  // namespace

std::optional<WaferImageFormat> waferImageFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) return WaferImageFormat::Png;
    if (suffix == QLatin1String("svg")) return WaferImageFormat::Svg;
    return std::nullopt;
}

QByteArray waferImageBytes(const Profile& profile, const QPalette& palette, bool showPath, WaferImageFormat format,
                           int sidePx)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QSize side(sidePx, sidePx);
    if (format == WaferImageFormat::Png) {
        WaferSurface surface(side);
        paintDrawing(surface, profile, palette, showPath);
        if (!surface.image().save(&buffer, "PNG")) return QByteArray();
    } else {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(side);
        generator.setViewBox(QRect(QPoint(0, 0), side));
        WaferSurface surface(generator, side);  // ends its painter, completing the SVG, when it goes
        paintDrawing(surface, profile, palette, showPath);
    }
    return bytes;
}

}  // namespace solvane
