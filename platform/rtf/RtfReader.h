#pragma once
#include "RtfDocument.h"

#include <string_view>

// True when the bytes begin as an RTF document does: "{\rtf", after any white space.
bool IsRtf(std::string_view bytes);

// Reads an RTF document. It never fails: damaged input (unbalanced braces, truncation, absurd
// numbers, runaway nesting) gives the text that could be read up to the damage, and bytes that
// are not RTF at all give their text as plain paragraphs (see RtfDocumentFromText).
RtfDocument ReadRtf(std::string_view bytes);

// Plain text as paragraphs, split at CR LF, CR or LF, with no attributes.
RtfDocument RtfDocumentFromText(std::string_view utf8);
