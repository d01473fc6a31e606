#pragma once
// Icons and type names for the file dialogs, taken from the file names alone. The default
// provider reads the first bytes of every file listed to guess its type, and a file whose
// reading blocks (a kernel message queue under /proc, a file held by a lease) would stop the
// program for good; this one never opens a file.

#include <QFileIconProvider>

namespace venkora {

class FileNameIconProvider : public QFileIconProvider {
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};

}  // namespace venkora
