#pragma once
#include "Controls.h"
#include "TMemo.h" // TScrollStyle
#include "TStrings.h"

#include <QMetaObject>
#include <QTextCharFormat>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

class QTextEdit;
class TRichEdit;
class RichEditWidget;
struct RtfDocument;

// Character attributes of the selection (SelAttributes) or of the whole text (DefAttributes).
// Reading the selection's attributes gives those of its first character, or with an empty
// selection those new typing gets (the character before the caret). Setting them formats the
// selection, or with an empty selection the text typed next; setting the default attributes
// reformats the whole text and becomes the format of text added later.
class TTextAttributes {
public:
    std::string Name() const;
    void SetName(const std::string& name);
    int Size() const; // points
    void SetSize(int points);
    // Positive: the cell height in pixels that the size gives on the 96 dpi screen, as the
    // platform's rich edit reports it.
    int Height() const;
    void SetHeight(int pixels);
    TFontStyles Style() const;
    void SetStyle(TFontStyles style);
    TColor Color() const;
    void SetColor(TColor color);
    // All of name, size, style and colour at once.
    void Assign(const TFont& font);
    // The attributes as a font (name, size, height, style, colour).
    TFont AsFont() const;

private:
    friend class TRichEdit;
    TTextAttributes(TRichEdit* owner, bool selection) : owner_(owner), selection_(selection) {}
    QTextCharFormat Current() const;
    void Apply(const QTextCharFormat& change);
    TRichEdit* owner_;
    bool selection_;
};

// Paragraph attributes of the paragraphs the selection touches (the caret's paragraph when it
// is empty); read from the first of them.
class TParaAttributes {
public:
    TAlignment Alignment() const;
    void SetAlignment(TAlignment a);
    int RightIndent() const; // points
    void SetRightIndent(int points);

private:
    friend class TRichEdit;
    explicit TParaAttributes(TRichEdit* owner) : owner_(owner) {}
    TRichEdit* owner_;
};

// The text as lines: one line a paragraph. Like the platform's rich edit, text added line by
// line ends in an empty paragraph, which Count does not count; a line break inside a paragraph
// shows as '\n' within its line.
class TRichEditStrings : public TStrings {
public:
    int Count() const override;
    std::string Get(int index) const override;
    void Put(int index, const std::string& line) override;
    void Insert(int index, const std::string& line) override; // index == Count appends
    void Delete(int index) override;
    void Clear() override;
    // Replaces the whole text at once ("\r\n", "\r" and "\n" all break lines).
    void SetText(const std::string& text);
    using TStrings::Text;

    // With PlainText off a file or stream is read as RTF (bytes that are not RTF show as their
    // text) and written as RTF; with it on, the bytes are shown as text (UTF-8, or cp1252 when
    // they are not valid UTF-8) and the text is written as UTF-8 with CR LF line ends. A file
    // that cannot be read or written throws EStreamError and the text stays as it was. (These
    // belong to the rich edit's lines: through a plain TStrings reference the file is text.)
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;
    void LoadFromStream(std::istream& in); // reads to the end of the stream
    void SaveToStream(std::ostream& out) const;

private:
    friend class TRichEdit;
    explicit TRichEditStrings(TRichEdit* owner) : owner_(owner) {}
    TRichEdit* owner_;
};

// A rich-text editor: formatted text over Qt's text editor, with RTF load and save of its own.
// Positions (SelStart) count characters, each paragraph break as one.
class TRichEdit : public TWinControl {
public:
    TRichEdit(TComponent* owner, TWinControl* parent);
    ~TRichEdit() override;

    QTextEdit* Edit() const;

    TRichEditStrings& Lines() { return lines_; }
    const TRichEditStrings& Lines() const { return lines_; }
    // The lines as the control shows them: with word wrap on, each line of Lines broken where
    // the control wraps it (a wrapped line keeps the spaces it ends with, so the lines of a
    // paragraph still add up to it); with word wrap off, the lines of Lines.
    std::vector<std::string> displayLines() const;
    void Clear();
    void SelectAll();

    int SelStart() const;
    void SetSelStart(int pos); // collapses the selection there (clamped to the text)
    int SelLength() const;
    void SetSelLength(int length); // from SelStart (clamped to the text)
    std::string SelText() const;   // paragraph breaks as CR LF
    void SetSelText(const std::string& text);
    // Characters in the text, paragraph breaks included.
    int GetTextLen() const;

    TTextAttributes& SelAttributes() { return selAttributes_; }
    // The font SelAttributes gives with the caret at `pos` and nothing selected (the attributes
    // of the character before it), read without moving the caret: for callers that visit every
    // character.
    TFont caretFont(int pos) const;
    TTextAttributes& DefAttributes() { return defAttributes_; }
    TParaAttributes& Paragraph() { return paragraph_; }

    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool w);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle s);
    // The most characters typing (or pasting, or dropping) may bring the text to; 0 for no
    // limit. Loads and changes from code are never cut.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n) { maxLength_ = n < 0 ? 0 : n; }
    bool PlainText() const { return plainText_; }
    void SetPlainText(bool p) { plainText_ = p; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool r);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle b);
    // Set by the user's edits; cleared by a load, Clear and setting the whole text.
    bool Modified() const { return modified_; }
    void SetModified(bool m) { modified_ = m; }

    // After every change of the text, by the user or from code (not after formatting only).
    TNotifyEvent OnChange;

protected:
    void FontApplied() override;
    void ColorChanged() override;
    std::string GetText() const override;
    void SetTextValue(const std::string& t) override;

private:
    friend class TTextAttributes;
    friend class TParaAttributes;
    friend class TRichEditStrings;
    friend class RichEditWidget;
    // Runs a change made from code: not the user's (Modified stays), OnChange once after it.
    void codeEdit(const std::function<void()>& change);
    void replaceAll(const RtfDocument& doc);
    void replaceAllText(const std::string& text);
    RtfDocument toDocument() const;
    void loadBytes(const std::string& bytes);
    std::string saveBytes() const;
    void applyToAll(const QTextCharFormat& change);
    void textMaybeChanged(bool fromUser);
    // Room left for typing: a large number without a limit.
    int roomForTyping() const;

    TRichEditStrings lines_{this};
    TTextAttributes selAttributes_{this, true};
    TTextAttributes defAttributes_{this, false};
    TParaAttributes paragraph_{this};
    QTextCharFormat default_;
    QMetaObject::Connection changed_;
    std::string lastText_;
    int codeDepth_ = 0;
    bool wordWrap_ = true;
    TScrollStyle scrollBars_ = ssNone;
    int maxLength_ = 0;
    bool plainText_ = false;
    bool readOnly_ = false;
    TBorderStyle borderStyle_ = bsSingle;
    bool modified_ = false;
};
