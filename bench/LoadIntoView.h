#pragma once
// Puts bytes into an edit view as loading a file of them would, for the benchmarks of the view
// and of the commands that work in it.

#include <QBuffer>
#include <QByteArray>

#include <string>

#include "editview/CEditViewPlus.h"
#include "platform/Archive.h"

inline void LoadIntoView(venkora::CEditViewPlus& view, const std::string& bytes) {
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    venkora::Archive archive(buffer, venkora::Archive::Mode::Load);
    view.SerializeRawText(archive);
}
