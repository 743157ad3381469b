#include "RtfReader.h"

#include "RtfText.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

// Real documents nest a few dozen groups at most; anything deeper is skipped, so a hostile file
// cannot grow the state stack without bound.
constexpr size_t kMaxDepth = 128;
constexpr int kMaxIndent = 31680;    // 22 inches in twips
constexpr int kMaxHalfPoints = 3276; // 1638 points, the largest size the control shows
constexpr int kMaxFallback = 64;

enum class Dest { Body, Skip, FontTable, ColorTable };

struct State {
    Dest dest = Dest::Body;
    int font = -1;  // -1: the document's default font
    int color = -1; // -1: automatic
    std::optional<int> size;
    std::optional<bool> bold, italic, underline, strikeOut;
    bool hidden = false;
    RtfParagraphFormat para;
    int uc = 1;
    bool starred = false;
};

// Destinations whose content is never body text: tables, document properties, pictures,
// objects, headers and footers, notes, field instructions and the like.
bool IsSkippedDestination(std::string_view w) {
    static const char* const kWords[] = {"aftncn",      "aftnsep",      "aftnsepc",
                                         "annotation",  "atnauthor",    "atndate",
                                         "atnicn",      "atnid",        "atnparent",
                                         "atnref",      "atntime",      "atrfend",
                                         "atrfstart",   "author",       "background",
                                         "bkmkend",     "bkmkstart",    "blipuid",
                                         "buptim",      "category",     "colorschememapping",
                                         "comment",     "company",      "creatim",
                                         "datafield",   "datastore",    "defchp",
                                         "defpap",      "do",           "doccomm",
                                         "docvar",      "dptxbxtext",   "falt",
                                         "ffdeftext",   "ffentrymcr",   "ffexitmcr",
                                         "ffformat",    "ffhelptext",   "ffl",
                                         "ffname",      "ffstattext",   "file",
                                         "filetbl",     "fldinst",      "fontemb",
                                         "fontfile",    "footer",       "footerf",
                                         "footerl",     "footerr",      "footnote",
                                         "formfield",   "ftncn",        "ftnsep",
                                         "ftnsepc",     "generator",    "header",
                                         "headerf",     "headerl",      "headerr",
                                         "hlinkbase",   "info",         "keycode",
                                         "keywords",    "latentstyles", "listoverridetable",
                                         "listpicture", "listtable",    "manager",
                                         "mmathPr",     "nonshppict",   "object",
                                         "objclass",    "objdata",      "objname",
                                         "operator",    "panose",       "pgdsctbl",
                                         "pict",        "picprop",      "pn",
                                         "pnseclvl",    "pntxta",       "pntxtb",
                                         "printim",     "private",      "propname",
                                         "protusertbl", "revtbl",       "revtim",
                                         "rsidtbl",     "result",       "shp",
                                         "shpinst",     "shppict",      "shptxt",
                                         "sn",          "sp",           "stylesheet",
                                         "subject",     "sv",           "tc",
                                         "tcn",         "template",     "themedata",
                                         "title",       "txe",          "userprops",
                                         "xe",          "xmlnstbl"};
    static const std::unordered_set<std::string_view> kSet(std::begin(kWords), std::end(kWords));
    return kSet.count(w) != 0;
}

class Reader {
public:
    explicit Reader(std::string_view in) : in_(in) {}

    RtfDocument Run() {
        pos_ = in_.find('{');
        while (pos_ < in_.size() && !done_) {
            char c = in_[pos_++];
            if (c == '{')
                OpenGroup();
            else if (c == '}')
                CloseGroup();
            else if (c == '\\')
                ControlSequence();
            else if (c != '\r' && c != '\n')
                Byte(static_cast<unsigned char>(c));
        }
        Flush();
        if (!current_.runs.empty()) EndParagraph();
        return std::move(doc_);
    }

private:
    bool Skipping() const { return overflow_ > 0 || st_.dest == Dest::Skip; }

    void OpenGroup() {
        fallback_ = 0;
        lead_ = -1;
        if (overflow_ > 0 || stack_.size() >= kMaxDepth) {
            ++overflow_;
            return;
        }
        st_.starred = false;
        stack_.push_back(st_);
    }

    void CloseGroup() {
        fallback_ = 0;
        lead_ = -1;
        if (overflow_ > 0) {
            --overflow_;
            return;
        }
        if (st_.dest == Dest::FontTable) CommitFont();
        if (stack_.size() <= 1) {
            // The document's own group has ended; what follows is not RTF. Its state stays,
            // since it formats a last paragraph that has no \par.
            done_ = true;
            return;
        }
        st_ = stack_.back();
        stack_.pop_back();
        dirty_ = true;
    }

