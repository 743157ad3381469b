#pragma once
#include "Forms.h"
#include "TButton.h"
#include "TPanel.h"
#include "TRichEdit.h"

#include <string>

// A small help window in the top-right corner of the screen. Callers fill RichEdit1 from an .rtf
// file (LoadHelpFile) and show it; it keeps its last text.
class THelpfrm : public TForm {
public:
    explicit THelpfrm(TComponent* AOwner = nullptr);

    TPanel* Panel1;
    TRichEdit* RichEdit1;
    TButton* bmm;
    TButton* Button1;

    // When the file exists: clears RichEdit1, sets a 1-point right indent and loads the file as
    // rich text. A file that is missing or cannot be opened leaves the text as it was (false).
    bool LoadHelpFile(const std::string& fileName);

    // The main window's manual command that "Making Movies (on-line help)" runs (set at creation).
    TNotifyEvent OnManual;

    void FormCreate(TObject* Sender);
    void Button1Click(TObject* Sender);
    void bmmClick(TObject* Sender);
};

extern THelpfrm* Helpfrm;
