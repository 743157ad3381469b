#include "Forms.h"

#include "Application.h"
#include "BitmapImage.h"
#include "Menus.h"
#include "ModalSeam.h"
#include "Printer.h"
#include "Screen.h"
#include "TButton.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QUrl>
#include <functional>

namespace {
TCustomForm* activeForm = nullptr;

// Raising and activating are window-manager requests; the offscreen platform has none.
void raiseWindow(QWidget* w) {
    static const bool offscreen = QGuiApplication::platformName() == "offscreen";
    if (offscreen) return;
    w->raise();
    w->activateWindow();
}
} // namespace

void fillBitmap(TBitmap& bmp, TColor c) {
    std::uint32_t w = TBitmap::ToWord(ColorToRGB(c));
    for (int y = 0; y < bmp.Height(); ++y) {
        std::uint32_t* row = bmp.Row32(y);
        std::fill(row, row + bmp.Width(), w);
    }
}

// The top-level window around a form's client area: it turns window events into the form's.
class FormWindow : public QWidget {
public:
    explicit FormWindow(TCustomForm* f) : QWidget(nullptr, Qt::Window), form_(f) {}

protected:
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        Application->Guard([this] { form_->Close(); });
    }
    void resizeEvent(QResizeEvent*) override {
        if (!form_->applying_ && isVisible())
            Application->Guard([this] { form_->fromQtResize(width(), height()); });
        else
            form_->layoutInner();
    }
    void moveEvent(QMoveEvent*) override {
        if (!form_->applying_ && isVisible()) form_->fromQtMove(x(), y());
    }
    void changeEvent(QEvent* e) override {
        if (e->type() == QEvent::ActivationChange)
            Application->Guard([this] { form_->activate(isActiveWindow()); });
        else if (e->type() == QEvent::WindowStateChange) {
            if (isMinimized())
                form_->windowState_ = wsMinimized;
            else if (isMaximized())
                form_->windowState_ = wsMaximized;
            else
                form_->windowState_ = wsNormal;
        }
        QWidget::changeEvent(e);
    }
    void dragEnterEvent(QDragEnterEvent* e) override {
        if (form_->acceptFiles_ && e->mimeData()->hasUrls()) e->acceptProposedAction();
    }
    void dragMoveEvent(QDragMoveEvent* e) override {
        if (form_->acceptFiles_ && e->mimeData()->hasUrls()) e->acceptProposedAction();
    }
    void dropEvent(QDropEvent* e) override {
        if (!form_->acceptFiles_) return;
        std::vector<std::string> files;
        for (const QUrl& u : e->mimeData()->urls())
            if (u.isLocalFile()) files.push_back(FromQString(u.toLocalFile()));
        e->acceptProposedAction();
        Application->Guard([&] { form_->DropFiles(files); });
    }

private:
    TCustomForm* form_;
};

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner, nullptr, new TPaintHost) {
    window_ = new FormWindow(this);
    widget_->setParent(window_);
    widget_->show();
    window_->setFocusProxy(widget_);
    TControl::SetVisible(false);
    SetDesignSize(320, 240);
    applyFlags();
    applyWindowGeometry();
}

TCustomForm::~TCustomForm() {
    if (OnDestroy) {
        try {
            OnDestroy(this);
        } catch (...) {
        }
    }
    if (activeForm == this) activeForm = nullptr;
    Application->formDestroyed(this);
    DestroyComponents();
    // The client widget goes with the window.
    QWidget* w = window_;
    window_ = nullptr;
    widget_->setParent(nullptr);
    delete w;
}

int TCustomForm::FrameBorder() const {
    switch (borderStyle_) {
    case bsNone:
        return 0;
    case bsSizeable:
    case bsSizeToolWin:
        return 4;
    default:
        return 3;
    }
}

int TCustomForm::CaptionHeight() const {
    switch (borderStyle_) {
    case bsNone:
        return 0;
    case bsToolWindow:
    case bsSizeToolWin:
        return 16;
    default:
        return 19;
    }
}

int TCustomForm::MenuHeight() const {
    if (!menu_ || !menu_->MenuBar()) return 0;
    return TMenuBarHost::kRowHeight * menu_->MenuBar()->RowsFor(ClientWidth());
}

int TCustomForm::ClientWidth() const {
    return std::max(Width() - 2 * FrameBorder(), 0);
}

int TCustomForm::ClientHeight() const {
    return std::max(Height() - 2 * FrameBorder() - CaptionHeight() - MenuHeight(), 0);
}

void TCustomForm::SetClientWidth(int w) {
    SetWidth(w + 2 * FrameBorder());
}

void TCustomForm::SetClientHeight(int h) {
    SetHeight(h + 2 * FrameBorder() + CaptionHeight() + MenuHeight());
}

