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

// Windows code pages through the C library's converter: cp1250-1258, 874, 437, the Mac page
// 10000 and the double-byte pages of East Asian documents (932, 936, 949, 950). False for a page
// the converter does not have.
bool CodePageKnown(int codePage);
// Whether a byte starts a two-byte character in the page.
bool CodePageLeadByte(int codePage, unsigned char byte);
// A single byte, or a lead byte and its trail byte, as a code point; U+FFFD where the page has
// no character. cp1252 gives what Cp1252ToUnicode gives.
char32_t CodePageToUnicode(int codePage, unsigned char byte);
char32_t CodePageToUnicode(int codePage, unsigned char lead, unsigned char trail);
// The code page of a font's character set (the \fcharset numbers); 0 for the document's own.
int CharsetCodePage(int charset);
