// File names are bytes: every name, UTF-8 or not, comes back byte for byte through the Qt
// string that holds it, and is shown with U+FFFD where a byte is no character.

#include <gtest/gtest.h>

#include <QDir>

#include <string>

#include "platform/FileNameCodec.h"

namespace venkora {
namespace {

TEST(FileNameCodec, EveryNameComesBackByteForByte) {
    const struct {
        std::string bytes;
        QString shown;
    } names[] = {
        {"brief.txt", QStringLiteral("brief.txt")},
        {"Gr\xC3\xBC\xC3\x9F" "e \xF0\x9F\x98\x80.txt", QStringLiteral("Grüße \U0001F600.txt")},
        {"caf\xE9.txt", QStringLiteral("caf\uFFFD.txt")},                      // Latin-1
        {"\xED\xB3\xA9\xC0\xAF\xFF", QStringLiteral("\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD")},  // no UTF-8 at all
        {"\xF0\x90\x82\x80\xE9", QStringLiteral("\U00010080\uFFFD")},  // a pair ending like an escape
    };
    for (const auto& name : names) {
        SCOPED_TRACE(name.bytes);
        const QString decoded = FileNameCodec::Decode(name.bytes);
        EXPECT_EQ(FileNameCodec::Encode(decoded), name.bytes);
        EXPECT_EQ(FileNameCodec::ForDisplay(decoded), name.shown);
        EXPECT_EQ(FileNameCodec::Encode(FileNameCodec::AbsolutePath(decoded)),
                  FileNameCodec::Encode(QDir::currentPath()) + "/" + name.bytes);
    }
}

}  // namespace
}  // namespace venkora
