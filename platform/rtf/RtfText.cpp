#include "RtfText.h"

#include <cerrno>
#include <iconv.h>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace {

// cp1252 0x80..0x9F; the five holes keep their C1 code points, as Windows maps them.
constexpr char16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// One code point at pos; false (and U+FFFD, one byte on) for a malformed sequence.
bool DecodeOne(std::string_view s, size_t& pos, char32_t& cp) {
    unsigned char b = static_cast<unsigned char>(s[pos]);
    int extra;
    char32_t min;
    if (b < 0x80) {
        cp = b;
        ++pos;
        return true;
    } else if ((b & 0xE0) == 0xC0) {
        extra = 1, cp = b & 0x1F, min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        extra = 2, cp = b & 0x0F, min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        extra = 3, cp = b & 0x07, min = 0x10000;
    } else {
        extra = -1, min = 0;
    }
    bool ok = extra > 0 && pos + extra < s.size();
    for (int i = 1; ok && i <= extra; ++i) {
        unsigned char c = static_cast<unsigned char>(s[pos + i]);
        ok = (c & 0xC0) == 0x80;
        cp = (cp << 6) | (c & 0x3F);
    }
    ok = ok && cp >= min && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
    if (!ok) {
        cp = 0xFFFD;
        ++pos;
        return false;
    }
    pos += extra + 1;
    return true;
}

bool ValidUtf8(std::string_view s) {
    size_t pos = 0;
    char32_t cp;
    while (pos < s.size())
        if (!DecodeOne(s, pos, cp)) return false;
    return true;
}

} // namespace

void AppendUtf8(std::string& out, char32_t cp) {
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = 0xFFFD;
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

bool NextUtf8(std::string_view s, size_t& pos, char32_t& cp) {
    if (pos >= s.size()) return false;
    DecodeOne(s, pos, cp);
    return true;
}

char32_t Cp1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kCp1252High[byte - 0x80];
    return byte;
}

int UnicodeToCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return int(cp);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == cp) return 0x80 + i;
    return -1;
}

std::string DecodeTextBytes(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return std::string(bytes.substr(3));
    if (ValidUtf8(bytes)) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char c : bytes)
        AppendUtf8(out, Cp1252ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

namespace {

std::string iconvName(int codePage) {
    switch (codePage) {
    case 10000:
        return "MACINTOSH";
    case 1361:
        return "JOHAB";
    default:
        return "CP" + std::to_string(codePage);
    }
}

// One page: what each byte is alone, and the converter for two-byte characters.
struct CodePage {
    iconv_t cd = iconv_t(-1);
    char32_t single[256] = {};
    bool lead[256] = {};
    std::mutex m; // the converter keeps state between calls

    CodePage() = default;
    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;
    ~CodePage() {
        if (cd != iconv_t(-1)) iconv_close(cd);
    }

    char32_t convert(const char* bytes, std::size_t n, bool* incomplete) {
        char in[2] = {bytes[0], n > 1 ? bytes[1] : '\0'};
        char32_t out[4] = {};
        char* ip = in;
        char* op = reinterpret_cast<char*>(out);
        std::size_t il = n, ol = sizeof out;
        std::lock_guard lock(m);
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const std::size_t r = iconv(cd, &ip, &il, &op, &ol);
        if (incomplete) *incomplete = r == std::size_t(-1) && errno == EINVAL;
        if (r == std::size_t(-1) || op == reinterpret_cast<char*>(out)) return 0xFFFD;
        return out[0];
    }
};

CodePage* page(int codePage) {
    static std::mutex m;
    static std::map<int, std::unique_ptr<CodePage>> pages;
    std::lock_guard lock(m);
    auto it = pages.find(codePage);
    if (it != pages.end()) return it->second.get();
    std::unique_ptr<CodePage> p;
    if (codePage > 0 && codePage < 100000) {
        iconv_t cd = iconv_open("UTF-32LE", iconvName(codePage).c_str());
        if (cd != iconv_t(-1)) {
            p = std::make_unique<CodePage>();
            p->cd = cd;
            for (int b = 0; b < 256; ++b) {
                const char c = char(b);
                bool incomplete = false;
                p->single[b] = p->convert(&c, 1, &incomplete);
                p->lead[b] = incomplete;
            }
        }
    }
    CodePage* raw = p.get();
    pages.emplace(codePage, std::move(p)); // pages live as long as the program
    return raw;
}

} // namespace

bool CodePageKnown(int codePage) {
    return codePage == 1252 || page(codePage) != nullptr;
}

bool CodePageLeadByte(int codePage, unsigned char byte) {
    if (codePage == 1252) return false;
    CodePage* p = page(codePage);
    return p && p->lead[byte];
}

char32_t CodePageToUnicode(int codePage, unsigned char byte) {
    CodePage* p = codePage == 1252 ? nullptr : page(codePage);
    if (!p) return Cp1252ToUnicode(byte);
    return p->single[byte];
}

char32_t CodePageToUnicode(int codePage, unsigned char lead, unsigned char trail) {
    CodePage* p = codePage == 1252 ? nullptr : page(codePage);
    if (!p) return 0xFFFD;
    const char bytes[2] = {char(lead), char(trail)};
    return p->convert(bytes, 2, nullptr);
}

int CharsetCodePage(int charset) {
    switch (charset) {
    case 0:
        return 1252;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 255:
        return 437;
    default:
        return 0; // the default and symbol sets, and any other: the document's page
    }
}
