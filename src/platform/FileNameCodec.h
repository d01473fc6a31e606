#pragma once
// File names are bytes; Qt holds them as QString. Decoding keeps every byte: valid UTF-8 becomes
// its characters, and any other byte b becomes the lone surrogate U+DC00 + b, which encoding
// turns back into b. So every existing name, UTF-8 or not, opens, and every name written is the
// one given. Names are shown with U+FFFD in place of such bytes.

#include <QString>

#include <string>
#include <string_view>

namespace venkora {

class FileNameCodec {
public:
    static QString Decode(std::string_view bytes);
    static std::string Encode(const QString& name);
    // The name for titles and messages: every byte that is no character shown as U+FFFD.
    static QString ForDisplay(const QString& name);
    // `name` as an absolute path, "." and ".." resolved, without losing a byte.
    static QString AbsolutePath(const QString& name);
};

}  // namespace venkora
