#include "TRichEdit.h"
#include "Application.h"
#include "BmpCodec.h"
#include "Forms.h"
#include "RtfSamples.h"
#include "TestFolder.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTextDocument>
#include <QTextEdit>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

void WriteFile(const std::string& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
}

std::string ReadFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every character with its attributes, read through the selection as callers do.
std::string Snapshot(TRichEdit& r) {
    std::ostringstream s;
    for (int i = 0, n = r.GetTextLen(); i < n; ++i) {
        r.SetSelStart(i);
        r.SetSelLength(1);
        TTextAttributes& a = r.SelAttributes();
        s << r.SelText() << ' ' << a.Name() << ' ' << a.Size() << ' ' << a.Style() << ' ' << std::hex
          << ColorToRGB(a.Color()) << std::dec << ' ' << r.Paragraph().Alignment() << ' '
          << r.Paragraph().RightIndent() << '\n';
    }
    return s.str();
}

// The attributes where a word begins (SelStart just after its first character, no selection,
// as the text page reads them).
TTextAttributes& At(TRichEdit& r, const std::string& word) {
    QTextCursor found = r.Edit()->document()->find(QString::fromStdString(word));
    EXPECT_FALSE(found.isNull()) << word;
    r.SetSelStart(found.selectionStart() + 1);
    r.SetSelLength(0);
    return r.SelAttributes();
}

void Type(TRichEdit& r, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, c == '\r' ? Qt::Key_Return : 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(r.Edit(), &press);
    }
}

TEST(TRichEdit, LoadedRtfShowsItsTextAndAttributes) {
    TestFolder dir;
    WriteFile(dir.file("a.rtf"), kWordPadSample);
    TRichEdit r(nullptr, nullptr);
    r.Lines().LoadFromFile(dir.file("a.rtf"));
    ASSERT_EQ(r.Lines().Count(), 4);
    EXPECT_EQ(r.Lines()[0], "Welcome");
    EXPECT_EQ(r.Lines()[3], "Price: 5\u20ac \u2022");
    TTextAttributes& w = At(r, "Welcome");
    EXPECT_EQ(w.Name(), "Arial");
    EXPECT_EQ(w.Size(), 16);
    EXPECT_EQ(w.Style(), fsBold);
    EXPECT_EQ(At(r, "italic").Style(), fsItalic);
    EXPECT_EQ(At(r, "underlined").Style(), fsUnderline);
    EXPECT_EQ(At(r, "red").Color(), clRed);
    EXPECT_EQ(At(r, "Centred").Name(), "Times New Roman");
    EXPECT_EQ(At(r, "Centred").Color(), clGreen);
    EXPECT_EQ(r.Paragraph().Alignment(), taCenter);
    EXPECT_EQ(At(r, "Price").Size(), 11);
    EXPECT_EQ(r.Paragraph().Alignment(), taLeftJustify);
    EXPECT_FALSE(r.Modified());
}

TEST(TRichEdit, WhatTheDocumentLeavesOpenTakesTheControlsFont) {
    TRichEdit r(nullptr, nullptr);
    TFont f;
    f.Name = "Arial";
    f.SetHeight(-13);
    f.Style = fsBold;
    f.Color = clNavy;
    r.SetFont(f);
    std::istringstream in(R"({\rtf1 plain {\i0\b0\fs40 big}})");
    r.Lines().LoadFromStream(in);
    EXPECT_EQ(r.Text(), "plain big");
    TTextAttributes& a = At(r, "plain");
    EXPECT_EQ(a.Name(), "Arial");
    EXPECT_EQ(a.Style(), fsBold);
    EXPECT_EQ(a.Size(), 10);
    EXPECT_EQ(a.Height(), 13);
    EXPECT_EQ(a.Color(), clNavy);
    EXPECT_EQ(At(r, "big").Size(), 20);
    EXPECT_EQ(At(r, "big").Style(), 0u);
}

