#include "platform/QtIniReader.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace venkora {

namespace {

// QSettings unescapes names and values into UTF-16; the same is done here, so that escapes
// like "\xd83d\xde00" (one character in two halves) come out as QSettings reads them.
using Utf16 = std::u16string;

constexpr char16_t kReplacement = 0xFFFD;

bool IsLineSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool IsSpecial(char c) {
    return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\';
}

int HexValue(char16_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

int HexValue(char c) { return HexValue(static_cast<char16_t>(static_cast<unsigned char>(c))); }

int OctValue(char c) { return c >= '0' && c <= '7' ? c - '0' : -1; }

// Blanks as QByteArray::trimmed removes them.
std::string_view Trimmed(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

void AppendCodePoint(char32_t code, Utf16& out) {
    if (code < 0x10000) {
        out += static_cast<char16_t>(code);
    } else {
        code -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (code >> 10));
        out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    }
}

// UTF-8 bytes to UTF-16; every byte that starts no valid sequence becomes U+FFFD.
void AppendDecoded(std::string_view bytes, Utf16& out) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            out += static_cast<char16_t>(lead);
            ++i;
            continue;
        }
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        char32_t code = length == 4 ? lead & 0x07u : length == 3 ? lead & 0x0Fu : lead & 0x1Fu;
        bool valid = length != 0 && lead <= 0xF4 && i + length <= bytes.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3Fu);
        }
        const char32_t smallest = length == 4 ? 0x10000 : length == 3 ? 0x800 : 0x80;
        if (!valid || code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            out += kReplacement;
            ++i;
            continue;
        }
        AppendCodePoint(code, out);
        i += length;
    }
}

// UTF-16 to UTF-8; a lone surrogate half becomes '?', as QString::toUtf8 makes it.
std::string Utf8(const Utf16& text) {
    std::string out;
    const auto put = [&out](unsigned value) { out += static_cast<char>(value); };
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (code >= 0xD800 && code <= 0xDFFF) {
            const bool paired = code <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                                text[i + 1] <= 0xDFFF;
            if (!paired) {
                out += '?';
                continue;
            }
            code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00u);
        }
        if (code < 0x80) {
            put(code);
        } else if (code < 0x800) {
            put(0xC0 | (code >> 6));
            put(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            put(0xE0 | (code >> 12));
            put(0x80 | ((code >> 6) & 0x3F));
            put(0x80 | (code & 0x3F));
        } else {
            put(0xF0 | (code >> 18));
            put(0x80 | ((code >> 12) & 0x3F));
            put(0x80 | ((code >> 6) & 0x3F));
            put(0x80 | (code & 0x3F));
        }
    }
    return out;
}

// The bytes of a "@ByteArray(...)" value: one per character, '?' for those beyond Latin-1.
std::string Latin1(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) out += c <= 0xFF ? static_cast<char>(c) : '?';
    return out;
}

bool StartsWith(std::u16string_view text, std::string_view ascii) {
    if (text.size() < ascii.size()) return false;
    for (std::size_t i = 0; i < ascii.size(); ++i) {
        if (text[i] != static_cast<char16_t>(ascii[i])) return false;
    }
    return true;
}

bool EqualsAsciiNoCase(std::string_view text, std::string_view lower) {
    if (text.size() != lower.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] + 32) : text[i];
        if (c != lower[i]) return false;
    }
    return true;
}

