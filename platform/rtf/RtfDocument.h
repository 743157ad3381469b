#pragma once
#include "TColor.h"

#include <optional>
#include <string>
#include <vector>

// The document model the rich-edit control loads and saves: paragraphs of runs, each run one
// stretch of text with one set of character attributes. It knows nothing of widgets, so the RTF
// reader and writer are tested on their own.
//
// Text is UTF-8. Inside a run, '\t' is a tab and '\n' a line break within the paragraph (RTF's
// \line); paragraphs themselves carry no break character.

// Character attributes. An unset field means "whatever the control's default is": a document
// that names no font or size shows in the control's own font.
struct RtfCharFormat {
    std::optional<std::string> fontName;
    std::optional<int> sizeHalfPoints; // RTF's \fs unit
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<bool> underline;
    std::optional<bool> strikeOut;
    std::optional<TColor> color; // plain RGB; unset is the automatic colour

    bool operator==(const RtfCharFormat&) const = default;
};

enum class RtfAlignment { Left, Right, Center, Justify };

// Paragraph attributes; indents in twips (1/1440 inch).
struct RtfParagraphFormat {
    RtfAlignment alignment = RtfAlignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0; // relative to the left indent, may be negative

    bool operator==(const RtfParagraphFormat&) const = default;
};

struct RtfRun {
    std::string text;
    RtfCharFormat format;

    bool operator==(const RtfRun&) const = default;
};

struct RtfParagraph {
    RtfParagraphFormat format;
    std::vector<RtfRun> runs;
    // The attributes of the paragraph mark; they decide the height of an empty paragraph.
    RtfCharFormat endFormat;

    std::string Text() const;
    // Appends text in the given format, joining it to the last run when the formats match.
    void Append(const std::string& text, const RtfCharFormat& format);

    bool operator==(const RtfParagraph&) const = default;
};

struct RtfDocument {
    std::vector<RtfParagraph> paragraphs;

    // The paragraphs' texts joined with '\n'.
    std::string PlainText() const;

    bool operator==(const RtfDocument&) const = default;
};
