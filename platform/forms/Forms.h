#pragma once
#include "Controls.h"
#include "TBitmap.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TMainMenu;
class QEventLoop;
class QImage;

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;

enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TFormStyle { fsNormal, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TPosition { poDesigned, poScreenCenter };
using TBorderIcons = unsigned;
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;
using TDropFilesEvent = std::function<void(TObject* Sender, const std::vector<std::string>& Files)>;

class EInvalidOperation : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A print that could not be done (no printer, an unwritable file).
class EPrinter : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A top-level window. Left/Top/Width/Height are the outer frame, as the program sets them;
// ClientWidth/ClientHeight the area inside the frame, caption and menu bar (fixed frame metrics
// per border style). Forms are made with Application->CreateForm (which runs OnCreate) and live
// until the program ends; closing a secondary form hides it.
class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* owner = nullptr);
    ~TCustomForm() override;

    // The top-level window (the form's Widget() is its client area inside it).
    QWidget* Window() const { return window_; }
    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetClientWidth(int w) override;
    void SetClientHeight(int h) override;

    void SetVisible(bool v) override;
    // Shows the form (OnShow only when it was hidden) and brings it to the front.
    void Show();
    void Hide() { SetVisible(false); }
    // Asks OnCloseQuery and OnClose. A modal form ends its ShowModal with mrCancel; the main form
    // ends the program; another form hides.
    void Close();
    bool CloseQuery();
    // Shows the form modally through the modal seam and returns its modal result.
    TModalResult ShowModal();
    bool Modal() const { return modal_; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult r);

    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle b);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons b);
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle s);
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState s);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition p) { position_ = p; }
    // left = screen width div 2 - width div 2, top likewise.
    void CenterOnScreen();

    // The client area's canvas: drawing persists until the form is invalidated; OnPaint runs on
    // the paints that follow an invalidation, a show or a resize.
    TCanvas& Canvas();
    void Invalidate() override;
    void Repaint() override;
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* m);
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool k) { keyPreview_ = k; }
    bool Active() const { return active_; }
    TWinControl* ActiveControl() const;
    void SetActiveControl(TWinControl* c);
    bool AcceptFiles() const { return acceptFiles_; }
    void SetAcceptFiles(bool a);
    // Files dropped from the shell (full paths), when AcceptFiles is on.
    void DropFiles(const std::vector<std::string>& files);
    void SetIcon(const TBitmap& icon);
    // The client area as the form draws it, at the client size the program set (rendered from
    // the controls, never read from the screen, so parts off the screen are there too).
    QImage GetFormImage();
    // Prints the client area on one page of the program's printer, at its top-left, each pixel
    // printer pixels per inch over screen pixels per inch; raises EPrinter when nothing printed.
    void Print();

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TDropFilesEvent OnDropFiles;

    // Frame metrics of the border style: side border and caption height.
    int FrameBorder() const;
    int CaptionHeight() const;
    int MenuHeight() const;

protected:
    bool HandleEvent(QEvent* e) override;
    void Paint(QPainter& p, const QRect& r) override;
    void ApplyGeometry() override;
    void ApplyVisible() override {}
    void BringToFront() override;
    void BoundsChanged() override;
    void CaptionChanged() override;
    void ColorChanged() override;

private:
    friend class FormWindow;
    friend class TApplication;
    void applyWindowGeometry();
    void applyFlags();
    void layoutInner();
    bool closeModal();
    void activate(bool a);
    void fromQtResize(int cw, int chWithMenu);
    void fromQtMove(int x, int y);
    QWidget* window_;
    QPointer<QWidget> menuBar_;
    TBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TFormStyle formStyle_ = fsNormal;
    TWindowState windowState_ = wsNormal;
    TPosition position_ = poDesigned;
    TMainMenu* menu_ = nullptr;
    bool modal_ = false;
    bool active_ = false;
    bool keyPreview_ = false;
    bool acceptFiles_ = false;
    bool paintPending_ = true;
    bool applying_ = false;
    TModalResult modalResult_ = mrNone;
    QEventLoop* modalLoop_ = nullptr;
    std::unique_ptr<TBitmap> canvasBitmap_;
    TWinControl* activeControl_ = nullptr;
};

class TForm : public TCustomForm {
public:
    explicit TForm(TComponent* owner = nullptr) : TCustomForm(owner) {}
};
