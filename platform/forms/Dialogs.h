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

// Print and printer set-up: Execute is true when the user confirmed (a queued IDOK/mrOk).
class TPrintDialog : public TComponent {
public:
    explicit TPrintDialog(TComponent* owner) : TComponent(owner) {}
    int Copies() const { return copies_; }
    void SetCopies(int c) { copies_ = c; }
    bool Execute();

private:
    int copies_ = 1;
};

class TPrinterSetupDialog : public TComponent {
public:
    explicit TPrinterSetupDialog(TComponent* owner) : TComponent(owner) {}
    bool Execute();
};
