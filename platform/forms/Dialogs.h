#pragma once
// The common dialogs. Execute asks the modal seam first (see ModalSeam.h): a queued file name,
// colour, font or button answers it; Cancel makes Execute return false and leaves the dialog's
// values as they were.
#include "Controls.h"

#include <string>
#include <vector>

using TOpenOptions = unsigned;
enum TOpenOption : unsigned {
    ofReadOnly = 1,
    ofOverwritePrompt = 2,
    ofHideReadOnly = 4,
    ofNoChangeDir = 8,
    ofAllowMultiSelect = 16,
    ofExtensionDifferent = 32,
    ofPathMustExist = 64,
    ofFileMustExist = 128,
    ofCreatePrompt = 256,
    ofNoReadOnlyReturn = 512,
};

// Open: FileName is the chosen file (Files all of them with ofAllowMultiSelect). Filter is
// "Description|*.a;*.b|Other|*.c"; FilterIndex counts from 1.
class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* owner);
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& f) { fileName_ = f; }
    const std::vector<std::string>& Files() const { return files_; }
    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& f) { filter_ = f; }
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int i) { filterIndex_ = i; }
    const std::string& DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const std::string& e) { defaultExt_ = e; }
    const std::string& InitialDir() const { return initialDir_; }
    void SetInitialDir(const std::string& d) { initialDir_ = d; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& t) { title_ = t; }
    TOpenOptions Options() const { return options_; }
    void SetOptions(TOpenOptions o) { options_ = o; }
    virtual bool Execute();

protected:
    virtual bool saving() const { return false; }
    // The name with the default extension added when it has none.
    std::string withDefaultExt(const std::string& name) const;
    std::string fileName_;
    std::vector<std::string> files_;
    std::string filter_;
    int filterIndex_ = 1;
    std::string defaultExt_;
    std::string initialDir_;
    std::string title_;
    TOpenOptions options_ = ofHideReadOnly;
};

// Save: the default extension is added only when the chosen name has none; with
// ofOverwritePrompt an existing file is confirmed first (a message box; "No" goes back to the
// dialog, which takes the next answer).
class TSaveDialog : public TOpenDialog {
public:
    explicit TSaveDialog(TComponent* owner) : TOpenDialog(owner) {}
    bool Execute() override;

protected:
    bool saving() const override { return true; }
};

using TOpenPictureDialog = TOpenDialog;
using TSavePictureDialog = TSaveDialog;

// Converts "Text|*.a;*.b|All|*.*" into Qt's "Text (*.a *.b);;All (*.*)".
std::string QtFilterFrom(const std::string& filter);
// The extension of a file name with its dot ("" when none), as the platform extracts it.
std::string ExtractFileExt(const std::string& name);

class TColorDialog : public TComponent {
public:
    explicit TColorDialog(TComponent* owner) : TComponent(owner) {}
    TColor Color() const { return color_; }
    void SetColor(TColor c) { color_ = c; }
    bool Execute();

private:
    TColor color_ = clBlack;
};

class TFontDialog : public TComponent {
public:
    explicit TFontDialog(TComponent* owner) : TComponent(owner) {}
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& f) { font_ = f; }
    bool Execute();

private:
    TFont font_;
};

// Print and printer set-up, both over the program's one printer (Printer()). Execute is true
// when the user confirmed: a queued IDOK/mrOk, a queued file name (the print goes to that PDF
// file) or a queued printer edit (ModalSeam::QueuePrinter), which runs before confirming.
using TPrintDialogOptions = unsigned;
enum TPrintDialogOption : unsigned {
    poPrintToFile = 1,
    poPageNums = 2,
    poSelection = 4,
    poWarning = 8,
    poHelp = 16
};
enum TPrintRange { prAllPages, prSelection, prPageNums };

class TPrintDialog : public TComponent {
public:
    explicit TPrintDialog(TComponent* owner) : TComponent(owner) {}
    int Copies() const { return copies_; }
    void SetCopies(int c) { copies_ = c; }
    TPrintDialogOptions Options() const { return options_; }
    void SetOptions(TPrintDialogOptions o) { options_ = o; }
    int MinPage() const { return minPage_; }
    void SetMinPage(int p) { minPage_ = p; }
    int MaxPage() const { return maxPage_; }
    void SetMaxPage(int p) { maxPage_ = p; }
    int FromPage() const { return fromPage_; }
    void SetFromPage(int p) { fromPage_ = p; }
    int ToPage() const { return toPage_; }
    void SetToPage(int p) { toPage_ = p; }
    TPrintRange PrintRange() const { return range_; }
    void SetPrintRange(TPrintRange r) { range_ = r; }
    bool Execute();

private:
    int copies_ = 1;
    TPrintDialogOptions options_ = 0;
    int minPage_ = 0, maxPage_ = 0, fromPage_ = 0, toPage_ = 0;
    TPrintRange range_ = prAllPages;
};

class TPrinterSetupDialog : public TComponent {
public:
    explicit TPrinterSetupDialog(TComponent* owner) : TComponent(owner) {}
    bool Execute();
};
