#include "RtfReader.h"
#include "RtfDump.h"
#include "RtfSamples.h"
#include "RtfWriter.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

namespace {

struct Case {
    const char* name;
    std::string rtf;
    std::string dump; // see RtfDump.h
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class RtfReads : public testing::TestWithParam<Case> {};

TEST_P(RtfReads, TextAndAttributes) {
    EXPECT_EQ(Dump(ReadRtf(GetParam().rtf)), GetParam().dump);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, RtfReads,
    testing::Values(
        Case{"PlainBody", R"({\rtf1 Hello})", "Hello"},
        Case{"ParagraphsWithTrailingPar", R"({\rtf1 A\par B\par})", "A|B"},
        Case{"EmptyLastParagraphKept", R"({\rtf1 A\par\par})", "A|"},
        Case{"BoldOnOff", R"({\rtf1 a\b b\b0 c})", "a[b]b[b0]c"},
        Case{"GroupRestoresAttributes", R"({\rtf1 a{\i b}c})", "a[i]bc"},
        Case{"FontTableAndSize",
             R"({\rtf1{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\froman Times New Roman;}}\f1\fs28 x\f0 y})",
             "[Times New Roman,28]x[Arial,28]y"},
        Case{"FlatFontTable", R"({\rtf1{\fonttbl\f0\fnil Arial;\f1\fnil Courier;}\f1 x})", "[Courier]x"},
        Case{"FontEntryWithoutSemicolon", R"({\rtf1{\fonttbl{\f0 Verdana}}\f0 x})", "[Verdana]x"},
        Case{"EscapedFontName", R"({\rtf1{\fonttbl{\f0 Caf\'e9 Sans;}}\f0 x})", "[Caf\u00e9 Sans]x"},
        Case{"DefaultFontAndPlain", R"({\rtf1\deff1{\fonttbl{\f0 A;}{\f1 B;}}x\b\fs30 y\plain z})",
             "[B]x[B,30,b]y[B]z"},
        Case{"UnknownFontIndexIsUnset", R"({\rtf1{\fonttbl{\f0 A;}}\f7 x})", "x"},
        Case{"ColourTable",
             R"({\rtf1{\colortbl ;\red255\green0\blue0;\red0\green0\blue255;}\cf1 r\cf2 b\cf0 a})",
             "[#ff0000]r[#0000ff]ba"},
        Case{"ColourZeroMayBeReal", R"({\rtf1{\colortbl\red0\green128\blue0;}\cf0 g})", "[#008000]g"},
        Case{"UnderlineKinds", R"({\rtf1\ul a\ulnone b\uldb c\ul0 d\ulw e})", "[u]a[u0]b[u]c[u0]d[u]e"},
        Case{"StrikeOut", R"({\rtf1\strike x\strike0 y})", "[s]x[s0]y"},
        Case{"Alignment", R"({\rtf1\qc a\par\pard b\par\qr\ri200 c\par\pard\qj\li100\fi-50 d})",
             "{qc}a|b|{qr ri200}c|{qj li100 fi-50}d"},
        Case{"Cp1252Escapes", R"({\rtf1 caf\'e9 \'80 \'93q\'94})", "caf\u00e9 \u20ac \u201cq\u201d"},
        Case{"RawHighBytesAreCp1252", "{\\rtf1 caf\xe9}", "caf\u00e9"},
        Case{"UnicodeWithFallback", R"({\rtf1\uc1 \u8364?x})", "\u20acx"},
        Case{"UnicodeTwoCharFallback", R"({\rtf1\uc2\u8364\'80\'80y})", "\u20acy"},
        Case{"UnicodeNoFallback", R"({\rtf1\uc0\u8364 z})", "\u20acz"},
        Case{"UnicodeFallbackEndsAtGroup", R"({\rtf1{\uc3\u8364?}x})", "\u20acx"},
        Case{"UnicodeNegative", R"({\rtf1\u-3913?})", "\uf0b7"},
        Case{"SurrogatePair", R"({\rtf1\u-10179?\u-8704?})", "\U0001F600"},
        Case{"SpecialSymbols", R"({\rtf1 a\~b\-c\_d\{\}\\})", "a\u00a0b\u00adc\u2011d{}\\"},
        Case{"NamedCharacters", R"({\rtf1\lquote x\rquote\emdash\bullet})", "\u2018x\u2019\u2014\u2022"},
        Case{"LineAndTab", R"({\rtf1 a\line b\tab c})", "a\nb\tc"},
        Case{"LineBreaksInSourceIgnored", "{\\rtf1 a\r\nb}", "ab"},
        Case{"EscapedNewlineIsPar", "{\\rtf1 a\\\nb}", "a|b"},
        Case{
            "SkippedDestinations",
            R"({\rtf1{\*\generator Foo;}{\stylesheet{\s0 Normal;}}{\info{\title T}}{\pict\pngblip 89504e}{\header H}{\footer F}A{\*\unknownthing zz}B})",
            "AB"},
        Case{"UnknownPlainGroupKeepsText", R"({\rtf1{\foo bar}})", "bar"},
        Case{"BinaryDataSkippedWhole", "{\\rtf1{\\pict\\bin4 }}{x}A}", "A"},
        Case{"HiddenText", R"({\rtf1 a{\v hidden}b})", "ab"},
        Case{"FieldShowsResult", R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}})", "link"},
        Case{"BulletFallbackTextShown", R"({\rtf1{\pntext\f0 \'b7\tab}{\*\pn\pnlvlblt{\pntxtb x}}item\par})",
             "\u00b7\titem"},
        Case{"TableCellsAndRows", R"({\rtf1 a\cell b\cell\row c})", "a\tb\t|c"},
        Case{"LastParagraphKeepsItsFormat", R"({\rtf1\qc\b x})", "{qc}[b]x"},
        Case{"NotRtfIsPlainText", "Hello\r\nWorld\n", "Hello|World"},
        Case{"NotRtfCp1252", "caf\xe9", "caf\u00e9"}));

