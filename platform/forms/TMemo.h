#pragma once
#include "Controls.h"
#include "TStrings.h"

#include <memory>

class QPlainTextEdit;

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A multi-line edit. Lines() is a live view of its text; Text() has CR LF between lines.
// OnChange runs when the text changes, from the user or from code.
class TMemo : public TWinControl {
public:
    TMemo(TComponent* owner, TWinControl* parent);
    ~TMemo() override;

    TStrings& Lines() { return *lines_; }
    bool ReadOnly() const;
    void SetReadOnly(bool r);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool w);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle s);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    void Clear() { SetText(""); }
    void SelectAll();

    TNotifyEvent OnChange;
    QPlainTextEdit* Edit() const;

protected:
    std::string GetText() const override;
    void SetTextValue(const std::string& t) override;
    void ColorChanged() override;

private:
    friend class MemoLines;
    std::unique_ptr<TStrings> lines_;
    bool wordWrap_ = true;
    TScrollStyle scrollBars_ = ssNone;
    TAlignment alignment_ = taLeftJustify;
};
