#pragma once
// The base of the window layer: components, controls and containers as thin classes over Qt
// widgets.
//
// Making a new control:
//   class TMyControl : public TWinControl {          // or TControl for a leaf
//   public:
//       TMyControl(TComponent* owner, TWinControl* parent)
//           : TWinControl(owner, parent, new QTextEdit) {}   // the control owns this widget
//       QTextEdit* Edit() const { return static_cast<QTextEdit*>(Widget()); }
//   protected:
//       bool HandleEvent(QEvent* e) override;         // optional: see every event of the widget
//   };
// The base places the widget in the parent's client widget at Left/Top/Width/Height, keeps
// visibility, enabling, hint, cursor, font and colour, and turns the widget's mouse events into
// OnMouseDown/OnMouseMove/OnMouseUp (client coordinates) and drag and drop. A control drawn by
// the layer itself passes `new TPaintHost` and overrides Paint(). A container whose children go
// into an inner widget overrides ClientWidget(). Events raised by Qt run inside
// Application->Guard, so an exception escaping a handler becomes the default error report;
// events raised from code (Click(), SetValue...) run directly and let exceptions through.
#include "TCanvas.h"
#include "TColor.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class TComponent;
class TControl;
class TWinControl;
class TPopupMenu;
class TCustomForm;
class TForm;
class QPainter;

class TObject {
public:
    virtual ~TObject() = default;
};

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Shift state: keys and buttons held during a mouse or key event.
using TShiftState = unsigned;
enum TShiftFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64,
};

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TCursor {
    crDefault,
    crNone,
    crArrow,
    crCross,
    crIBeam,
    crSizeNESW,
    crSizeNS,
    crSizeNWSE,
    crSizeWE,
    crUpArrow,
    crHourGlass,
    crDrag,
    crNoDrop,
    crHSplit,
    crVSplit,
    crMultiDrag,
    crNo,
    crAppStart,
    crHelp,
    crHandPoint,
    crSizeAll,
};

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TDragMode { dmManual, dmAutomatic };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
enum TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
// Key is the virtual-key code (VK_... values: letters and digits are their upper-case ASCII
// codes); a handler may set it to 0 to swallow the key.
using TKeyEvent = std::function<void(TObject* Sender, unsigned short& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;
using TDragOverEvent =
    std::function<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TStartDragEvent = std::function<void(TObject* Sender)>;
// Target is the control dropped on, or null when the drag was cancelled or refused.
using TEndDragEvent = std::function<void(TObject* Sender, TObject* Target, int X, int Y)>;

// A named component with an owner. The owner destroys its components, the last created first,
// when it is destroyed; a component destroyed earlier leaves its owner's list.
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& n) { name_ = n; }
    int Tag() const { return tag_; }
    void SetTag(int t) { tag_ = t; }
    int ComponentCount() const { return int(components_.size()); }
    TComponent* Components(int i) const;
    TComponent* FindComponent(const std::string& name) const;

protected:
    // Destroys the owned components now (derived destructors call it while their state is whole).
    void DestroyComponents();

private:
    TComponent* owner_;
    std::string name_;
    int tag_ = 0;
    std::vector<TComponent*> components_;
    bool destroying_ = false;
};

// The widget of a control that the layer draws itself: it calls the control's Paint().
class TPaintHost : public QWidget {
public:
    explicit TPaintHost(QWidget* parent = nullptr);
    void SetPainter(std::function<void(QPainter&, const QRect&)> p) { painter_ = std::move(p); }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::function<void(QPainter&, const QRect&)> painter_;
};

// A visible control. Positions are client coordinates of the parent.
class TControl : public TComponent {
public:
    TControl(TComponent* owner, TWinControl* parent, QWidget* widget);
    ~TControl() override;

