#include "RtfDump.h"
#include "RtfReader.h"
#include "RtfSamples.h"
#include "RtfWriter.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <random>

namespace {

int Iterations() {
    const char* env = std::getenv("ORVANTA_FUZZ_ITERATIONS");
    int n = env ? std::atoi(env) : 0;
    return n > 0 ? n : 300;
}

// One random edit of the kinds that break RTF: stray bytes, braces and backslashes, cut and
// repeated stretches, control words with wild numbers, truncation.
void Mutate(std::string& s, std::mt19937& rng) {
    auto pick = [&](size_t n) { return n ? size_t(rng() % n) : 0; };
    static const char kBytes[] = "{}\\;'*-0123456789abcdefu ?\r\n\t\xe9\x80";
    static const char* const kWords[] = {"\\b",        "\\i",         "\\ul",  "\\fs",   "\\f",    "\\cf",
                                         "\\u",        "\\uc",        "\\bin", "\\par",  "\\pard", "\\plain",
                                         "\\pict",     "\\*",         "\\'",   "\\qc",   "\\ri",   "\\deff",
                                         "{\\fonttbl", "{\\colortbl", "\\red", "\\line", "\\v"};
    static const char* const kNumbers[] = {"",      "0",     "1",           "-1",         "65",
                                           "-3913", "32767", "99999999999", "-2147483648"};
    switch (rng() % 7) {
    case 0:
        if (!s.empty()) s[pick(s.size())] = char(rng());
        break;
    case 1:
        s.insert(pick(s.size() + 1), 1, kBytes[pick(sizeof kBytes - 1)]);
        break;
    case 2: {
        size_t a = pick(s.size() + 1);
        s.erase(a, pick(64));
        break;
    }
    case 3: {
        size_t a = pick(s.size() + 1), n = pick(128);
        std::string piece = s.substr(a, n);
        s.insert(pick(s.size() + 1), piece);
        break;
    }
    case 4:
        s.insert(pick(s.size() + 1),
                 std::string(kWords[pick(std::size(kWords))]) + kNumbers[pick(std::size(kNumbers))] + " ");
        break;
    case 5:
        s.resize(pick(s.size() + 1));
        break;
    default:
        s.insert(pick(s.size() + 1), std::string(pick(300), rng() % 2 ? '{' : '}'));
        break;
    }
}

std::string Marks(const RtfDocument& d) {
    std::string s;
    for (const RtfParagraph& p : d.paragraphs)
        s += DumpFormat(p.endFormat) + "|";
    return s;
}

// Whatever the damage, reading gives a document that the writer reproduces exactly.
// A failure names its iteration; ORVANTA_FUZZ_ITERATIONS past it reproduces it.
TEST(RtfFuzz, MutatedDocumentsReadAndRoundTrip) {
    const std::vector<std::string> seeds = RtfSeedCorpus();
    const int n = Iterations();
    for (int i = 0; i < n; ++i) {
        std::mt19937 rng{unsigned(i)};
        std::string s = seeds[i % seeds.size()];
        for (int edits = 1 + int(rng() % 8); edits > 0; --edits)
            Mutate(s, rng);
        RtfDocument d = ReadRtf(s);
        if (!IsRtf(s)) continue; // read as plain text, control characters and all
        RtfDocument again = ReadRtf(WriteRtf(d));
        if (!(again == d)) {
            ADD_FAILURE() << "iteration " << i << "\n"
                          << Dump(d) << "\n"
                          << Dump(again) << "\n"
                          << Marks(d) << "\n"
                          << Marks(again);
            return;
        }
    }
}

} // namespace
