#include "render/qttext.h"

#include <QFile>
#include <QLocale>

namespace solvane {

QString fromBytes(std::string_view bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string toBytes(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::string toFileSystem(const QString& path)
{
    const QByteArray bytes = QFile::encodeName(path);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString fromFileSystem(const std::string& path)
{
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

char localeDecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    // A separator outside single-byte text cannot be printed into the formats: fall back to ".".
    return !point.isEmpty() && point.at(0).unicode() < 0x100 ? static_cast<char>(point.at(0).toLatin1()) : '.';
}

}  // namespace solvane
