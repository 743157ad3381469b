#include "RtfWriter.h"

#include "RtfText.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

namespace {

class Writer {
public:
    explicit Writer(const RtfDocument& doc) : doc_(doc) {}

    std::string Run() {
        for (const RtfParagraph& p : doc_.paragraphs) {
            for (const RtfRun& r : p.runs)
                Collect(r.format);
            Collect(p.endFormat);
        }
        out_ = "{\\rtf1\\ansi\\ansicpg1252";
        if (!fonts_.empty()) {
            out_ += "{\\fonttbl";
            for (size_t i = 0; i < fonts_.size(); ++i) {
                out_ += "{\\f" + std::to_string(i) + "\\fnil ";
                Text(fonts_[i], true);
                out_ += ";}";
            }
            out_ += '}';
        }
        if (!colors_.empty()) {
            out_ += "\r\n{\\colortbl ;";
            for (TColor c : colors_)
                out_ += "\\red" + std::to_string(GetRValue(c)) + "\\green" + std::to_string(GetGValue(c)) +
                        "\\blue" + std::to_string(GetBValue(c)) + ';';
            out_ += '}';
        }
        out_ += "\r\n\\viewkind4\\uc1";
        for (const RtfParagraph& p : doc_.paragraphs) {
            out_ += "\\pard";
            Paragraph(p.format);
            for (const RtfRun& r : p.runs) {
                Format(r.format);
                out_ += ' ';
                Text(r.text, false);
            }
            Format(p.endFormat);
            out_ += "\\par\r\n";
        }
        out_ += "}\r\n";
        return std::move(out_);
    }

private:
    void Collect(const RtfCharFormat& f) {
        if (f.fontName && std::find(fonts_.begin(), fonts_.end(), *f.fontName) == fonts_.end())
            fonts_.push_back(*f.fontName);
        if (f.color && std::find(colors_.begin(), colors_.end(), *f.color) == colors_.end())
            colors_.push_back(*f.color);
    }

    void Paragraph(const RtfParagraphFormat& p) {
        static const char* const kAlign[] = {"", "\\qr", "\\qc", "\\qj"};
        out_ += kAlign[int(p.alignment)];
        if (p.leftIndent) out_ += "\\li" + std::to_string(p.leftIndent);
        if (p.rightIndent) out_ += "\\ri" + std::to_string(p.rightIndent);
        if (p.firstIndent) out_ += "\\fi" + std::to_string(p.firstIndent);
    }

    void Flag(const char* word, const std::optional<bool>& v) {
        if (!v) return;
        out_ += word;
        if (!*v) out_ += '0';
    }

    void Format(const RtfCharFormat& f) {
        out_ += "\\plain";
        if (f.fontName)
            out_ +=
                "\\f" + std::to_string(std::find(fonts_.begin(), fonts_.end(), *f.fontName) - fonts_.begin());
        if (f.sizeHalfPoints) out_ += "\\fs" + std::to_string(*f.sizeHalfPoints);
        Flag("\\b", f.bold);
        Flag("\\i", f.italic);
        if (f.underline) out_ += *f.underline ? "\\ul" : "\\ulnone";
        Flag("\\strike", f.strikeOut);
        if (f.color)
            out_ += "\\cf" + std::to_string(
                                 1 + (std::find(colors_.begin(), colors_.end(), *f.color) - colors_.begin()));
    }

    // In a font name a ';' would end the entry, so it goes out escaped.
    void Text(std::string_view s, bool fontName) {
        size_t pos = 0;
        char32_t cp;
        while (NextUtf8(s, pos, cp)) {
            if (cp == '\\' || cp == '{' || cp == '}') {
                out_ += '\\';
                out_ += char(cp);
            } else if (cp == ';' && fontName) {
                out_ += "\\'3b";
            } else if (cp >= 0x20 && cp < 0x7F) {
                out_ += char(cp);
            } else if (cp == '\t') {
                out_ += "\\tab ";
            } else if (cp == '\n') {
                out_ += "\\line ";
            } else if (cp < 0x20 || cp == 0x7F) {
                // control characters have no place in the text
            } else if (cp == 0x00A0) {
                out_ += "\\~";
            } else if (cp == 0x00AD) {
                out_ += "\\-";
            } else if (cp == 0x2011) {
                out_ += "\\_";
            } else if (int b = UnicodeToCp1252(cp); b >= 0) {
                char hex[16];
                std::snprintf(hex, sizeof hex, "\\'%02x", b);
                out_ += hex;
            } else if (cp < 0x10000) {
                Unicode(cp);
            } else {
                cp -= 0x10000;
                Unicode(0xD800 + (cp >> 10));
                Unicode(0xDC00 + (cp & 0x3FF));
            }
        }
    }

    void Unicode(char32_t unit) {
        int v = unit > 0x7FFF ? int(unit) - 0x10000 : int(unit);
        out_ += "\\u" + std::to_string(v) + '?';
    }

    const RtfDocument& doc_;
    std::string out_;
    std::vector<std::string> fonts_;
    std::vector<TColor> colors_;
};

} // namespace

std::string WriteRtf(const RtfDocument& doc) {
    return Writer(doc).Run();
}
