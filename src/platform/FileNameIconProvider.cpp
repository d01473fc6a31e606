#include "platform/FileNameIconProvider.h"

#include <QFileInfo>
#include <QMimeDatabase>

namespace venkora {

namespace {

// The type the name suggests; only the name is looked at, never the file.
QMimeType TypeByName(const QFileInfo& info) {
    return QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
}

}  // namespace

QIcon FileNameIconProvider::icon(const QFileInfo& info) const {
    if (info.isRoot()) return icon(Drive);
    if (info.isDir()) return icon(Folder);
    const QMimeType type = TypeByName(info);
    return QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName(), icon(File)));
}

QString FileNameIconProvider::type(const QFileInfo& info) const {
    if (!info.isFile()) return QFileIconProvider::type(info);  // folders, drives: no file is read
    const QMimeType type = TypeByName(info);
    return type.comment().isEmpty() ? type.name() : type.comment();
}

}  // namespace venkora