TEST(TRichEdit, SaveThenLoadKeepsTextAndAttributes) {
    TRichEdit r(nullptr, nullptr);
    r.Lines().Add("First line, bold and red");
    r.Lines().Add("Second: Courier 14, underlined and struck");
    r.Lines().Add("caf\u00e9 \u0414\u0430 {braces} \\ tab\tend");
    auto select = [&](const std::string& word) {
        At(r, word);
        r.SetSelStart(r.SelStart() - 1);
        r.SetSelLength(int(QString::fromStdString(word).size()));
    };
    select("bold");
    r.SelAttributes().SetStyle(fsBold);
    select("red");
    r.SelAttributes().SetColor(clRed);
    select("Courier 14");
    r.SelAttributes().SetName("Courier New");
    r.SelAttributes().SetSize(14);
    select("underlined");
    r.SelAttributes().SetStyle(fsUnderline | fsItalic);
    select("struck");
    r.SelAttributes().SetStyle(fsStrikeOut);
    r.Paragraph().SetAlignment(taRightJustify);
    r.Paragraph().SetRightIndent(3);
    select("\u0414\u0430");
    r.SelAttributes().SetColor(RGB(1, 2, 3));
    r.Paragraph().SetAlignment(taCenter);

    std::stringstream rtf;
    r.Lines().SaveToStream(rtf);
    EXPECT_EQ(rtf.str().rfind("{\\rtf1", 0), 0u);
    TRichEdit back(nullptr, nullptr);
    back.Lines().LoadFromStream(rtf);
    EXPECT_EQ(back.Lines().Text(), r.Lines().Text());
    EXPECT_EQ(back.Lines().Count(), 3);
    EXPECT_EQ(Snapshot(back), Snapshot(r));
    EXPECT_EQ(At(back, "bold").Style(), fsBold);
    EXPECT_EQ(At(back, "red").Color(), clRed);
    EXPECT_EQ(At(back, "Courier").Name(), "Courier New");
    EXPECT_EQ(At(back, "Courier").Size(), 14);
    EXPECT_EQ(At(back, "underlined").Style(), fsUnderline | fsItalic);
    EXPECT_EQ(At(back, "struck").Style(), fsStrikeOut);
    EXPECT_EQ(back.Paragraph().Alignment(), taRightJustify);
    EXPECT_EQ(back.Paragraph().RightIndent(), 3);
    EXPECT_EQ(At(back, "First").Style(), 0u);
}

TEST(TRichEdit, WordProcessorSamplesSurviveTheControlsSaveAndLoad) {
    TestFolder dir;
    for (const char* sample : {kWordPadSample, kWordSample, kWriterSample}) {
        WriteFile(dir.file("in.rtf"), sample);
        TRichEdit r(nullptr, nullptr);
        r.Lines().LoadFromFile(dir.file("in.rtf"));
        r.Lines().SaveToFile(dir.file("out.rtf"));
        TRichEdit back(nullptr, nullptr);
        back.Lines().LoadFromFile(dir.file("out.rtf"));
        EXPECT_EQ(back.Text(), r.Text());
        EXPECT_EQ(Snapshot(back), Snapshot(r));
    }
}

TEST(TRichEdit, PlainTextModeShowsAndWritesTheBytes) {
    TestFolder dir;
    WriteFile(dir.file("doc.rtf"), R"({\rtf1 {\b Hi}\par})");
    TRichEdit r(nullptr, nullptr);
    r.SetPlainText(true);
    r.Lines().LoadFromFile(dir.file("doc.rtf"));
    EXPECT_EQ(r.Lines().Count(), 1);
    EXPECT_EQ(r.Lines()[0], R"({\rtf1 {\b Hi}\par})");

    const std::string text = "line one\r\ncaf\u00e9\r\n\r\n\tlast\r\n";
    WriteFile(dir.file("a.txt"), text);
    r.Lines().LoadFromFile(dir.file("a.txt"));
    EXPECT_EQ(r.Lines().Count(), 4);
    r.Lines().SaveToFile(dir.file("b.txt"));
    EXPECT_EQ(ReadFile(dir.file("b.txt")), text);

    WriteFile(dir.file("ansi.txt"), "caf\xe9\r\nx");
    r.Lines().LoadFromFile(dir.file("ansi.txt"));
    EXPECT_EQ(r.Text(), "caf\u00e9\r\nx");

    // The same control switched back to RTF writes RTF.
    r.SetPlainText(false);
    r.Lines().SaveToFile(dir.file("c.rtf"));
    EXPECT_EQ(ReadFile(dir.file("c.rtf")).rfind("{\\rtf1", 0), 0u);
}

TEST(TRichEdit, NonRtfLoadedAsRichTextShowsAsText) {
    std::istringstream in("just words\nand more");
    TRichEdit r(nullptr, nullptr);
    r.Lines().LoadFromStream(in);
    EXPECT_EQ(r.Text(), "just words\r\nand more");
}

TEST(TRichEdit, HostileRtfLoadsWhatItCan) {
    TRichEdit r(nullptr, nullptr);
    for (const std::string& rtf :
         {std::string(R"({\rtf1\fs99999999999 big\b{\i x)"), "{\\rtf1 a" + std::string(200000, '{') + "b",
          std::string(R"({\rtf1\u-10179?\bin99999999)")}) {
        std::istringstream in(rtf);
        r.Lines().LoadFromStream(in);
    }
    std::istringstream in(R"({\rtf1\fs99999999999 big\b{\i x)");
    r.Lines().LoadFromStream(in);
    EXPECT_EQ(r.Text(), "bigx");
    EXPECT_EQ(At(r, "big").Size(), 1638);
}

