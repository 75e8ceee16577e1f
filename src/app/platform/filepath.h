#pragma once
// File names as the system spells them (bytes) and as the window shows them.
// The window keeps names as bytes, so a name that is not valid UTF-8 (Latin-1
// from an old archive) still opens and saves; only its display is lossy.

#include <QFile>
#include <QString>
#include <QUrl>
#include <string>

inline std::string ToPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
inline QString FromPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// The local file a dropped URL names, byte for byte: a file manager sends
// the name's bytes percent-encoded, whatever their encoding.
inline std::string UrlToPath(const QUrl& url) {
#ifdef _WIN32
    return ToPath(url.toLocalFile());
#else
    if (!url.isLocalFile()) return std::string();
    return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
#endif
}
