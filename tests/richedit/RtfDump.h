#pragma once
#include "RtfDocument.h"

#include <cstdio>
#include <string>

// A document as one line, for tables of expected results: paragraphs joined by '|', each
// paragraph's non-default format in braces ("{qc ri20}"), each run's set attributes in brackets
// before its text ("[Arial,24,b,i0,u,s,#ff0000]text").
inline std::string DumpFormat(const RtfCharFormat& f) {
    std::string a;
    auto add = [&](const std::string& s) { a += (a.empty() ? "" : ",") + s; };
    if (f.fontName) add(*f.fontName);
    if (f.sizeHalfPoints) add(std::to_string(*f.sizeHalfPoints));
    auto flag = [&](const char* n, const std::optional<bool>& v) {
        if (v) add(std::string(n) + (*v ? "" : "0"));
    };
    flag("b", f.bold);
    flag("i", f.italic);
    flag("u", f.underline);
    flag("s", f.strikeOut);
    if (f.color) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "#%02x%02x%02x", GetRValue(*f.color), GetGValue(*f.color),
                      GetBValue(*f.color));
        add(hex);
    }
    return a.empty() ? a : "[" + a + "]";
}

inline std::string Dump(const RtfDocument& d) {
    std::string s;
    for (size_t i = 0; i < d.paragraphs.size(); ++i) {
        const RtfParagraph& p = d.paragraphs[i];
        if (i) s += '|';
        std::string pf;
        auto add = [&](const std::string& x) { pf += (pf.empty() ? "" : " ") + x; };
        static const char* const kAlign[] = {"", "qr", "qc", "qj"};
        if (p.format.alignment != RtfAlignment::Left) add(kAlign[int(p.format.alignment)]);
        if (p.format.leftIndent) add("li" + std::to_string(p.format.leftIndent));
        if (p.format.rightIndent) add("ri" + std::to_string(p.format.rightIndent));
        if (p.format.firstIndent) add("fi" + std::to_string(p.format.firstIndent));
        if (!pf.empty()) s += "{" + pf + "}";
        for (const RtfRun& r : p.runs)
            s += DumpFormat(r.format) + r.text;
    }
    return s;
}
