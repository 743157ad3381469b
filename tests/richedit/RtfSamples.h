#pragma once
#include <string>
#include <vector>

// Small documents made by hand in the dialects common word processors write.
extern const char* const kWordPadSample; // Msftedit: \viewkind4\uc1\pard, a flat font table
extern const char* const kWordSample;    // Word: stylesheet, info, themes, fields, pictures, header
extern const char* const kWriterSample;  // LibreOffice: \deff, \u with \'hh fallbacks, page styles

// The samples plus a few small documents that reach the rarer paths; the fuzz test's seeds.
std::vector<std::string> RtfSeedCorpus();
