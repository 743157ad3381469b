#pragma once
#include "RtfDocument.h"

#include <string>

// Writes a document as RTF in the plain dialect word processors read: a font and colour table,
// cp1252 text with \'hh escapes, \uN with a '?' fallback for anything else. Unset attributes
// are left out, so reading the result back gives the same document.
std::string WriteRtf(const RtfDocument& doc);
