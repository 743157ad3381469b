#include "TRichEdit.h"

#include "Application.h"
#include "FileIO.h"
#include "RtfReader.h"
#include "RtfText.h"
#include "RtfWriter.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <istream>
#include <iterator>
#include <ostream>
#include <stdexcept>

namespace {

// What the Qt formats cannot hold exactly is kept beside them, so a save writes what was loaded.
constexpr int kHalfPoints = QTextFormat::UserProperty + 1; // RTF size unit
constexpr int kColor = QTextFormat::UserProperty + 2;      // the TColor as given (system colours)
constexpr int kLeftTwips = QTextFormat::UserProperty + 3;
constexpr int kRightTwips = QTextFormat::UserProperty + 4;
constexpr int kFirstTwips = QTextFormat::UserProperty + 5;

constexpr int kMaxHalfPoints = 3276;

int PixelsOf(int halfPoints) {
    return std::max(1, int(std::lround(halfPoints * 96.0 / 144.0)));
}

void SetHalfPoints(QTextCharFormat& f, int halfPoints) {
    halfPoints = std::clamp(halfPoints, 2, kMaxHalfPoints);
    f.setProperty(kHalfPoints, halfPoints);
    f.clearProperty(QTextFormat::FontPointSize);
    f.setProperty(QTextFormat::FontPixelSize, PixelsOf(halfPoints));
}

int HalfPointsOf(const QTextCharFormat& f) {
    if (f.hasProperty(kHalfPoints)) return f.intProperty(kHalfPoints);
    if (f.hasProperty(QTextFormat::FontPixelSize))
        return int(std::lround(f.intProperty(QTextFormat::FontPixelSize) * 144.0 / 96.0));
    if (f.fontPointSize() > 0) return int(std::lround(f.fontPointSize() * 2));
    return 20;
}

void SetColor(QTextCharFormat& f, TColor c) {
    f.setProperty(kColor, uint(c));
    f.setForeground(ToQColor(c));
}

TColor ColorOf(const QTextCharFormat& f) {
    if (f.hasProperty(kColor)) return TColor(f.property(kColor).toUInt());
    return FromQColor(f.foreground().color());
}

void SetName(QTextCharFormat& f, const std::string& name) {
    f.setFontFamilies(QStringList{ToQString(name)});
}

std::string NameOf(const QTextCharFormat& f) {
    QStringList families = f.fontFamilies().toStringList();
    return families.isEmpty() ? std::string() : FromQString(families.first());
}

void SetStyle(QTextCharFormat& f, TFontStyles s) {
    f.setFontWeight(s & fsBold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(s & fsItalic);
    f.setFontUnderline(s & fsUnderline);
    f.setFontStrikeOut(s & fsStrikeOut);
}

TFontStyles StyleOf(const QTextCharFormat& f) {
    TFontStyles s = 0;
    if (f.fontWeight() > QFont::Medium) s |= fsBold;
    if (f.fontItalic()) s |= fsItalic;
    if (f.fontUnderline()) s |= fsUnderline;
    if (f.fontStrikeOut()) s |= fsStrikeOut;
    return s;
}

// The whole of a font as a format.
QTextCharFormat FormatOf(const TFont& font) {
    QTextCharFormat f;
    SetName(f, font.Name);
    int halfPoints = font.Height < 0   ? int(std::lround(-font.Height * 144.0 / 96.0))
                     : font.Height > 0 ? int(std::lround(font.Height * 0.75 * 144.0 / 96.0))
                                       : font.Size * 2;
    SetHalfPoints(f, halfPoints);
    SetStyle(f, font.Style);
    SetColor(f, font.Color);
    return f;
}

// A document format over the control's default: unset attributes take the default's.
QTextCharFormat FormatOf(const RtfCharFormat& r, const QTextCharFormat& def) {
    QTextCharFormat f = def;
    if (r.fontName) SetName(f, *r.fontName);
    if (r.sizeHalfPoints) SetHalfPoints(f, *r.sizeHalfPoints);
    if (r.bold) f.setFontWeight(*r.bold ? QFont::Bold : QFont::Normal);
    if (r.italic) f.setFontItalic(*r.italic);
    if (r.underline) f.setFontUnderline(*r.underline);
    if (r.strikeOut) f.setFontStrikeOut(*r.strikeOut);
    if (r.color) SetColor(f, *r.color);
    return f;
}

RtfCharFormat RtfFormatOf(const QTextCharFormat& format, const QTextCharFormat& def) {
    QTextCharFormat f = def;
    f.merge(format);
    RtfCharFormat r;
    if (std::string name = NameOf(f); !name.empty()) r.fontName = name;
    r.sizeHalfPoints = HalfPointsOf(f);
    TFontStyles s = StyleOf(f);
    r.bold = bool(s & fsBold);
    r.italic = bool(s & fsItalic);
    r.underline = bool(s & fsUnderline);
    r.strikeOut = bool(s & fsStrikeOut);
    r.color = ColorToRGB(ColorOf(f));
    return r;
}

Qt::Alignment QtAlignmentOf(RtfAlignment a) {
    switch (a) {
    case RtfAlignment::Right:
        return Qt::AlignRight;
    case RtfAlignment::Center:
        return Qt::AlignHCenter;
    case RtfAlignment::Justify:
        return Qt::AlignJustify;
    default:
        return Qt::AlignLeft;
    }
}

RtfAlignment RtfAlignmentOf(Qt::Alignment a) {
    if (a & Qt::AlignRight) return RtfAlignment::Right;
    if (a & Qt::AlignHCenter) return RtfAlignment::Center;
    if (a & Qt::AlignJustify) return RtfAlignment::Justify;
    return RtfAlignment::Left;
}

// Twips kept exactly, pixels (1/15 of a twip... 15 twips a pixel at 96 dpi) for the layout.
void SetIndent(QTextBlockFormat& b, int property, int twips) {
    b.setProperty(property, twips);
    double px = twips / 15.0;
    if (property == kLeftTwips)
        b.setLeftMargin(px);
    else if (property == kRightTwips)
        b.setRightMargin(px);
    else
        b.setTextIndent(px);
}

int IndentOf(const QTextBlockFormat& b, int property) {
    if (b.hasProperty(property)) return b.intProperty(property);
    double px = property == kLeftTwips    ? b.leftMargin()
                : property == kRightTwips ? b.rightMargin()
                                          : b.textIndent();
    return int(std::lround(px * 15));
}

QTextBlockFormat BlockFormatOf(const RtfParagraphFormat& p) {
    QTextBlockFormat b;
    b.setAlignment(QtAlignmentOf(p.alignment));
    SetIndent(b, kLeftTwips, p.leftIndent);
    SetIndent(b, kRightTwips, p.rightIndent);
    SetIndent(b, kFirstTwips, p.firstIndent);
    return b;
}

// A document's line break inside a paragraph is Qt's line separator; "\r\n" and "\r" are
// line ends as '\n' is.
QString QtTextOf(const std::string& text) {
    QString q = ToQString(text);
    q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    q.replace(QChar('\r'), QChar('\n'));
    return q;
}

std::string TextOf(QString q) {
    q.replace(QChar::LineSeparator, QChar('\n'));
    q.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return FromQString(q);
}

} // namespace

// The Qt editor, with the typing limit.
class RichEditWidget : public QTextEdit {
public:
    explicit RichEditWidget(TRichEdit* owner) : owner_(owner) {}

protected:
    void keyPressEvent(QKeyEvent* e) override {
        QString t = e->text();
        bool inserts = !t.isEmpty() && (t[0].isPrint() || t == "\r" || t == "\n" || t == "\t") &&
                       !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && !isReadOnly();
        if (inserts && owner_->roomForTyping() < t.size()) {
            QApplication::beep();
            e->accept();
            return;
        }
        QTextEdit::keyPressEvent(e);
    }

