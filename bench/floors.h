#pragma once

// Floors: the plainest code that does the work of a hot operation, measured beside it in the same
// program, so that a slow or busy machine shows as a slower floor and the ratio still tells
// whether the program itself got slower.
#include <QAbstractTableModel>
#include <QImage>
#include <QPainter>
#include <QStaticText>
#include <QTableView>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "model/conversions.h"
#include "model/profile.h"

namespace solvane::floors {

// The whole of a file, sized first and read with one fread (empty when it cannot be read).
inline std::string readWhole(const std::string& path)
{
    std::string bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return bytes;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long size = std::ftell(file);
        std::rewind(file);
        bytes.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
        bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    }
    std::fclose(file);
    return bytes;
}

// Lines of a text, found the quickest way there is.
inline int countLines(std::string_view text)
{
    int lines = 0;
    const char* end = text.data() + text.size();
    for (const char* p = text.data(); const void* found = std::memchr(p, '\n', static_cast<std::size_t>(end - p));) {
        p = static_cast<const char*>(found) + 1;
        ++lines;
    }
    return lines;
}

// Blank-separated words of a text, taken line by line with the line ends found by memchr: the
// least that any reader of a word-oriented file does.
inline int countWords(std::string_view text)
{
    int words = 0;
    const char* end = text.data() + text.size();
    for (const char* p = text.data(); p < end;) {
        const void* found = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
        const char* lineEnd = found ? static_cast<const char*>(found) : end;
        bool inWord = false;
        for (; p < lineEnd; ++p) {
            const bool blank = *p == ' ' || *p == '\t' || *p == '\r';
            words += static_cast<int>(!blank & !inWord);
            inWord = !blank;
        }
        p = lineEnd + 1;
    }
    return words;
}

// Every number of a comma-separated text, each read with from_chars; other fields are passed over.
inline std::vector<float> readNumbers(std::string_view text)
{
    std::vector<float> numbers;
    numbers.reserve(text.size() / 8);
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        float value = 0.0f;
        const auto parsed = std::from_chars(p, end, value);
        if (parsed.ec == std::errc()) numbers.push_back(value);
        p = parsed.ec == std::errc() ? parsed.ptr : p;
        while (p < end && *p != ',' && *p != '\n') ++p;
        ++p;
    }
    return numbers;
}

// The wafer picture drawn straight: one painter, the disc, every spot and snap dot blitted from a
// stamp drawn once, every number laid out once.
class Picture {
public:
    explicit Picture(const Profile& profile, QSize size = QSize(800, 800))
        : image_(size, QImage::Format_RGB32), scale_(size.width() / profile.WaferDiameter)
    {
        font_.setFamily(QStringLiteral("DejaVu Sans"));
        font_.setPixelSize(11);
        spot_ = stamp(profile.BeamDiameter / 2.0 * scale_, QColor(160, 160, 160));
        dot_ = stamp(profile.BeamDiameter / 10.0 * scale_, Qt::cyan);
        numbers_.resize(MaxPoints + 1);
        for (int i = 1; i <= MaxPoints; ++i) {
            numbers_[static_cast<std::size_t>(i)].setText(QString::number(i));
            numbers_[static_cast<std::size_t>(i)].prepare(QTransform(), font_);
        }
    }

    const QImage& draw(const Profile& p)
    {
        const double half = image_.width() / 2.0;
        image_.fill(QColor(240, 240, 240));
        QPainter painter(&image_);
        painter.setFont(font_);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(half, half), half / 1.025, half / 1.025);
        if (p.SnapOn) {
            const double ring = (p.WaferDiameter / 2.0 - p.EdgeExclusion - p.BeamDiameter / 2.0) / p.SnapRadSteps;
            for (int i = 1; i <= p.SnapRadSteps; ++i)
                for (int j = 1; j <= p.SnapAngSteps; ++j) {
                    const double a = 2.0 * Pi * j / p.SnapAngSteps;
                    blit(painter, dot_, half + ring * i * std::cos(a) * scale_, half - ring * i * std::sin(a) * scale_);
                }
        }
        for (int i = 1; i <= p.PointCount; ++i) {
            const PointRec& point = p.Points[static_cast<std::size_t>(i)];
            const double x = half - point.X * scale_;
            const double y = half + point.Y * scale_;
            blit(painter, spot_, x, y);
            painter.drawStaticText(QPointF(x, y), numbers_[static_cast<std::size_t>(i)]);
        }
        return image_;
    }

private:
    static QImage stamp(double radiusPx, const QColor& fill)
    {
        const int side = 2 * static_cast<int>(std::ceil(radiusPx)) + 3;
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setPen(Qt::black);
        p.setBrush(fill);
        p.drawEllipse(QPointF(side / 2.0, side / 2.0), radiusPx, radiusPx);
        return image;
    }

    static void blit(QPainter& painter, const QImage& stamp, double x, double y)
    {
        const int half = stamp.width() / 2;
        painter.drawImage(QPoint(static_cast<int>(x) - half, static_cast<int>(y) - half), stamp);
    }

    QImage image_;
    double scale_;
    QFont font_;
    QImage spot_;
    QImage dot_;
    std::vector<QStaticText> numbers_;
};

// The point table rewritten straight: a plain model of cell texts under a plain table view, every
// text formatted with to_chars and the model reset once.
class Table : public QAbstractTableModel {
public:
    explicit Table(QSize size)
    {
        view_.setModel(this);
        view_.resize(size);
        view_.show();
    }

    int rowCount(const QModelIndex& = QModelIndex()) const override { return static_cast<int>(cells_.size() / 3); }
    int columnCount(const QModelIndex& = QModelIndex()) const override { return 3; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole) return {};
        return cells_[static_cast<std::size_t>(index.row() * 3 + index.column())];
    }

    void rewrite(const Profile& p)
    {
        beginResetModel();
        cells_.resize(static_cast<std::size_t>(p.PointCount + 2) * 3);
        cells_[1] = QStringLiteral("R(mm)");
        cells_[2] = QStringLiteral("Theta");
        for (int i = 1; i <= p.PointCount; ++i) {
            const PointRec& point = p.Points[static_cast<std::size_t>(i)];
            const auto at = static_cast<std::size_t>(i) * 3;
            cells_[at] = QString::number(i);
            cells_[at + 1] = fixed(point.R, 2);
            cells_[at + 2] = fixed(point.Theta, 1);
        }
        endResetModel();
    }

private:
    static QString fixed(float value, int decimals)
    {
        char text[32];
        const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
        return QString::fromLatin1(text, written.ptr - text);
    }

    QTableView view_;
    std::vector<QString> cells_;
};

}  // namespace solvane::floors