TEST(TRichEdit, FailedLoadAndSaveThrowAndKeepTheText) {
    TestFolder dir;
    TRichEdit r(nullptr, nullptr);
    r.Lines().Add("keep me");
    EXPECT_THROW(r.Lines().LoadFromFile(dir.file("missing.rtf")), EStreamError);
    EXPECT_THROW(r.Lines().SaveToFile(dir.file("no/such/folder/x.rtf")), EStreamError);
    EXPECT_EQ(r.Lines().Text(), "keep me\r\n");
}

TEST(TRichEdit, LinesAreParagraphs) {
    TRichEdit r(nullptr, nullptr);
    EXPECT_EQ(r.Lines().Count(), 0);
    for (const char* line : {"Velmora Quickview", "", "", "You have received a quick view.", ""})
        r.Lines().Add(line);
    EXPECT_EQ(r.Lines().Count(), 5);
    EXPECT_EQ(r.Lines()[0], "Velmora Quickview");
    EXPECT_EQ(r.Lines()[2], "");
    EXPECT_EQ(r.Lines()[3], "You have received a quick view.");
    EXPECT_EQ(r.Lines().Text(), "Velmora Quickview\r\n\r\n\r\nYou have received a quick view.\r\n\r\n");
    EXPECT_THROW(r.Lines()[5], std::out_of_range);
    EXPECT_THROW(r.Lines()[-1], std::out_of_range);

    r.Lines().SetText("a\r\nb\rc\n");
    EXPECT_EQ(r.Lines().Count(), 3);
    EXPECT_EQ(r.Lines().Text(), "a\r\nb\r\nc\r\n");
    r.Lines().Add("d");
    r.Lines().Insert(0, "first");
    r.Lines().Put(2, "B");
    r.Lines().Delete(3);
    EXPECT_EQ(r.Lines().ToVector(), (std::vector<std::string>{"first", "a", "B", "d"}));
    EXPECT_THROW(r.Lines().Insert(9, "x"), std::out_of_range);

    // A last line without a break of its own (as loaded files have).
    std::istringstream in(R"({\rtf1 x\par y})");
    r.Lines().LoadFromStream(in);
    r.Lines().Add("z");
    EXPECT_EQ(r.Lines().ToVector(), (std::vector<std::string>{"x", "y", "z"}));
    r.Lines().Delete(2);
    r.Lines().Delete(1);
    EXPECT_EQ(r.Lines().ToVector(), std::vector<std::string>{"x"});
    std::istringstream again(R"({\rtf1 x\par y})");
    r.Lines().LoadFromStream(again);
    r.Lines().Delete(1);
    EXPECT_EQ(r.Text(), "x");

    r.Clear();
    EXPECT_EQ(r.Lines().Count(), 0);
    EXPECT_EQ(r.Text(), "");
}

TEST(TRichEdit, DisplayLinesBreakParagraphsWhereTheControlWraps) {
    TForm form;
    form.SetBounds(0, 0, 260, 200);
    auto* r = new TRichEdit(&form, &form);
    r->SetBounds(0, 0, 200, 150);
    form.Show();
    std::string words;
    for (int i = 0; i < 12; ++i)
        words += "wrapped ";
    r->Lines().SetText(words + "\nshort\n\nend");
    const std::vector<std::string> shown = r->displayLines();
    ASSERT_GE(shown.size(), 5u);
    std::string first;
    for (size_t i = 0; i + 3 < shown.size(); ++i) {
        EXPECT_EQ(shown[i].back(), ' ') << "a wrapped line keeps the space it ends with";
        first += shown[i];
    }
    EXPECT_EQ(first, words);
    EXPECT_EQ(std::vector<std::string>(shown.end() - 3, shown.end()),
              (std::vector<std::string>{"short", "", "end"}));

    r->SetWordWrap(false);
    EXPECT_EQ(r->displayLines(), r->Lines().ToVector());
}

TEST(TRichEdit, CaretFontIsWhatTheSelectionReportsThere) {
    TRichEdit r(nullptr, nullptr);
    r.Lines().SetText("ab\n\ncdEF\ngh");
    r.SetSelStart(6);
    r.SetSelLength(2);
    r.SelAttributes().SetColor(clRed);
    r.SelAttributes().SetSize(20);
    r.SetSelStart(9);
    r.SetSelLength(1);
    r.SelAttributes().SetStyle(fsBold);
    for (int pos = 0; pos <= r.GetTextLen() + 1; ++pos) {
        const TFont fast = r.caretFont(pos);
        r.SetSelStart(pos);
        const TFont slow = r.SelAttributes().AsFont();
        EXPECT_EQ(fast.Name, slow.Name) << pos;
        EXPECT_EQ(fast.Size, slow.Size) << pos;
        EXPECT_EQ(fast.Style, slow.Style) << pos;
        EXPECT_EQ(fast.Color, slow.Color) << pos;
    }
}

