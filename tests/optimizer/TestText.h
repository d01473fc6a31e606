#pragma once
// Readable renderings of byte texts and option records for failure messages.

#include <cstdio>
#include <string>
#include <string_view>

#include "optimizer/OptimizeOptions.h"

namespace venkora::test {

// The bytes as a C string literal: control bytes and bytes above 0x7E as escapes.
inline std::string Escaped(std::string_view bytes) {
    std::string out = "\"";
    for (const char c : bytes) {
        switch (c) {
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            default: {
                const auto byte = static_cast<unsigned char>(c);
                if (byte < 0x20 || byte > 0x7E) {
                    char hex[8];
                    std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned>(byte));
                    out += hex;
                } else {
                    out += c;
                }
            }
        }
    }
    out += '"';
    return out;
}

// Every field of the record, in declaration order.
inline std::string Describe(const OptimizeOptions& o) {
    std::string out = "bendefZeichen=" + Escaped(o.bendefZeichen);
    const auto field = [&out](std::string_view name, long long value) {
        out += ' ';
        out += name;
        out += '=';
        out += std::to_string(value);
    };
    field("bendefAnf", o.bendefAnf);
    field("bendefEnde", o.bendefEnde);
    field("bendef", o.bendef);
    field("leerzAnf", o.leerzAnf);
    field("leerzEnde", o.leerzEnde);
    field("leerz", o.leerz);
    field("bereich", o.bereich);
    field("tabAnf", o.tabAnf);
    field("tab", o.tab);
    field("tabEnde", o.tabEnde);
    field("zeilenumbruch", o.zeilenumbruch);
    field("nurLeerzeilen", o.nurLeerzeilen);
    field("leerzZuTab", o.leerzZuTab);
    field("tabbreite", o.tabbreite);
    field("tabZuLeerz", o.tabZuLeerz);
    field("loescheUeberz", o.loescheUeberz);
    return out;
}

}  // namespace venkora::test