TEST(RtfReader, ParagraphMarkFormatIsKept) {
    RtfDocument d = ReadRtf(R"({\rtf1 a\par\fs48\par b})");
    ASSERT_EQ(d.paragraphs.size(), 3u);
    EXPECT_TRUE(d.paragraphs[1].runs.empty());
    EXPECT_EQ(d.paragraphs[1].endFormat.sizeHalfPoints, 48);
}

TEST(RtfReader, IsRtf) {
    EXPECT_TRUE(IsRtf("{\\rtf1}"));
    EXPECT_TRUE(IsRtf(" \r\n{\\rtf"));
    EXPECT_FALSE(IsRtf("{\\rt"));
    EXPECT_FALSE(IsRtf("x{\\rtf1}"));
    EXPECT_FALSE(IsRtf(""));
}

// Damaged and hostile documents: each loads what it can, quickly.
INSTANTIATE_TEST_SUITE_P(
    Hostile, RtfReads,
    testing::Values(
        Case{"Empty", "", ""}, Case{"OnlyHeader", "{\\rtf", ""}, Case{"EmptyDocument", "{\\rtf1}", ""},
        Case{"UnclosedDocument", R"({\rtf1 abc)", "abc"},
        Case{"UnclosedGroups", R"({\rtf1{\b x{\i y)", "[b]x[b,i]y"},
        Case{"TextAfterLastBraceIgnored", R"({\rtf1 a}}}b)", "a"},
        Case{"TruncatedControlWord", "{\\rtf1 a\\", "a"}, Case{"TruncatedHex", "{\\rtf1 a\\'4", "a"},
        Case{"BadHex", "{\\rtf1 a\\'zzb}", "azzb"}, Case{"BareUnicodeWord", "{\\rtf1 a\\u", "a"},
        Case{"TruncatedInSkippedGroup", R"({\rtf1 a{\pict 0102)", "a"},
        Case{"HugeFontSize", R"({\rtf1\fs99999999999999999 a\fs-5 b\fs0 c})", "[3276]abc"},
        Case{"HugeFontIndex", R"({\rtf1{\fonttbl{\f0 A;}}\f99999999999 x})", "x"},
        Case{"HugeFallbackCount", R"({\rtf1\uc99999999 \u65 abc d}x})", "A"},
        Case{"HugeBinaryLength", R"({\rtf1 a\bin999999999 xyz})", "a"},
        Case{"NegativeBinaryLength", R"({\rtf1 a\bin-5 b})", "ab"},
        Case{"HugeIndents", R"({\rtf1\li-99999999\ri99999999999\fi-99999999 x})", "{ri31680 fi-31680}x"},
        Case{"OutOfRangeColours", R"({\rtf1{\colortbl;\red999\green-4\blue7;}\cf1 a\cf77 b\cf-3 c})",
             "[#ff0007]abc"},
        Case{"LoneSurrogates", R"({\rtf1\u-10179?x\u-8704?})", "\ufffdx\ufffd"},
        Case{"UnicodeOutOfRange", R"({\rtf1\u99999999?})", "\ufffd"},
        Case{"ControlCharactersDropped", "{\\rtf1 a\0b\x01\\'00\\'0ac\\u10?}"s, "abc"},
        Case{"StarWithoutWord", R"({\rtf1{\* x}y})", " xy"},
        Case{"LongControlWord", "{\\rtf1 " + std::string("\\") + std::string(100000, 'a') + " b}", "b"},
        Case{"NestingWithinLimit", "{\\rtf1 " + std::string(100, '{') + "x" + std::string(100, '}') + "y}",
             "xy"},
        Case{"NestingBeyondLimitSkipped",
             "{\\rtf1 a" + std::string(100000, '{') + "x" + std::string(100000, '}') + "y}", "ay"},
        Case{"SkipInsideOverflowDoesNotLeak",
             "{\\rtf1 " + std::string(200, '{') + "{\\pict q}" + std::string(200, '}') + "z}", "z"}));