    void inputMethodEvent(QInputMethodEvent* e) override {
        int room = owner_->roomForTyping();
        if (e->commitString().size() > room) {
            QInputMethodEvent cut(e->preeditString(), e->attributes());
            cut.setCommitString(e->commitString().left(std::max(room, 0)), e->replacementStart(),
                                e->replacementLength());
            QTextEdit::inputMethodEvent(&cut);
            return;
        }
        QTextEdit::inputMethodEvent(e);
    }

    // Pasted and dropped text: the editor's own formatted fragments when they fit, otherwise
    // plain text in the caret's format, cut to the room left.
    void insertFromMimeData(const QMimeData* source) override {
        if (isReadOnly()) return;
        QString text = source->text();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        int room = owner_->roomForTyping();
        if (text.size() <= room && source->hasFormat(QStringLiteral("application/x-qt-richtext"))) {
            QTextEdit::insertFromMimeData(source);
            return;
        }
        if (text.size() > room) text.truncate(std::max(room, 0));
        if (!text.isEmpty() || textCursor().hasSelection()) textCursor().insertText(text);
        ensureCursorVisible();
    }

private:
    TRichEdit* owner_;
};

// ---- TRichEdit -------------------------------------------------------------------------------

TRichEdit::TRichEdit(TComponent* owner, TWinControl* parent)
    : TWinControl(owner, parent, new RichEditWidget(this)) {
    QTextEdit* e = Edit();
    e->setAcceptRichText(true);
    e->setTabChangesFocus(true);
    e->setLineWrapMode(QTextEdit::WidgetWidth);
    e->document()->setDocumentMargin(1);
    SetTabStop(true);
    SetScrollBars(ssNone);
    SetDesignSize(185, 89);
    default_ = FormatOf(Font());
    e->setCurrentCharFormat(default_);
    QTextCursor(e->document()).setBlockCharFormat(default_);
    SetColor(clWindow);
    ColorChanged();
    changed_ = QObject::connect(e->document(), &QTextDocument::contentsChanged, [this] {
        if (codeDepth_ == 0) textMaybeChanged(true);
    });
}

TRichEdit::~TRichEdit() {
    QObject::disconnect(changed_);
}

QTextEdit* TRichEdit::Edit() const {
    return static_cast<QTextEdit*>(Widget());
}

void TRichEdit::codeEdit(const std::function<void()>& change) {
    ++codeDepth_;
    try {
        change();
    } catch (...) {
        --codeDepth_;
        throw;
    }
    if (--codeDepth_ == 0) textMaybeChanged(false);
}

void TRichEdit::textMaybeChanged(bool fromUser) {
    std::string now = GetText();
    if (now == lastText_) return;
    lastText_ = std::move(now);
    if (fromUser) {
        modified_ = true;
        if (OnChange) Application->Guard([this] { OnChange(this); });
    } else if (OnChange) {
        OnChange(this);
    }
}

int TRichEdit::roomForTyping() const {
    if (maxLength_ <= 0) return INT32_MAX;
    return maxLength_ - (GetTextLen() - SelLength());
}

void TRichEdit::Clear() {
    replaceAllText("");
}

void TRichEdit::SelectAll() {
    Edit()->selectAll();
}

void TRichEdit::replaceAllText(const std::string& text) {
    codeEdit([&] {
        QTextEdit* e = Edit();
        QTextDocument* d = e->document();
        d->clear();
        QTextCursor c(d);
        c.setBlockFormat(QTextBlockFormat());
        c.setBlockCharFormat(default_);
        c.insertText(QtTextOf(text), default_);
        d->clearUndoRedoStacks();
        e->setTextCursor(QTextCursor(d));
        e->setCurrentCharFormat(default_);
    });
    modified_ = false;
}

void TRichEdit::replaceAll(const RtfDocument& doc) {
    codeEdit([&] {
        QTextEdit* e = Edit();
        QTextDocument* d = e->document();
        d->clear();
        QTextCursor c(d);
        c.beginEditBlock();
        for (size_t i = 0; i < doc.paragraphs.size(); ++i) {
            const RtfParagraph& p = doc.paragraphs[i];
            QTextCharFormat mark = FormatOf(p.endFormat, default_);
            if (i == 0) {
                c.setBlockFormat(BlockFormatOf(p.format));
                c.setBlockCharFormat(mark);
            } else {
                c.insertBlock(BlockFormatOf(p.format), mark);
            }
            for (const RtfRun& r : p.runs) {
                QString text = ToQString(r.text);
                text.replace(QChar('\n'), QChar::LineSeparator);
                c.insertText(text, FormatOf(r.format, default_));
            }
        }
        if (doc.paragraphs.empty()) {
            c.setBlockFormat(QTextBlockFormat());
            c.setBlockCharFormat(default_);
        }
        c.endEditBlock();
        d->clearUndoRedoStacks();
        e->setTextCursor(QTextCursor(d));
    });
    modified_ = false;
}

RtfDocument TRichEdit::toDocument() const {
    RtfDocument doc;
    for (QTextBlock b = Edit()->document()->begin(); b.isValid(); b = b.next()) {
        RtfParagraph p;
        QTextBlockFormat bf = b.blockFormat();
        p.format.alignment = RtfAlignmentOf(bf.alignment());
        p.format.leftIndent = IndentOf(bf, kLeftTwips);
        p.format.rightIndent = IndentOf(bf, kRightTwips);
        p.format.firstIndent = IndentOf(bf, kFirstTwips);
        p.endFormat = RtfFormatOf(b.charFormat(), default_);
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            QTextFragment f = it.fragment();
            if (f.isValid()) p.Append(TextOf(f.text()), RtfFormatOf(f.charFormat(), default_));
        }
        doc.paragraphs.push_back(std::move(p));
    }
    return doc;
}

