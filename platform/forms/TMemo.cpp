#include "TMemo.h"

#include "Application.h"

#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextOption>

namespace {
std::vector<std::string> splitLines(const std::string& t) {
    std::vector<std::string> out;
    if (t.empty()) return out;
    std::string cur;
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') continue;
        if (t[i] == '\n' || t[i] == '\r') {
            out.push_back(cur);
            cur.clear();
        } else {
            cur += t[i];
        }
    }
    out.push_back(cur);
    return out;
}

std::string joinLines(const std::vector<std::string>& v) {
    std::string out;
    for (size_t i = 0; i < v.size(); ++i) {
        if (i) out += "\r\n";
        out += v[i];
    }
    return out;
}
} // namespace

class MemoLines : public TStrings {
public:
    explicit MemoLines(TMemo* m) : memo_(m) {}
    int Count() const override { return int(lines().size()); }
    std::string Get(int i) const override {
        auto v = lines();
        checkIndex(i, int(v.size()));
        return v[size_t(i)];
    }
    void Put(int i, const std::string& s) override {
        auto v = lines();
        checkIndex(i, int(v.size()));
        v[size_t(i)] = s;
        store(v);
    }
    void Insert(int i, const std::string& s) override {
        auto v = lines();
        if (i < 0 || i > int(v.size()))
            throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
        v.insert(v.begin() + i, s);
        store(v);
    }
    void Delete(int i) override {
        auto v = lines();
        checkIndex(i, int(v.size()));
        v.erase(v.begin() + i);
        store(v);
    }
    void Clear() override { store({}); }

protected:
    void UpdateEnded() override {
        if (pending_) {
            pending_ = false;
            memo_->SetTextValue(joinLines(buffer_));
        }
    }

private:
    std::vector<std::string> lines() const { return pending_ ? buffer_ : splitLines(memo_->GetText()); }
    void store(const std::vector<std::string>& v) {
        if (Updating()) {
            buffer_ = v;
            pending_ = true;
            return;
        }
        memo_->SetTextValue(joinLines(v));
    }
    TMemo* memo_;
    std::vector<std::string> buffer_;
    bool pending_ = false;
};

TMemo::TMemo(TComponent* owner, TWinControl* parent)
    : TWinControl(owner, parent, new QPlainTextEdit), lines_(std::make_unique<MemoLines>(this)) {
    clickOnMouseUp_ = false;
    SetTabStop(true);
    SetColor(clWindow);
    SetDesignSize(185, 89);
    QObject::connect(Edit(), &QPlainTextEdit::textChanged,
                     [this] { Application->Guard([this] { FireChange(OnChange); }); });
    SetScrollBars(ssNone);
}

TMemo::~TMemo() = default;

QPlainTextEdit* TMemo::Edit() const {
    return static_cast<QPlainTextEdit*>(widget_);
}

std::string TMemo::GetText() const {
    std::string t = FromQString(Edit()->toPlainText());
    std::string out;
    for (char c : t) {
        if (c == '\n')
            out += "\r\n";
        else
            out += c;
    }
    return out;
}

void TMemo::SetTextValue(const std::string& t) {
    if (t == GetText()) return;
    std::string plain;
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\r') {
            plain += '\n';
            if (i + 1 < t.size() && t[i + 1] == '\n') ++i;
        } else {
            plain += t[i];
        }
    }
    {
        QSignalBlocker block(Edit());
        Edit()->setPlainText(ToQString(plain));
    }
    FireChange(OnChange);
}

bool TMemo::ReadOnly() const {
    return Edit()->isReadOnly();
}
void TMemo::SetReadOnly(bool r) {
    Edit()->setReadOnly(r);
}

void TMemo::SetWordWrap(bool w) {
    wordWrap_ = w;
    Edit()->setLineWrapMode(w ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::SetScrollBars(TScrollStyle s) {
    scrollBars_ = s;
    bool h = s == ssHorizontal || s == ssBoth, v = s == ssVertical || s == ssBoth;
    Edit()->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    Edit()->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TMemo::SetAlignment(TAlignment a) {
    alignment_ = a;
    QTextOption opt = Edit()->document()->defaultTextOption();
    opt.setAlignment(a == taCenter ? Qt::AlignHCenter : a == taRightJustify ? Qt::AlignRight : Qt::AlignLeft);
    Edit()->document()->setDefaultTextOption(opt);
}

void TMemo::SelectAll() {
    Edit()->selectAll();
}

void TMemo::ColorChanged() {
    QPalette pal = Edit()->palette();
    pal.setColor(QPalette::Base, ToQColor(Color()));
    Edit()->setPalette(pal);
}