    void ControlSequence() {
        if (pos_ >= in_.size()) return;
        char c = in_[pos_];
        if (!IsLetter(c)) {
            ++pos_;
            Symbol(c);
            return;
        }
        size_t start = pos_;
        while (pos_ < in_.size() && IsLetter(in_[pos_]))
            ++pos_;
        std::string_view word = in_.substr(start, pos_ - start);
        bool hasParam = false;
        std::int64_t value = 0;
        bool negative = false;
        if (pos_ + 1 < in_.size() && in_[pos_] == '-' && IsDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        while (pos_ < in_.size() && IsDigit(in_[pos_])) {
            hasParam = true;
            value = std::min<std::int64_t>(value * 10 + (in_[pos_] - '0'), 10000000000LL);
            ++pos_;
        }
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
        value = std::clamp<std::int64_t>(negative ? -value : value, INT32_MIN, INT32_MAX);
        Word(word, hasParam, int(value));
    }

    static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static int HexValue(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    void Symbol(char c) {
        if (c == '\'') {
            int hi = pos_ < in_.size() ? HexValue(in_[pos_]) : -1;
            int lo = hi >= 0 && pos_ + 1 < in_.size() ? HexValue(in_[pos_ + 1]) : -1;
            if (hi < 0 || lo < 0) {
                pos_ += hi >= 0 ? 1 : 0;
                return;
            }
            pos_ += 2;
            if (TakeFallback()) return;
            TextByte(static_cast<unsigned char>(hi * 16 + lo));
            return;
        }
        if (c == '*') {
            if (!Skipping()) st_.starred = true;
            return;
        }
        if (TakeFallback()) return;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            Char(static_cast<unsigned char>(c), true);
            break;
        case '~':
            Char(0x00A0, true);
            break;
        case '-':
            Char(0x00AD, true);
            break;
        case '_':
            Char(0x2011, true);
            break;
        case '\r':
        case '\n':
            if (!Skipping() && st_.dest == Dest::Body) EndParagraph();
            break;
        case '\t':
            Char('\t', true);
            break;
        default:
            break; // \: \| and unknown symbols carry nothing to show
        }
    }

    // A character of a \u fallback is being skipped: true when this token was one of them.
    bool TakeFallback() {
        if (fallback_ == 0) return false;
        --fallback_;
        return true;
    }

    void Word(std::string_view w, bool hasParam, int value) {
        if (w == "bin") {
            // Raw binary data: its bytes are never tokens, whatever they look like.
            std::int64_t n = hasParam ? std::max(value, 0) : 0;
            pos_ += size_t(std::min<std::int64_t>(n, std::int64_t(in_.size() - pos_)));
            TakeFallback();
            return;
        }
        lead_ = -1;
        if (TakeFallback()) return;
        bool starred = st_.starred;
        st_.starred = false;
        if (Skipping()) return;
        if (starred || IsSkippedDestination(w)) {
            st_.dest = Dest::Skip;
            return;
        }
        int on = !hasParam || value != 0;
        if (w == "fonttbl") {
            st_.dest = Dest::FontTable;
            tableFont_ = -1;
            fontName_.clear();
        } else if (w == "colortbl") {
            st_.dest = Dest::ColorTable;
            colors_.clear();
            red_ = green_ = blue_ = -1;
            dirty_ = true;
        } else if (w == "ansicpg") {
            if (hasParam && CodePageKnown(value)) ansiCodePage_ = value;
        } else if (w == "deff") {
            deff_ = value;
            dirty_ = true;
        } else if (w == "uc") {
            st_.uc = std::clamp(hasParam ? value : 1, 0, kMaxFallback);
        } else if (w == "u") {
            Unicode(value);
        } else if (st_.dest == Dest::FontTable) {
            if (w == "f") {
                CommitFont();
                tableFont_ = std::max(value, 0);
            } else if (w == "fcharset" && hasParam) {
                if (!tableCodePageFixed_) tableCodePage_ = CharsetCodePage(value);
            } else if (w == "cpg" && hasParam && CodePageKnown(value)) {
                tableCodePage_ = value; // a code page named outright wins over the character set
                tableCodePageFixed_ = true;
            }
        } else if (st_.dest == Dest::ColorTable) {
            int v = std::clamp(value, 0, 255);
            if (w == "red")
                red_ = v;
            else if (w == "green")
                green_ = v;
            else if (w == "blue")
                blue_ = v;
        } else {
            BodyWord(w, hasParam, value, on);
        }
    }

    void BodyWord(std::string_view w, bool hasParam, int value, bool on) {
        static const struct {
            const char* word;
            char32_t cp;
        } kChars[] = {{"line", '\n'},        {"tab", '\t'},         {"cell", '\t'},      {"emdash", 0x2014},
                      {"endash", 0x2013},    {"bullet", 0x2022},    {"lquote", 0x2018},  {"rquote", 0x2019},
                      {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003}, {"enspace", 0x2002},
                      {"qmspace", 0x2005}};
        for (const auto& k : kChars)
            if (w == k.word) {
                Char(k.cp, true);
                return;
            }
        if (w == "par" || w == "sect" || w == "page" || w == "row") {
            EndParagraph();
        } else if (w == "pard") {
            st_.para = {};
        } else if (w == "plain") {
            st_.font = -1;
            st_.color = -1;
            st_.size.reset();
            st_.bold.reset();
            st_.italic.reset();
            st_.underline.reset();
            st_.strikeOut.reset();
            st_.hidden = false;
            dirty_ = true;
        } else if (w == "b") {
            SetFlag(st_.bold, on);
        } else if (w == "i") {
            SetFlag(st_.italic, on);
        } else if (w == "strike" || w == "striked") {
            SetFlag(st_.strikeOut, on);
        } else if (w == "ulnone") {
            SetFlag(st_.underline, false);
        } else if (w.substr(0, 2) == "ul" && IsUnderlineWord(w)) {
            SetFlag(st_.underline, on);
        } else if (w == "f") {
            st_.font = std::max(value, 0);
            dirty_ = true;
        } else if (w == "fs") {
            if (hasParam && value > 0)
                st_.size = std::min(std::max(value, 2), kMaxHalfPoints);
            else
                st_.size.reset();
            dirty_ = true;
        } else if (w == "cf") {
            st_.color = std::max(value, 0);
            dirty_ = true;
        } else if (w == "v") {
            st_.hidden = on;
        } else if (w == "ql") {
            st_.para.alignment = RtfAlignment::Left;
        } else if (w == "qr") {
            st_.para.alignment = RtfAlignment::Right;
        } else if (w == "qc") {
            st_.para.alignment = RtfAlignment::Center;
        } else if (w == "qj") {
            st_.para.alignment = RtfAlignment::Justify;
        } else if (w == "li") {
            st_.para.leftIndent = std::clamp(value, 0, kMaxIndent);
        } else if (w == "ri") {
            st_.para.rightIndent = std::clamp(value, 0, kMaxIndent);
        } else if (w == "fi") {
            st_.para.firstIndent = std::clamp(value, -kMaxIndent, kMaxIndent);
        }
    }

    static bool IsUnderlineWord(std::string_view w) {
        static const char* const kKinds[] = {"ul",       "uld",       "uldash",     "uldashd",   "uldashdd",
                                             "uldb",     "ulhwave",   "ulldash",    "ulth",      "ulthd",
                                             "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave",
                                             "ulw",      "ulwave"};
        for (const char* k : kKinds)
            if (w == k) return true;
        return false;
    }

    void SetFlag(std::optional<bool>& flag, bool on) {
        flag = on;
        dirty_ = true;
    }

    void Unicode(int value) {
        std::int64_t v = value < 0 ? std::int64_t(value) + 65536 : value;
        fallback_ = st_.uc;
        if (v < 0 || v > 0x10FFFF) {
            Char(0xFFFD, false);
        } else if (v >= 0xD800 && v <= 0xDBFF) {
            if (high_) {
                high_ = 0;
                Char(0xFFFD, false);
            }
            high_ = char32_t(v);
        } else if (v >= 0xDC00 && v <= 0xDFFF) {
            if (high_) {
                char32_t cp = 0x10000 + ((high_ - 0xD800) << 10) + (char32_t(v) - 0xDC00);
                high_ = 0;
                Char(cp, false);
            } else {
                Char(0xFFFD, false);
            }
        } else {
            Char(char32_t(v), false);
        }
    }

    // A byte of text outside any control sequence.
    void Byte(unsigned char b) {
        if (TakeFallback()) return;
        st_.starred = false;
        if (Skipping()) return;
        if (st_.dest == Dest::FontTable && b == ';') {
            CommitFont();
            return;
        }
        if (st_.dest == Dest::ColorTable) {
            if (b == ';') CommitColor();
            return;
        }
        if (b == '\t')
            Char('\t', false);
        else if (b >= 0x20)
            TextByte(b);
    }

    // The code page the current text's bytes are in: its font's character set, else the
    // document's page.
    int CodePage() const {
        if (st_.dest == Dest::FontTable) return tableCodePage_ > 0 ? tableCodePage_ : ansiCodePage_;
        int font = st_.font >= 0 ? st_.font : deff_.value_or(-1);
        auto it = fontCodePages_.find(font);
        return it != fontCodePages_.end() && it->second > 0 ? it->second : ansiCodePage_;
    }

    // A byte of text in the current code page; in the double-byte pages a lead byte waits for
    // the byte after it.
    void TextByte(unsigned char b) {
        const int cp = CodePage();
        if (lead_ >= 0) {
            const auto lead = static_cast<unsigned char>(lead_);
            lead_ = -1;
            if (leadPage_ == cp) {
                Char(CodePageToUnicode(cp, lead, b), false);
                return;
            }
            Char(0xFFFD, false);
        }
        if (CodePageLeadByte(cp, b)) {
            lead_ = b;
            leadPage_ = cp;
            return;
        }
        Char(CodePageToUnicode(cp, b), false);
    }

    // A character for the current destination. A line break comes only from the \line word;
    // other control characters carry nothing to show, whatever escape they came in.
    void Char(char32_t cp, bool fromWord) {
        if (Skipping()) return;
        lead_ = -1; // a lead byte not followed by its trail byte
        if (high_ && !(cp >= 0xDC00 && cp <= 0xDFFF)) {
            high_ = 0;
            Char(0xFFFD, false);
        }
        if ((cp < 0x20 && cp != '\t' && !(cp == '\n' && fromWord)) || cp == 0x7F) return;
        if (st_.dest == Dest::FontTable) {
            if (cp >= 0x20) AppendUtf8(fontName_, cp);
            return;
        }
        if (st_.dest != Dest::Body || st_.hidden) return;
        if (dirty_) {
            RtfCharFormat f = Resolved();
            if (!pending_.empty() && f != pendingFormat_) Flush();
            pendingFormat_ = std::move(f);
            dirty_ = false;
        }
        AppendUtf8(pending_, cp);
    }

    RtfCharFormat Resolved() const {
        RtfCharFormat f;
        int font = st_.font >= 0 ? st_.font : deff_.value_or(-1);
        if (font >= 0) {
            auto it = fonts_.find(font);
            if (it != fonts_.end() && !it->second.empty()) f.fontName = it->second;
        }
        f.sizeHalfPoints = st_.size;
        f.bold = st_.bold;
        f.italic = st_.italic;
        f.underline = st_.underline;
        f.strikeOut = st_.strikeOut;
        if (st_.color >= 0 && size_t(st_.color) < colors_.size()) f.color = colors_[st_.color];
        return f;
    }

    void Flush() {
        current_.Append(pending_, pendingFormat_);
        pending_.clear();
    }

    void EndParagraph() {
        Flush();
        current_.format = st_.para;
        current_.endFormat = Resolved();
        doc_.paragraphs.push_back(std::move(current_));
        current_ = {};
        dirty_ = true;
    }

    void CommitFont() {
        if (tableFont_ >= 0) {
            size_t a = fontName_.find_first_not_of(' ');
            size_t b = fontName_.find_last_not_of(' ');
            fonts_[tableFont_] = a == std::string::npos ? std::string() : fontName_.substr(a, b - a + 1);
            fontCodePages_[tableFont_] = tableCodePage_;
            dirty_ = true;
        }
        tableFont_ = -1;
        tableCodePage_ = 0;
        tableCodePageFixed_ = false;
        fontName_.clear();
    }

    void CommitColor() {
        if (red_ < 0 && green_ < 0 && blue_ < 0)
            colors_.push_back(std::nullopt);
        else
            colors_.push_back(RGB(std::max(red_, 0), std::max(green_, 0), std::max(blue_, 0)));
        red_ = green_ = blue_ = -1;
        dirty_ = true;
    }

    std::string_view in_;
    size_t pos_ = 0;
    bool done_ = false;
    std::vector<State> stack_;
    State st_;
    size_t overflow_ = 0;
    int fallback_ = 0;
    char32_t high_ = 0;

    std::map<int, std::string> fonts_;
    std::map<int, int> fontCodePages_; // 0: the document's page
    int ansiCodePage_ = 1252;
    int tableCodePage_ = 0;
    bool tableCodePageFixed_ = false;
    int lead_ = -1; // a lead byte waiting for its trail byte
    int leadPage_ = 0;
    std::optional<int> deff_;
    int tableFont_ = -1;
    std::string fontName_;
    std::vector<std::optional<TColor>> colors_;
    int red_ = -1, green_ = -1, blue_ = -1;

    RtfDocument doc_;
    RtfParagraph current_;
    std::string pending_;
    RtfCharFormat pendingFormat_;
    bool dirty_ = true;
};

} // namespace

bool IsRtf(std::string_view bytes) {
    size_t i = bytes.find_first_not_of(" \t\r\n");
    return i != std::string_view::npos && bytes.substr(i, 5) == "{\\rtf";
}

RtfDocument ReadRtf(std::string_view bytes) {
    if (!IsRtf(bytes)) return RtfDocumentFromText(DecodeTextBytes(bytes));
    return Reader(bytes).Run();
}

RtfDocument RtfDocumentFromText(std::string_view text) {
    RtfDocument doc;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
        RtfParagraph p;
        p.Append(std::string(text.substr(start, i - start)), {});
        bool last = i == text.size();
        if (!last || !p.runs.empty()) doc.paragraphs.push_back(std::move(p));
        if (!last && text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    return doc;
}