void TRichEdit::loadBytes(const std::string& bytes) {
    if (plainText_)
        replaceAllText(DecodeTextBytes(bytes));
    else
        replaceAll(ReadRtf(bytes));
}

std::string TRichEdit::saveBytes() const {
    return plainText_ ? GetText() : WriteRtf(toDocument());
}

std::string TRichEdit::GetText() const {
    std::string s;
    for (QTextBlock b = Edit()->document()->begin(); b.isValid(); b = b.next()) {
        if (b != Edit()->document()->begin()) s += "\r\n";
        s += TextOf(b.text());
    }
    return s;
}

void TRichEdit::SetTextValue(const std::string& t) {
    replaceAllText(t);
}

int TRichEdit::GetTextLen() const {
    return Edit()->document()->characterCount() - 1;
}

int TRichEdit::SelStart() const {
    return Edit()->textCursor().selectionStart();
}

void TRichEdit::SetSelStart(int pos) {
    QTextCursor c = Edit()->textCursor();
    c.setPosition(std::clamp(pos, 0, GetTextLen()));
    Edit()->setTextCursor(c);
}

int TRichEdit::SelLength() const {
    QTextCursor c = Edit()->textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void TRichEdit::SetSelLength(int length) {
    QTextCursor c = Edit()->textCursor();
    int start = c.selectionStart();
    c.setPosition(start);
    c.setPosition(std::clamp(start + std::max(length, 0), start, GetTextLen()), QTextCursor::KeepAnchor);
    Edit()->setTextCursor(c);
}

std::string TRichEdit::SelText() const {
    return TextOf(Edit()->textCursor().selectedText());
}

void TRichEdit::SetSelText(const std::string& text) {
    codeEdit([&] {
        QTextCursor c = Edit()->textCursor();
        c.insertText(QtTextOf(text));
        Edit()->setTextCursor(c);
    });
}

void TRichEdit::applyToAll(const QTextCharFormat& change) {
    default_.merge(change);
    codeEdit([&] {
        QTextEdit* e = Edit();
        QTextDocument* d = e->document();
        QTextCursor all(d);
        all.beginEditBlock();
        all.select(QTextCursor::Document);
        all.mergeCharFormat(change);
        for (QTextBlock b = d->begin(); b.isValid(); b = b.next())
            QTextCursor(b).mergeBlockCharFormat(change);
        all.endEditBlock();
        QTextCharFormat typing = e->currentCharFormat();
        typing.merge(change);
        if (!e->textCursor().hasSelection()) e->setCurrentCharFormat(typing);
    });
}

void TRichEdit::FontApplied() {
    TWinControl::FontApplied();
    applyToAll(FormatOf(Font()));
}

void TRichEdit::ColorChanged() {
    QPalette pal = Edit()->palette();
    pal.setColor(QPalette::Base, ToQColor(Color()));
    Edit()->setPalette(pal);
    Edit()->viewport()->setAutoFillBackground(true);
}

void TRichEdit::SetWordWrap(bool w) {
    wordWrap_ = w;
    Edit()->setLineWrapMode(w ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

void TRichEdit::SetScrollBars(TScrollStyle s) {
    scrollBars_ = s;
    bool h = s == ssHorizontal || s == ssBoth, v = s == ssVertical || s == ssBoth;
    Edit()->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    Edit()->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void TRichEdit::SetReadOnly(bool r) {
    readOnly_ = r;
    Edit()->setReadOnly(r);
    if (r) Edit()->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void TRichEdit::SetBorderStyle(TBorderStyle b) {
    borderStyle_ = b;
    Edit()->setFrameShape(b == bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
}

// ---- TTextAttributes -------------------------------------------------------------------------

QTextCharFormat TTextAttributes::Current() const {
    QTextCharFormat f = owner_->default_;
    if (!selection_) return f;
    QTextEdit* e = owner_->Edit();
    QTextCursor c = e->textCursor();
    if (c.hasSelection()) {
        QTextCursor first(e->document());
        first.setPosition(c.selectionStart() + 1);
        f.merge(first.charFormat());
    } else {
        f.merge(e->currentCharFormat());
    }
    return f;
}

void TTextAttributes::Apply(const QTextCharFormat& change) {
    if (!selection_) {
        owner_->applyToAll(change);
        return;
    }
    owner_->codeEdit([&] { owner_->Edit()->mergeCurrentCharFormat(change); });
}

std::string TTextAttributes::Name() const {
    return NameOf(Current());
}

void TTextAttributes::SetName(const std::string& name) {
    QTextCharFormat f;
    ::SetName(f, name);
    Apply(f);
}

int TTextAttributes::Size() const {
    return HalfPointsOf(Current()) / 2;
}

void TTextAttributes::SetSize(int points) {
    QTextCharFormat f;
    SetHalfPoints(f, std::clamp(points, 1, kMaxHalfPoints / 2) * 2);
    Apply(f);
}

int TTextAttributes::Height() const {
    return int(std::lround(Size() * 96.0 / 72.0));
}

void TTextAttributes::SetHeight(int pixels) {
    SetSize(int(std::lround(std::abs(pixels) * 72.0 / 96.0)));
}

TFontStyles TTextAttributes::Style() const {
    return StyleOf(Current());
}

void TTextAttributes::SetStyle(TFontStyles style) {
    QTextCharFormat f;
    ::SetStyle(f, style);
    Apply(f);
}

TColor TTextAttributes::Color() const {
    return ColorOf(Current());
}

void TTextAttributes::SetColor(TColor color) {
    QTextCharFormat f;
    ::SetColor(f, color);
    Apply(f);
}

void TTextAttributes::Assign(const TFont& font) {
    Apply(FormatOf(font));
}

namespace {
TFont fontOfFormat(const QTextCharFormat& f) {
    TFont font;
    font.Name = NameOf(f);
    font.SetSize(HalfPointsOf(f) / 2);
    font.Style = StyleOf(f);
    font.Color = ColorOf(f);
    return font;
}
} // namespace

TFont TTextAttributes::AsFont() const {
    return fontOfFormat(Current());
}

// As a text cursor reads it, without placing one (placing one lays the line out): the
// character before `pos`, or at the start of a paragraph that is not empty the one after it.
TFont TRichEdit::caretFont(int pos) const {
    QTextDocument* d = Edit()->document();
    pos = std::clamp(pos, 0, GetTextLen());
    const QTextBlock at = d->findBlock(pos);
    const int p = pos == at.position() && at.length() > 1 ? pos : pos - 1;
    QTextCharFormat f = default_;
    if (p < 0) {
        f.merge(d->firstBlock().charFormat());
        return fontOfFormat(f);
    }
    const QTextBlock b = d->findBlock(p);
    QTextCharFormat found = b.charFormat(); // the paragraph mark's own
    for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment frag = it.fragment();
        if (frag.contains(p)) {
            found = frag.charFormat();
            break;
        }
    }
    f.merge(found);
    return fontOfFormat(f);
}

// ---- TParaAttributes -------------------------------------------------------------------------

TAlignment TParaAttributes::Alignment() const {
    QTextCursor c = owner_->Edit()->textCursor();
    c.setPosition(c.selectionStart());
    switch (RtfAlignmentOf(c.blockFormat().alignment())) {
    case RtfAlignment::Right:
        return taRightJustify;
    case RtfAlignment::Center:
        return taCenter;
    default:
        return taLeftJustify;
    }
}

void TParaAttributes::SetAlignment(TAlignment a) {
    QTextBlockFormat b;
    b.setAlignment(a == taRightJustify ? Qt::AlignRight : a == taCenter ? Qt::AlignHCenter : Qt::AlignLeft);
    owner_->codeEdit([&] { owner_->Edit()->textCursor().mergeBlockFormat(b); });
}

int TParaAttributes::RightIndent() const {
    QTextCursor c = owner_->Edit()->textCursor();
    c.setPosition(c.selectionStart());
    return IndentOf(c.blockFormat(), kRightTwips) / 20;
}

void TParaAttributes::SetRightIndent(int points) {
    QTextBlockFormat b;
    SetIndent(b, kRightTwips, std::clamp(points, 0, 1584) * 20);
    owner_->codeEdit([&] { owner_->Edit()->textCursor().mergeBlockFormat(b); });
}

// ---- TRichEditStrings ------------------------------------------------------------------------

std::vector<std::string> TRichEdit::displayLines() const {
    std::vector<std::string> out;
    QTextDocument* d = Edit()->document();
    const int n = lines_.Count();
    for (int i = 0; i < n; ++i) {
        const QTextBlock b = d->findBlockByNumber(i);
        const QString text = b.text();
        const QTextLayout* layout = nullptr;
        if (wordWrap_) {
            d->documentLayout()->blockBoundingRect(b); // lays the block out at the shown width
            layout = b.layout();
        }
        if (!layout || layout->lineCount() <= 1) {
            out.push_back(TextOf(text));
            continue;
        }
        for (int k = 0; k < layout->lineCount(); ++k) {
            const QTextLine line = layout->lineAt(k);
            out.push_back(TextOf(text.mid(line.textStart(), line.textLength())));
        }
    }
    return out;
}

int TRichEditStrings::Count() const {
    QTextDocument* d = owner_->Edit()->document();
    int n = d->blockCount();
    return d->lastBlock().length() <= 1 ? n - 1 : n;
}

std::string TRichEditStrings::Get(int index) const {
    checkIndex(index, Count());
    return TextOf(owner_->Edit()->document()->findBlockByNumber(index).text());
}

void TRichEditStrings::Put(int index, const std::string& line) {
    checkIndex(index, Count());
    owner_->codeEdit([&] {
        QTextBlock b = owner_->Edit()->document()->findBlockByNumber(index);
        QTextCursor c(b);
        c.setPosition(b.position() + b.length() - 1, QTextCursor::KeepAnchor);
        c.insertText(QtTextOf(line));
    });
}

// As the platform does it: the line and a paragraph break go in at the start of line `index`;
// appending after a last line that has no break adds the break before it too.
void TRichEditStrings::Insert(int index, const std::string& line) {
    int n = Count();
    checkIndex(index, n + 1);
    owner_->codeEdit([&] {
        QTextDocument* d = owner_->Edit()->document();
        QString text = QtTextOf(line);
        if (index < d->blockCount()) {
            QTextCursor(d->findBlockByNumber(index)).insertText(text + '\n');
        } else {
            QTextCursor c(d);
            c.movePosition(QTextCursor::End);
            c.insertText('\n' + text + '\n');
        }
    });
}

void TRichEditStrings::Delete(int index) {
    checkIndex(index, Count());
    owner_->codeEdit([&] {
        QTextBlock b = owner_->Edit()->document()->findBlockByNumber(index);
        QTextCursor c(b);
        if (b.next().isValid()) {
            c.setPosition(b.next().position(), QTextCursor::KeepAnchor);
        } else {
            // The last paragraph has no break of its own: take the one before it.
            c.setPosition(b.position() + b.length() - 1);
            c.setPosition(std::max(b.position() - 1, 0), QTextCursor::KeepAnchor);
        }
        c.removeSelectedText();
    });
}

void TRichEditStrings::Clear() {
    owner_->Clear();
}

void TRichEditStrings::SetText(const std::string& text) {
    owner_->replaceAllText(text);
}

void TRichEditStrings::LoadFromFile(const std::string& fileName) {
    std::vector<std::uint8_t> bytes = ReadWholeFile(fileName);
    owner_->loadBytes(std::string(bytes.begin(), bytes.end()));
}

void TRichEditStrings::SaveToFile(const std::string& fileName) const {
    std::string bytes = owner_->saveBytes();
    writeFileReplacing(fileName, bytes);
}

void TRichEditStrings::LoadFromStream(std::istream& in) {
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw EStreamError("Stream read error");
    owner_->loadBytes(bytes);
}

void TRichEditStrings::SaveToStream(std::ostream& out) const {
    std::string bytes = owner_->saveBytes();
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out) throw EStreamError("Stream write error");
}