TEST(RtfReader, RunawayNestingEndsWithTheData) {
    EXPECT_EQ(Dump(ReadRtf("{\\rtf1 a" + std::string(5'000'000, '{'))), "a");
}

// Finds the run with exactly this text, to check one attribute of a larger document.
const RtfRun* RunWith(const RtfDocument& d, const std::string& word) {
    for (const RtfParagraph& p : d.paragraphs)
        for (const RtfRun& r : p.runs)
            if (r.text == word) return &r;
    return nullptr;
}

TEST(RtfWordProcessors, WordPad) {
    RtfDocument d = ReadRtf(kWordPadSample);
    EXPECT_EQ(d.PlainText(), "Welcome\nThis is italic, underlined and red text.\nCentred green Times\n"
                             "Price: 5\u20ac \u2022");
    EXPECT_EQ(DumpFormat(RunWith(d, "Welcome")->format), "[Arial,32,b]");
    EXPECT_EQ(DumpFormat(RunWith(d, "italic")->format), "[Arial,22,b0,i]");
    EXPECT_EQ(DumpFormat(RunWith(d, "underlined")->format), "[Arial,22,b0,i0,u]");
    EXPECT_EQ(DumpFormat(RunWith(d, "red")->format), "[Arial,22,b0,i0,u0,#ff0000]");
    EXPECT_EQ(DumpFormat(RunWith(d, "Centred green Times")->format), "[Times New Roman,24,b0,i0,u0,#008000]");
    EXPECT_EQ(d.paragraphs[2].format.alignment, RtfAlignment::Center);
    EXPECT_EQ(d.paragraphs[3].format.alignment, RtfAlignment::Left);
}

TEST(RtfWordProcessors, Word) {
    RtfDocument d = ReadRtf(kWordSample);
    EXPECT_EQ(d.PlainText(),
              "Report Title\nNormal text with italics, a link, a picture  and \u201cquotes\u201d "
              "\u2013 done.");
    EXPECT_EQ(DumpFormat(RunWith(d, "Report Title")->format), "[Arial,32,b,#0000ff]");
    EXPECT_EQ(DumpFormat(RunWith(d, "italics")->format), "[Times New Roman,24,i]");
    EXPECT_EQ(DumpFormat(RunWith(d, "link")->format), "[Times New Roman,24,u,#0000ff]");
    EXPECT_EQ(d.paragraphs[0].format.alignment, RtfAlignment::Center);
    EXPECT_EQ(d.paragraphs[1].format.leftIndent, 720);
    EXPECT_EQ(d.paragraphs[1].format.rightIndent, 360);
}

TEST(RtfWordProcessors, LibreOffice) {
    RtfDocument d = ReadRtf(kWriterSample);
    EXPECT_EQ(d.PlainText(), "Stra\u00dfe, na\u00efve \u20ac and \u0414\u0430\nRight\tgrey\nstruck");
    EXPECT_EQ(DumpFormat(RunWith(d, "Stra\u00dfe, na\u00efve \u20ac and \u0414\u0430")->format),
              "[Liberation Serif,24]");
    EXPECT_EQ(DumpFormat(RunWith(d, "Right\tgrey\nstruck")->format), "[Liberation Serif,24,s,#808080]");
    EXPECT_EQ(d.paragraphs[1].format.alignment, RtfAlignment::Right);
}