TEST(TRichEdit, SelectionCountsParagraphBreaksAsOneCharacter) {
    TRichEdit r(nullptr, nullptr);
    r.SetText("ab\ncd");
    EXPECT_EQ(r.GetTextLen(), 5);
    r.SetSelStart(1);
    r.SetSelLength(3);
    EXPECT_EQ(r.SelText(), "b\r\nc");
    r.SetSelText("XY");
    EXPECT_EQ(r.Text(), "aXYd");
    EXPECT_EQ(r.SelStart(), 3);
    EXPECT_EQ(r.SelLength(), 0);
    r.SetSelStart(99);
    EXPECT_EQ(r.SelStart(), 4);
    r.SetSelStart(-5);
    r.SetSelLength(99);
    EXPECT_EQ(r.SelLength(), 4);
}

TEST(TRichEdit, DefaultAttributesAndFontReformatTheWholeText) {
    std::istringstream in(kWordPadSample);
    TRichEdit r(nullptr, nullptr);
    r.Lines().LoadFromStream(in);
    r.DefAttributes().SetColor(clBlue);
    EXPECT_EQ(At(r, "red").Color(), clBlue);
    EXPECT_EQ(At(r, "Welcome").Color(), clBlue);
    EXPECT_EQ(At(r, "Welcome").Style(), fsBold); // the rest of the formatting stays
    TFont f;
    f.Name = "Courier New";
    f.SetSize(12);
    r.SetFont(f);
    EXPECT_EQ(At(r, "italic").Name(), "Courier New");
    EXPECT_EQ(At(r, "italic").Style(), 0u);
    EXPECT_EQ(r.DefAttributes().Size(), 12);
    r.Lines().Add("new");
    EXPECT_EQ(At(r, "new").Name(), "Courier New");
}

TEST(TRichEdit, RightIndentIsSavedInTwips) {
    TRichEdit r(nullptr, nullptr);
    r.Clear();
    r.Paragraph().SetRightIndent(1);
    r.SetSelText("text");
    EXPECT_EQ(r.Paragraph().RightIndent(), 1);
    std::stringstream out;
    r.Lines().SaveToStream(out);
    EXPECT_NE(out.str().find("\\ri20"), std::string::npos) << out.str();
}

TEST(TRichEdit, MaxLengthLimitsTypingOnly) {
    TRichEdit r(nullptr, nullptr);
    r.SetMaxLength(5);
    r.SetText("0123456789");
    EXPECT_EQ(r.GetTextLen(), 10); // code is never cut
    std::istringstream in(R"({\rtf1 a long loaded text})");
    r.Lines().LoadFromStream(in);
    EXPECT_EQ(r.Text(), "a long loaded text");

    r.SetText("abc");
    r.SetSelStart(3);
    Type(r, "xyz");
    EXPECT_EQ(r.Text(), "abcxy");
    r.SetSelStart(0);
    r.SetSelLength(1);
    Type(r, "Q"); // replacing a character fits
    EXPECT_EQ(r.Text(), "Qbcxy");

    r.SetText("ab");
    r.SetSelStart(2);
    QApplication::clipboard()->setText("123456");
    r.Edit()->paste();
    EXPECT_EQ(r.Text(), "ab123");

    r.SetMaxLength(0);
    Type(r, "more");
    EXPECT_EQ(r.Text(), "ab123more");
}

TEST(TRichEdit, ChangeEventAndModifiedMark) {
    TRichEdit r(nullptr, nullptr);
    int changes = 0;
    r.OnChange = [&](TObject*) { ++changes; };
    r.SetText("one");
    EXPECT_EQ(changes, 1);
    r.SetText("one"); // no change, no event
    EXPECT_EQ(changes, 1);
    r.Lines().Add("two");
    EXPECT_EQ(changes, 2);
    EXPECT_FALSE(r.Modified());
    r.SelectAll();
    r.SelAttributes().SetStyle(fsBold); // formatting only
    EXPECT_EQ(changes, 2);
    r.SetSelStart(0);
    Type(r, "x");
    EXPECT_EQ(changes, 3);
    EXPECT_TRUE(r.Modified());
    std::istringstream in(R"({\rtf1 loaded})");
    r.Lines().LoadFromStream(in);
    EXPECT_EQ(changes, 4);
    EXPECT_FALSE(r.Modified());
}

TEST(TRichEdit, ReadOnlyRefusesTyping) {
    TRichEdit r(nullptr, nullptr);
    r.SetText("fixed");
    r.SetReadOnly(true);
    r.SetSelStart(0);
    Type(r, "x");
    EXPECT_EQ(r.Text(), "fixed");
    EXPECT_FALSE(r.Modified());
}

} // namespace
