#pragma once
#include <string>
#include <string_view>

// Character-set helpers shared by the RTF reader and writer and the plain-text load and save.

// Appends a code point as UTF-8; surrogates and values past U+10FFFF become U+FFFD.
void AppendUtf8(std::string& out, char32_t cp);

// Reads one code point at pos and moves pos past it; a malformed sequence gives U+FFFD and
// moves one byte on. Returns false at the end of the text.
bool NextUtf8(std::string_view text, size_t& pos, char32_t& cp);

// The Windows "ANSI" code page of Western documents.
char32_t Cp1252ToUnicode(unsigned char byte);
// The cp1252 byte for a code point, or -1 when it has none.
int UnicodeToCp1252(char32_t cp);

// File bytes as text: UTF-8 when they are valid UTF-8 (a leading byte-order mark dropped),
// otherwise cp1252, which any byte sequence is.
std::string DecodeTextBytes(std::string_view bytes);