// A section or key name: "%XX" is the character XX (hexadecimal), "%UXXXX" the UTF-16 unit
// XXXX, a backslash stands for '/'; a '%' that starts no complete escape is itself.
std::string UnescapedName(std::string_view escaped) {
    Utf16 decoded;
    AppendDecoded(escaped, decoded);
    Utf16 name;
    std::size_t i = 0;
    while (i < decoded.size()) {
        const char16_t c = decoded[i];
        if (c == '\\') {
            name += u'/';
            ++i;
            continue;
        }
        if (c != '%' || i + 1 == decoded.size()) {
            name += c;
            ++i;
            continue;
        }
        const bool wide = decoded[i + 1] == 'U';
        const std::size_t first = wide ? i + 2 : i + 1;
        const std::size_t digits = wide ? 4 : 2;
        unsigned value = 0;
        bool valid = first + digits <= decoded.size();
        for (std::size_t k = 0; valid && k < digits; ++k) {
            const int digit = HexValue(decoded[first + k]);
            valid = digit >= 0;
            value = value * 16 + static_cast<unsigned>(digit);
        }
        if (!valid) {
            name += u'%';
            ++i;
            continue;
        }
        name += static_cast<char16_t>(value);
        i = first + digits;
    }
    return Utf8(name);
}

void ChopTrailingBlanks(Utf16& text, std::size_t limit) {
    while (text.size() > limit && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
}

// A value: blanks around it are dropped unless it is quoted, "..." keeps ';', ',' and '=',
// a backslash escapes as in C (\xHH.. and \OOO giving one UTF-16 unit each). Returns false for
// a list (a comma outside quotes), which the store cannot hold. A value that ends inside an
// escape keeps its trailing blanks, as with QSettings.
bool UnescapeValue(std::string_view text, Utf16& value) {
    static constexpr std::string_view kEscapes = "a\ab\bf\fn\nr\rt\tv\v\"\"?\?''\\\\";
    bool inQuotes = false;
    bool quoted = false;
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    };
    skipBlanks();
    // Blanks in front of this position came from escapes or quotes and stay.
    std::size_t chopLimit = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\\') {
            if (++i == text.size()) return true;
            const char escape = text[i++];
            std::size_t simple = kEscapes.size();
            for (std::size_t k = 0; k < kEscapes.size(); k += 2) {
                if (kEscapes[k] == escape) simple = k;
            }
            if (simple < kEscapes.size()) {
                value += static_cast<char16_t>(kEscapes[simple + 1]);
            } else if (escape == 'x' && i < text.size() && HexValue(text[i]) >= 0) {
                std::uint16_t unit = 0;
                for (; i < text.size() && HexValue(text[i]) >= 0; ++i) {
                    unit = static_cast<std::uint16_t>((unit << 4) + HexValue(text[i]));
                }
                value += static_cast<char16_t>(unit);
                if (i == text.size()) return true;
            } else if (OctValue(escape) >= 0) {
                auto unit = static_cast<std::uint16_t>(OctValue(escape));
                for (; i < text.size() && OctValue(text[i]) >= 0; ++i) {
                    unit = static_cast<std::uint16_t>((unit << 3) + OctValue(text[i]));
                }
                value += static_cast<char16_t>(unit);
                if (i == text.size()) return true;
            } else if (escape == 'x' && i == text.size()) {
                return true;
            } else if ((escape == '\n' || escape == '\r') && i < text.size() &&
                       (text[i] == '\n' || text[i] == '\r') && text[i] != escape) {
                ++i;  // a line continued behind a backslash, ended by a pair of CR and LF
            }
            // Any other escaped character is dropped.
            chopLimit = value.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
                chopLimit = value.size();
            }
        } else if (c == ',' && !inQuotes) {
            return false;
        } else {
            std::size_t end = i + 1;
            while (end < text.size() && text[end] != '\\' && text[end] != '"' && text[end] != ',') {
                ++end;
            }
            AppendDecoded(text.substr(i, end - i), value);
            i = end;
        }
    }
    if (!quoted) ChopTrailingBlanks(value, chopLimit);
    return true;
}