TEST(RtfPlainText, LinesSplitAtAnyBreak) {
    EXPECT_EQ(Dump(RtfDocumentFromText("a\r\nb\rc\nd")), "a|b|c|d");
    EXPECT_EQ(Dump(RtfDocumentFromText("a\n\n")), "a|");
    EXPECT_EQ(Dump(RtfDocumentFromText("")), "");
    EXPECT_EQ(Dump(RtfDocumentFromText("\n")), "");
}

} // namespace

namespace {

struct CodePageCase {
    const char* name;
    std::string rtf;
    std::string text;
    std::string font; // the first run's font name
};

// Documents as word processors write them in other code pages: the document's page
// (\ansicpg) and each font's character set (\fcharset) decide what the bytes are.
std::vector<CodePageCase> codePageCases() {
    return {
        {"Russian, cp1251",
         R"({\rtf1\ansi\ansicpg1251\deff0\deflang1049{\fonttbl{\f0\fnil\fcharset204 Calibri;}})"
         R"(\viewkind4\uc1\pard\f0\fs22\'cf\'f0\'e8\'e2\'e5\'f2, \'ec\'e8\'f0!\par})",
         "\u041f\u0440\u0438\u0432\u0435\u0442, \u043c\u0438\u0440!", "Calibri"},
        {"Czech, cp1250",
         R"({\rtf1\ansi\ansicpg1250\deff0{\fonttbl{\f0\fswiss\fcharset238 Arial;}})"
         R"(\f0 \'8elu\'9dou\'e8k\'fd k\'f9\'f2\par})",
         "\u017dlu\u0165ou\u010dk\u00fd k\u016f\u0148", "Arial"},
        {"Japanese, cp932 with two-byte characters",
         R"({\rtf1\ansi\ansicpg932\deff0{\fonttbl{\f0\fnil\fcharset128 \'82\'6c\'82\'72 \'96\'be\'92\'a9;}})"
         R"(\f0\fs21 \'82\'b1\'82\'f1\'82\'c9\'82\'bf\'82\'cd\'90\'a2\'8aE\par})",
         "\u3053\u3093\u306b\u3061\u306f\u4e16\u754c", "\uff2d\uff33 \u660e\u671d"},
        {"Japanese Unicode escape with a two-byte fallback",
         R"({\rtf1\ansi\ansicpg932{\fonttbl{\f0\fcharset128 MS Mincho;}}\f0\uc2\u12354\'82\'a0!\par})",
         "\u3042!", "MS Mincho"},
        {"Western document with a Cyrillic font",
         R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\fnil\fcharset204 Arial CYR;}})"
         R"(\f0 caf\'e9 \f1\'c4\'e0\par})",
         "caf\u00e9 \u0414\u0430", "Arial"},
        {"A font's code page named outright",
         R"({\rtf1\ansi{\fonttbl{\f0\fnil\fcharset0\cpg1251 Courier;}}\f0\'c4\'e0\par})", "\u0414\u0430",
         "Courier"},
        {"A lead byte cut off by a group", R"({\rtf1\ansi\ansicpg932{\f0\'82}A\par})", "A", ""},
    };
}

} // namespace

TEST(RtfCodePages, BytesAreReadInTheDocumentsAndTheFontsCodePage) {
    for (const CodePageCase& c : codePageCases()) {
        SCOPED_TRACE(c.name);
        const RtfDocument d = ReadRtf(c.rtf);
        EXPECT_EQ(d.PlainText(), c.text);
        ASSERT_FALSE(d.paragraphs.empty());
        ASSERT_FALSE(d.paragraphs[0].runs.empty());
        EXPECT_EQ(d.paragraphs[0].runs[0].format.fontName.value_or(""), c.font);
    }
}

TEST(RtfCodePages, TextOutsideCp1252SurvivesASaveAndALoad) {
    for (const CodePageCase& c : codePageCases()) {
        SCOPED_TRACE(c.name);
        const RtfDocument d = ReadRtf(c.rtf);
        const std::string saved = WriteRtf(d);
        EXPECT_EQ(ReadRtf(saved).PlainText(), c.text);
        EXPECT_EQ(Dump(ReadRtf(saved)), Dump(d));
    }
}
