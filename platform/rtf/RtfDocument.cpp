#include "RtfDocument.h"

std::string RtfParagraph::Text() const {
    std::string s;
    for (const RtfRun& r : runs)
        s += r.text;
    return s;
}

void RtfParagraph::Append(const std::string& text, const RtfCharFormat& format) {
    if (text.empty()) return;
    if (!runs.empty() && runs.back().format == format)
        runs.back().text += text;
    else
        runs.push_back({text, format});
}

std::string RtfDocument::PlainText() const {
    std::string s;
    for (size_t i = 0; i < paragraphs.size(); ++i) {
        if (i) s += '\n';
        s += paragraphs[i].Text();
    }
    return s;
}
