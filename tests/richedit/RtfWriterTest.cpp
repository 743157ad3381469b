#include "RtfWriter.h"
#include "RtfDump.h"
#include "RtfReader.h"
#include "RtfSamples.h"

#include <gtest/gtest.h>

namespace {

RtfCharFormat Format(std::optional<std::string> font, std::optional<int> size, std::optional<bool> bold,
                     std::optional<bool> italic, std::optional<bool> underline, std::optional<bool> strike,
                     std::optional<TColor> color) {
    return {font, size, bold, italic, underline, strike, color};
}

TEST(RtfWriter, EveryAttributeAndAwkwardTextSurviveARoundTrip) {
    RtfDocument d;
    RtfParagraph p;
    p.format = {RtfAlignment::Center, 100, 20, -40};
    p.Append("Plain ", {});
    p.Append("bold", Format("Arial", 26, true, std::nullopt, std::nullopt, std::nullopt, std::nullopt));
    p.Append(" all", Format("Courier New", 17, false, true, true, true, RGB(12, 34, 56)));
    p.Append("{braces} \\back\\slash; tab\there\nline",
             Format("Odd;Name{}\\", 20, {}, {}, false, false, clRed));
    p.endFormat = Format("Arial", 40, {}, {}, {}, {}, {});
    d.paragraphs.push_back(p);
    d.paragraphs.push_back({}); // an empty paragraph
    RtfParagraph q;
    q.format.alignment = RtfAlignment::Justify;
    q.Append("caf\u00e9 \u20ac \u0414\u0430 \U0001F600 \u00a0\u00ad\u2011 \uffff",
             Format("\u00c9cole", {}, {}, {}, {}, {}, clBlue));
    d.paragraphs.push_back(q);

    std::string rtf = WriteRtf(d);
    EXPECT_TRUE(IsRtf(rtf));
    EXPECT_EQ(Dump(ReadRtf(rtf)), Dump(d));
    EXPECT_EQ(ReadRtf(rtf), d);
}

TEST(RtfWriter, OutputIsSevenBitWithCp1252Escapes) {
    RtfDocument d;
    RtfParagraph p;
    p.Append("caf\u00e9 \u20ac \u0414", {});
    d.paragraphs.push_back(p);
    std::string rtf = WriteRtf(d);
    for (char c : rtf)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
    EXPECT_NE(rtf.find("caf\\'e9 \\'80 \\u1044?"), std::string::npos) << rtf;
}

TEST(RtfWriter, EmptyDocumentRoundTrips) {
    EXPECT_EQ(ReadRtf(WriteRtf({})), RtfDocument{});
}

TEST(RtfWriter, SamplesRoundTrip) {
    for (const std::string& sample : RtfSeedCorpus()) {
        RtfDocument d = ReadRtf(sample);
        EXPECT_EQ(Dump(ReadRtf(WriteRtf(d))), Dump(d));
        EXPECT_EQ(ReadRtf(WriteRtf(d)), d);
    }
}

} // namespace
