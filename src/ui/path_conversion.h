#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <string>

namespace quorrin::ui {

// Paths cross between our byte strings and Qt in the file system's own
// encoding, so a name Qt shows is the name the core opens.
inline QString qtPath(const std::string& path)
{
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

inline std::string bytePath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace quorrin::ui