    QWidget* Widget() const { return widget_; }
    TWinControl* Parent() const { return parent_; }
    void SetParent(TWinControl* p);
    // The form the control sits on (following parents), or null.
    TCustomForm* ParentForm() const;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int l, int t, int w, int h);
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    virtual int ClientWidth() const { return width_; }
    virtual int ClientHeight() const { return height_; }
    virtual void SetClientWidth(int w) { SetWidth(w); }
    virtual void SetClientHeight(int h) { SetHeight(h); }
    TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible and every parent visible (and the form shown).
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool e);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& h);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool s);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor c);
    TAlign Align() const { return align_; }
    void SetAlign(TAlign a);
    TColor Color() const { return color_; }
    virtual void SetColor(TColor c);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& f);
    // Edit the font in place, then call FontChanged().
    TFont& FontRef() { return font_; }
    void FontChanged();
    const std::string& Caption() const { return caption_; }
    virtual void SetCaption(const std::string& c);
    std::string Text() const { return GetText(); }
    void SetText(const std::string& t) { SetTextValue(t); }
    TPopupMenu* PopupMenu() const { return popup_; }
    void SetPopupMenu(TPopupMenu* m) { popup_ = m; }

    // Schedules a repaint of the whole control, or of a rectangle of it (client coordinates).
    virtual void Invalidate();
    void InvalidateRect(const TRect& r);
    // Repaints now (immediately, through the widget's paint).
    virtual void Repaint();
    void Refresh() { Repaint(); }
    void Update();
    virtual void BringToFront();
    void SendToBack();

    // Runs OnClick (and what the control does on a click).
    virtual void Click();
    void DblClick();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnResize;

    // Drag and drop between controls of the program.
    TDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TDragMode m) { dragMode_ = m; }
    TCursor DragCursor() const { return dragCursor_; }
    void SetDragCursor(TCursor c) { dragCursor_ = c; }
    // Starts a drag of this control: at once, or once the mouse has moved `threshold` pixels
    // (default 5) with the button held.
    void BeginDrag(bool immediate, int threshold = -1);
    bool Dragging() const;
    void EndDrag(bool drop);
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TStartDragEvent OnStartDrag;
    TEndDragEvent OnEndDrag;

    // Raises the mouse events as the widget would, in client coordinates; the layer's own event
    // handling goes through these, and tests may call them.
    void MouseDown(TMouseButton b, TShiftState s, int x, int y);
    void MouseMove(TShiftState s, int x, int y);
    void MouseUp(TMouseButton b, TShiftState s, int x, int y);

    // The modal result a button control gives its form when clicked (0 for other controls).
    virtual int ButtonModalResult() const { return 0; }

    // The control that wraps a widget (or the nearest wrapped ancestor widget), or null.
    static TControl* FromWidget(QWidget* w);

protected:
    // Every event of the widget passes here first; return true to consume it.
    virtual bool HandleEvent(QEvent* e);
    // Drawing of TPaintHost controls, in client coordinates.
    virtual void Paint(QPainter& p, const QRect& dirty);
    // After the bounds changed (from code or from Qt).
    virtual void BoundsChanged() {}
    virtual void VisibleChanged() {}
    virtual void CaptionChanged() {}
    virtual void ColorChanged();
    virtual void FontApplied();
    virtual std::string GetText() const { return caption_; }
    virtual void SetTextValue(const std::string& t) { SetCaption(t); }
    // Whether a left press and release in the control is a click (controls without a click of
    // their own, such as images, panels and labels).
    bool clickOnMouseUp_ = true;
    virtual void ApplyGeometry();
    virtual void ApplyVisible();
    void SetDesignSize(int w, int h); // a default size without firing OnResize
    // Runs a change event raised by a value set from code or by the user. A handler that sets
    // the value again gets its own change event, up to a small depth, so a handler that keeps
    // changing the value cannot recurse forever.
    void FireChange(const TNotifyEvent& ev);
    // Called when a child's bounds or visibility changed (scroll boxes track their range).
    virtual void ChildChanged(TControl*) {}
    QWidget* widget_;

private:
    friend class TWinControl;
    friend class ControlEventFilter;
    friend class DragManager;
    bool filterEvent(QEvent* e);
    void attach();
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    bool showHint_ = false;
    std::string hint_;
    std::string caption_;
    TCursor cursor_ = crDefault;
    TAlign align_ = alNone;
    TColor color_ = clBtnFace;
    TFont font_;
    TPopupMenu* popup_ = nullptr;
    TDragMode dragMode_ = dmManual;
    TCursor dragCursor_ = crDrag;
    bool pressed_ = false;
    int changeDepth_ = 0;
    QObject* filter_ = nullptr;
    QPointer<QWidget> guard_;
};

// A control that holds other controls.
class TWinControl : public TControl {
public:
    TWinControl(TComponent* owner, TWinControl* parent, QWidget* widget);
    ~TWinControl() override;

    // The widget that children are placed in.
    virtual QWidget* ClientWidget() const { return widget_; }
    int ControlCount() const { return int(controls_.size()); }
    TControl* Controls(int i) const;
    // Lays out the aligned children (top, bottom, left, right, then client), in creation order.
    void Realign();

    void SetFocus();
    bool Focused() const;
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool t);

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    bool HandleEvent(QEvent* e) override;
    void BoundsChanged() override;

private:
    friend class TControl;
    void insertControl(TControl* c);
    void removeControl(TControl* c);
    std::vector<TControl*> controls_;
    bool tabStop_ = false;
    bool realigning_ = false;
};

// Qt helpers shared by the controls.
QColor ToQColor(TColor c);
TColor FromQColor(const QColor& c);
QFont ToQFont(const TFont& f);
QString ToQString(const std::string& s);
std::string FromQString(const QString& s);
QRect ToQRect(const TRect& r);
TRect FromQRect(const QRect& r);
Qt::CursorShape ToQtCursor(TCursor c);
TShiftState ShiftFromQt(Qt::KeyboardModifiers m, Qt::MouseButtons b);