void TCustomForm::ApplyGeometry() {
    if (window_) applyWindowGeometry();
}

void TCustomForm::applyWindowGeometry() {
    if (!window_ || applying_) return;
    applying_ = true;
    int cw = std::max(ClientWidth(), 1);
    int ch = std::max(ClientHeight() + MenuHeight(), 1);
    bool fixed = borderStyle_ != bsSizeable && borderStyle_ != bsSizeToolWin;
    if (fixed) {
        window_->setMinimumSize(cw, ch);
        window_->setMaximumSize(cw, ch);
    } else {
        window_->setMinimumSize(0, 0);
        window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    window_->resize(cw, ch);
    window_->move(Left(), Top());
    applying_ = false;
    layoutInner();
}

void TCustomForm::layoutInner() {
    if (!window_) return;
    int mh = MenuHeight();
    if (menuBar_) menuBar_->setGeometry(0, 0, window_->width(), mh);
    if (menu_ && menu_->MenuBar()) menu_->MenuBar()->Relayout();
    widget_->setGeometry(0, mh, std::max(ClientWidth(), 0), std::max(ClientHeight(), 0));
}

void TCustomForm::fromQtResize(int cw, int chWithMenu) {
    int w = cw + 2 * FrameBorder();
    int h = chWithMenu + 2 * FrameBorder() + CaptionHeight();
    if (w == Width() && h == Height()) {
        layoutInner();
        return;
    }
    applying_ = true;
    try {
        TControl::SetBounds(Left(), Top(), w, h);
    } catch (...) {
        applying_ = false;
        throw;
    }
    applying_ = false;
    layoutInner();
}

void TCustomForm::fromQtMove(int x, int y) {
    if (x == Left() && y == Top()) return;
    applying_ = true;
    TControl::SetBounds(x, y, Width(), Height());
    applying_ = false;
}

void TCustomForm::BoundsChanged() {
    applyWindowGeometry();
    if (canvasBitmap_) canvasBitmap_->SetSize(ClientWidth(), ClientHeight());
    paintPending_ = true;
    TWinControl::BoundsChanged();
}

void TCustomForm::CaptionChanged() {
    window_->setWindowTitle(ToQString(Caption()));
}

void TCustomForm::ColorChanged() {
    Invalidate();
}

void TCustomForm::applyFlags() {
    // The frame buttons follow the border style and its icons: minimise and maximise only with
    // a system menu, maximise only on a sizeable frame, none on a dialog frame. A tool window
    // keeps its minimise button, so it is an ordinary window to the window manager (utility
    // windows lose it) with a thin caption of its own.
    Qt::WindowFlags f = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    bool system = borderIcons_ & biSystemMenu;
    if (system) f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    switch (borderStyle_) {
    case bsNone:
        f = Qt::Window | Qt::FramelessWindowHint;
        break;
    case bsDialog:
        f |= Qt::Dialog;
        break;
    default:
        if (system && (borderIcons_ & biMinimize)) f |= Qt::WindowMinimizeButtonHint;
        if (system && (borderIcons_ & biMaximize) && borderStyle_ == bsSizeable)
            f |= Qt::WindowMaximizeButtonHint;
        break;
    }
    if (formStyle_ == fsStayOnTop) f |= Qt::WindowStaysOnTopHint;
    bool shown = window_->isVisible();
    window_->setWindowFlags(f);
    if (shown) window_->show();
}

void TCustomForm::SetBorderStyle(TBorderStyle b) {
    if (b == borderStyle_) return;
    // The outer size stays; the client area follows the new frame.
    borderStyle_ = b;
    applyFlags();
    applyWindowGeometry();
    Realign();
}

void TCustomForm::SetBorderIcons(TBorderIcons b) {
    borderIcons_ = b;
    applyFlags();
}

void TCustomForm::SetFormStyle(TFormStyle s) {
    if (s == formStyle_) return;
    formStyle_ = s;
    applyFlags();
}

void TCustomForm::SetWindowState(TWindowState s) {
    windowState_ = s;
    if (!Visible()) return;
    if (s == wsMinimized)
        window_->showMinimized();
    else if (s == wsMaximized)
        window_->showMaximized();
    else
        window_->showNormal();
    windowState_ = s;
}

void TCustomForm::CenterOnScreen() {
    SetBounds(Screen->Width() / 2 - Width() / 2, Screen->Height() / 2 - Height() / 2, Width(), Height());
}

void TCustomForm::SetVisible(bool v) {
    if (v == Visible()) return;
    if (v) {
        TControl::SetVisible(true);
        paintPending_ = true;
        if (OnShow) OnShow(this);
        if (!Visible()) return; // the show handler hid it again
        if (windowState_ == wsMinimized)
            window_->showMinimized();
        else if (windowState_ == wsMaximized)
            window_->showMaximized();
        else
            window_->show();
        raiseWindow(window_);
        activate(true);
    } else {
        if (OnHide) OnHide(this);
        TControl::SetVisible(false);
        window_->hide();
        activate(false);
    }
}

void TCustomForm::Show() {
    SetVisible(true);
    // Showing a minimised window restores it (keeping a maximised one maximised).
    if (Visible() && (windowState_ == wsMinimized || window_->isMinimized())) {
        window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
        windowState_ = window_->isMaximized() ? wsMaximized : wsNormal;
    }
    BringToFront();
}

void TCustomForm::BringToFront() {
    if (!Visible()) return;
    raiseWindow(window_);
}

void TCustomForm::activate(bool a) {
    if (a == active_) return;
    if (a) {
        if (activeForm && activeForm != this) activeForm->activate(false);
        activeForm = this;
        active_ = true;
        if (OnActivate) OnActivate(this);
    } else {
        active_ = false;
        if (activeForm == this) activeForm = nullptr;
        if (OnDeactivate) OnDeactivate(this);
    }
}

bool TCustomForm::CloseQuery() {
    bool can = true;
    if (OnCloseQuery) OnCloseQuery(this, can);
    return can;
}

void TCustomForm::Close() {
    if (modal_) {
        SetModalResult(mrCancel);
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    if (OnClose) OnClose(this, action);
    if (action == caNone) return;
    if (Application->MainForm() == this) {
        Hide();
        Application->Terminate();
    } else if (action == caMinimize) {
        SetWindowState(wsMinimized);
    } else {
        // Every window lives until the program ends: a form asking to be freed is hidden.
        Hide();
    }
}

bool TCustomForm::closeModal() {
    TCloseAction action = CloseQuery() ? caHide : caNone;
    if (OnClose) OnClose(this, action);
    if (action == caNone) {
        modalResult_ = mrNone;
        return false;
    }
    return true;
}

void TCustomForm::SetModalResult(TModalResult r) {
    modalResult_ = r;
    if (modalLoop_ && r != mrNone) modalLoop_->quit();
}

namespace {
TControl* findButton(TWinControl* w, int result) {
    for (int i = 0; i < w->ControlCount(); ++i) {
        TControl* c = w->Controls(i);
        if (c->ButtonModalResult() == result && c->Visible() && c->Enabled()) return c;
        if (auto* inner = dynamic_cast<TWinControl*>(c))
            if (TControl* found = findButton(inner, result)) return found;
    }
    return nullptr;
}
} // namespace

TModalResult TCustomForm::ShowModal() {
    if (Visible() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
    TModalAnswer answer = ModalSeam().Take(TModalKind::Form, Name(), Caption());
    modalResult_ = mrNone;
    modal_ = true;
    struct Restore {
        TCustomForm* f;
        ~Restore() {
            f->modal_ = false;
            f->modalLoop_ = nullptr;
            if (f->Visible()) {
                try {
                    f->Hide();
                } catch (...) {
                }
            }
            f->window_->setWindowModality(Qt::NonModal);
            if (f->formStyle_ != fsStayOnTop) f->window_->setWindowFlag(Qt::WindowStaysOnTopHint, false);
        }
    } restore{this};

    if (answer.kind == TModalAnswer::Real) {
        window_->setWindowModality(Qt::ApplicationModal);
        // A modal window is the one thing the user can answer: it goes above the program's
        // stay-on-top windows (the tool palette), which would otherwise cover its controls.
        window_->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        Show();
        QEventLoop loop;
        modalLoop_ = &loop;
        for (;;) {
            if (modalResult_ == mrNone && !Application->Terminated()) loop.exec();
            if (Application->Terminated()) {
                if (modalResult_ == mrNone) modalResult_ = mrCancel;
                break;
            }
            if (modalResult_ != mrNone && closeModal()) break;
        }
        return modalResult_;
    }

    Show();
    if (answer.kind == TModalAnswer::Script) {
        answer.script(*this);
    } else {
        int wanted = answer.kind == TModalAnswer::Result ? answer.result : mrCancel;
        if (TControl* b = findButton(this, wanted))
            b->Click();
        else
            SetModalResult(wanted);
    }
    if (modalResult_ == mrNone) {
        ModalSeam().Fail("modal form \"" + Name() + "\" still open after its queued answer");
        modalResult_ = mrCancel;
    } else if (!closeModal()) {
        ModalSeam().Fail("modal form \"" + Name() + "\" refused to close after its queued answer");
        modalResult_ = mrCancel;
    }
    return modalResult_;
}

QImage TCustomForm::GetFormImage() {
    const int w = std::max(ClientWidth(), 0), h = std::max(ClientHeight(), 0);
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(ToQColor(Color()));
    if (w == 0 || h == 0) return img;
    // The window manager may have kept the window smaller than the program made it.
    QSize shown = widget_->size();
    if (shown != QSize(w, h)) widget_->resize(w, h);
    widget_->render(&img, QPoint(), QRegion(0, 0, w, h));
    if (shown != QSize(w, h)) widget_->resize(shown);
    return img;
}

void TCustomForm::Print() {
    QImage img = GetFormImage();
    std::string error =
        Printer()->PrintImage(img, double(Printer()->PixelsPerInch()) / Screen->PixelsPerInch());
    if (!error.empty()) throw EPrinter(error);
}

TCanvas& TCustomForm::Canvas() {
    if (!canvasBitmap_) {
        canvasBitmap_ =
            std::make_unique<TBitmap>(std::max(ClientWidth(), 1), std::max(ClientHeight(), 1), pf32bit);
        fillBitmap(*canvasBitmap_, Color());
        canvasBitmap_->OnChange = [this](const TRect& r) {
            if (Application->PaintDepth() == 0) InvalidateRect(r);
        };
    }
    return canvasBitmap_->Canvas();
}

void TCustomForm::Invalidate() {
    paintPending_ = true;
    TWinControl::Invalidate();
}

void TCustomForm::Repaint() {
    paintPending_ = true;
    TWinControl::Repaint();
}

void TCustomForm::Paint(QPainter& p, const QRect& r) {
    p.fillRect(r, ToQColor(Color()));
    if (paintPending_) {
        paintPending_ = false;
        if (canvasBitmap_) fillBitmap(*canvasBitmap_, Color());
        if (OnPaint) OnPaint(this);
    }
    if (canvasBitmap_) p.drawImage(QPoint(0, 0), WrapBitmap(*canvasBitmap_));
}

namespace {
TButton* findKeyButton(TWinControl* w, bool cancel) {
    for (int i = 0; i < w->ControlCount(); ++i) {
        TControl* c = w->Controls(i);
        if (auto* b = dynamic_cast<TButton*>(c))
            if ((cancel ? b->Cancel() : b->Default()) && b->Showing() && b->Enabled()) return b;
        if (auto* inner = dynamic_cast<TWinControl*>(c))
            if (TButton* found = findKeyButton(inner, cancel)) return found;
    }
    return nullptr;
}
} // namespace

bool TCustomForm::HandleEvent(QEvent* e) {
    if (e->type() == QEvent::Show) paintPending_ = true;
    if (TWinControl::HandleEvent(e)) return true;
    if (e->type() == QEvent::KeyPress) {
        // Keys the controls left: Enter presses the default button, Escape the cancel button.
        int k = static_cast<QKeyEvent*>(e)->key();
        bool cancel = k == Qt::Key_Escape;
        if (cancel || k == Qt::Key_Return || k == Qt::Key_Enter) {
            if (TButton* b = findKeyButton(this, cancel)) {
                b->Click();
                return true;
            }
        }
    }
    return false;
}

void TCustomForm::SetMenu(TMainMenu* m) {
    if (menu_ && menu_->MenuBar()) menu_->MenuBar()->OnRowsChanged = nullptr;
    if (menuBar_) {
        menuBar_->setParent(nullptr);
        menuBar_->hide();
        menuBar_ = nullptr;
    }
    menu_ = m;
    if (m) {
        menuBar_ = m->MenuBar();
        menuBar_->setParent(window_);
        menuBar_->show();
        // Menus added, hidden or renamed may change the rows: the client area follows.
        m->MenuBar()->OnRowsChanged = [this] {
            applyWindowGeometry();
            Realign();
        };
    }
    // The outer size stays; the client area shrinks by the menu bar.
    applyWindowGeometry();
    Realign();
}

TWinControl* TCustomForm::ActiveControl() const {
    return activeControl_;
}

void TCustomForm::SetActiveControl(TWinControl* c) {
    activeControl_ = c;
    if (c && Visible()) c->SetFocus();
}

void TCustomForm::SetAcceptFiles(bool a) {
    acceptFiles_ = a;
    window_->setAcceptDrops(a);
}

void TCustomForm::DropFiles(const std::vector<std::string>& files) {
    if (acceptFiles_ && OnDropFiles && !files.empty()) OnDropFiles(this, files);
}

void TCustomForm::SetIcon(const TBitmap& icon) {
    QImage img = WrapBitmap(icon);
    if (!img.isNull()) window_->setWindowIcon(QIcon(QPixmap::fromImage(img.copy())));
}