// Stores one value the way QSettings types it: "@ByteArray(...)" is binary, "@String(...)"
// a string that holds NUL characters, "@@" stands for a leading '@'; other "@Type(...)"
// values are no strings and are left out.
void Store(const std::string& section, const std::string& key, const Utf16& value,
           MemoryProfileStore& store) {
    const std::u16string_view view(value);
    if (StartsWith(view, "@") && view.ends_with(u')')) {
        if (StartsWith(view, "@ByteArray(")) {
            store.WriteBinary(section, key, Latin1(view.substr(11, view.size() - 12)));
            return;
        }
        if (StartsWith(view, "@String(")) {
            store.WriteString(section, key, Utf8(Utf16(view.substr(8, view.size() - 9))));
            return;
        }
        for (std::string_view typed : {"@Variant(", "@DateTime(", "@Rect(", "@Size(", "@Point("}) {
            if (StartsWith(view, typed)) return;
        }
        if (view == u"@Invalid()") return;
    }
    if (StartsWith(view, "@@")) {
        store.WriteString(section, key, Utf8(Utf16(view.substr(1))));
        return;
    }
    store.WriteString(section, key, Utf8(value));
}

// One logical line from `pos` on, as QSettings divides the file: leading blanks and empty
// lines are skipped, a line goes on across line ends inside quotes and behind a backslash,
// ';' outside quotes ends it, and a line beginning with ';' or '#' is a comment and skipped.
struct Line {
    std::size_t start = 0;
    std::size_t length = 0;
    std::size_t equals = std::string_view::npos;  // the first '=' outside quotes
};

bool NextLine(std::string_view data, std::size_t& pos, Line& line) {
    line = Line{};
    std::size_t start = pos;
    while (start < data.size() && IsLineSpace(data[start])) ++start;
    bool inQuotes = false;
    std::size_t i = start;
    while (i < data.size()) {
        const char c = data[i];
        if (i == start && (c == ';' || c == '#')) {
            while (i < data.size() && data[i] != '\n' && data[i] != '\r') ++i;
            while (i < data.size() && IsLineSpace(data[i])) ++i;
            start = i;
            continue;
        }
        if (!IsSpecial(c)) {
            ++i;
            continue;
        }
        ++i;
        if (c == '=') {
            if (!inQuotes && line.equals == std::string_view::npos) line.equals = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (!inQuotes) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < data.size()) {
                const char escaped = data[i++];
                if (i < data.size() && ((escaped == '\n' && data[i] == '\r') ||
                                        (escaped == '\r' && data[i] == '\n'))) {
                    ++i;
                }
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (!inQuotes) {  // ';' behind the start of the line
            --i;
            break;
        }
    }
    pos = i;
    line.start = start;
    line.length = i - start;
    return line.length > 0;
}

}  // namespace

void QtIniReader::Parse(std::string_view text, MemoryProfileStore& store) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::string section;  // "" is the top level, QSettings' [General]
    std::size_t pos = 0;
    Line line;
    while (NextLine(text, pos, line)) {
        const std::string_view content = text.substr(line.start, line.length);
        if (content.front() == '[') {
            const std::size_t close = content.find(']');
            std::string_view name = Trimmed(
                close == std::string_view::npos ? content.substr(1) : content.substr(1, close - 1));
            if (EqualsAsciiNoCase(name, "general")) {
                section.clear();
            } else if (EqualsAsciiNoCase(name, "%general")) {
                section = name.substr(1);
            } else {
                section = UnescapedName(name);
            }
            continue;
        }
        if (line.equals == std::string_view::npos) continue;
        const std::string key =
            UnescapedName(Trimmed(text.substr(line.start, line.equals - line.start)));
        if (key.empty()) continue;
        Utf16 value;
        if (!UnescapeValue(text.substr(line.equals + 1, line.start + line.length - line.equals - 1),
                           value)) {
            continue;
        }
        Store(section, key, value, store);
    }
}

int QtIniReader::ReadFile(const std::string& path, MemoryProfileStore& store) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    std::string text;
    char buffer[65536];
    int error = 0;
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got > 0) {
            text.append(buffer, static_cast<std::size_t>(got));
        } else if (got == 0) {
            break;
        } else if (errno != EINTR) {
            error = errno;
            break;
        }
    }
    close(fd);
    if (error == 0) Parse(text, store);
    return error;
}

}  // namespace venkora
