#include "platform/FileNameCodec.h"

#include <QDir>

#include <unistd.h>

#include <cstdlib>
#include <memory>

#include "core/CodePage.h"

namespace venkora {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// Whether name[i] stands for a byte: a lone surrogate U+DC80 ... U+DCFF (not the second half of
// a pair).
bool IsEscapedByte(const QString& name, qsizetype i) {
    const char16_t c = name[i].unicode();
    return c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF && (i == 0 || !name[i - 1].isHighSurrogate());
}

}  // namespace

QString FileNameCodec::Decode(std::string_view bytes) {
    const CodePage utf8(CodePage::Kind::Utf8);
    QString name;
    name.reserve(static_cast<qsizetype>(bytes.size()));
    std::size_t valid = 0;  // start of the run of valid UTF-8 not yet appended
    const auto appendValid = [&](std::size_t end) {
        name += QString::fromUtf8(bytes.data() + valid, static_cast<qsizetype>(end - valid));
    };
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t next = utf8.Next(bytes, pos);
        const auto byte = static_cast<unsigned char>(bytes[pos]);
        if (next == pos + 1 && byte >= 0x80) {  // no character: kept as its escape
            appendValid(pos);
            name += QChar(static_cast<char16_t>(kEscapeBase + byte));
            valid = next;
        }
        pos = next;
    }
    appendValid(bytes.size());
    return name;
}

std::string FileNameCodec::Encode(const QString& name) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(name.size()));
    qsizetype valid = 0;  // start of the run of characters not yet appended
    const auto appendValid = [&](qsizetype end) {
        bytes += name.mid(valid, end - valid).toStdString();
    };
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!IsEscapedByte(name, i)) continue;
        appendValid(i);
        bytes += static_cast<char>(name[i].unicode() - kEscapeBase);
        valid = i + 1;
    }
    appendValid(name.size());
    return bytes;
}

QString FileNameCodec::ForDisplay(const QString& name) {
    QString shown = name;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (IsEscapedByte(name, i)) shown[i] = QChar::ReplacementCharacter;
    }
    return shown;
}

QString FileNameCodec::AbsolutePath(const QString& name) {
    if (name.startsWith(u'/')) return QDir::cleanPath(name);
    const std::unique_ptr<char, decltype(&free)> folder(getcwd(nullptr, 0), &free);
    if (!folder) return QDir::cleanPath(QDir::currentPath() + u'/' + name);
    return QDir::cleanPath(Decode(folder.get()) + u'/' + name);
}

}  // namespace venkora
