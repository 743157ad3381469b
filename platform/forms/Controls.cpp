#include "Controls.h"

#include "Application.h"
#include "DragDrop.h"
#include "Faces.h"
#include "Forms.h"
#include "Keys.h"
#include "Look.h"
#include "Menus.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

// ---- TComponent ------------------------------------------------------------------------------

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
    DestroyComponents();
    if (owner_ && !owner_->destroying_) {
        auto& v = owner_->components_;
        v.erase(std::remove(v.begin(), v.end(), this), v.end());
    }
}

void TComponent::DestroyComponents() {
    destroying_ = true;
    while (!components_.empty()) {
        TComponent* c = components_.back();
        components_.pop_back();
        c->owner_ = nullptr;
        delete c;
    }
    destroying_ = false;
}

TComponent* TComponent::Components(int i) const {
    if (i < 0 || i >= int(components_.size()))
        throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
    return components_[size_t(i)];
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    for (TComponent* c : components_)
        if (c->name_ == name) return c;
    return nullptr;
}

// ---- paint host and event filter -------------------------------------------------------------

TPaintHost::TPaintHost(QWidget* parent) : QWidget(parent) {}

void TPaintHost::paintEvent(QPaintEvent* e) {
    if (!painter_) return;
    TApplication::PaintScope scope;
    QPainter p(this);
    try {
        painter_(p, e->rect());
    } catch (const std::exception& ex) {
        // A paint cannot show a modal report in the middle of painting; report after it.
        std::string text = ex.what();
        QMetaObject::invokeMethod(
            qApp, [text] { Application->HandleException(std::runtime_error(text)); }, Qt::QueuedConnection);
    }
}

class ControlEventFilter : public QObject {
public:
    explicit ControlEventFilter(TControl* c) : control_(c) {}
    bool eventFilter(QObject* obj, QEvent* e) override {
        if (obj != control_->widget_) return false;
        if (!isButtonOrMove(e)) return control_->filterEvent(e);
        // A mouse event over a control is that control's alone: once the control and its widget
        // have seen it, it is accepted, so Qt does not hand it on to the parent's handlers.
        QPointer<QObject> alive(obj);
        if (!control_->filterEvent(e) && alive) obj->event(e);
        e->accept();
        return true;
    }

private:
    static bool isButtonOrMove(const QEvent* e) {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return true;
        default:
            return false;
        }
    }

    TControl* control_;
};

namespace {
const char* kControlProperty = "orvanta_control";
}

// ---- TControl --------------------------------------------------------------------------------

TControl::TControl(TComponent* owner, TWinControl* parent, QWidget* widget)
    : TComponent(owner), widget_(widget) {
    ApplyPlatformLook();
    widget_->setProperty(kControlProperty, QVariant::fromValue<quintptr>(reinterpret_cast<quintptr>(this)));
    if (auto* host = dynamic_cast<TPaintHost*>(widget_))
        host->SetPainter([this](QPainter& p, const QRect& r) { Paint(p, r); });
    filter_ = new ControlEventFilter(this);
    widget_->installEventFilter(filter_);
    widget_->setMouseTracking(true);
    guard_ = widget_;
    if (parent) SetParent(parent);
    FontApplied();
}

TControl::~TControl() {
    DragDrop::Forget(this);
    if (parent_) parent_->removeControl(this);
    parent_ = nullptr;
    if (guard_) {
        guard_->removeEventFilter(filter_);
        guard_->setProperty(kControlProperty, QVariant());
        delete guard_.data();
    }
    delete filter_;
}

void TControl::SetParent(TWinControl* p) {
    if (p == parent_) return;
    if (parent_) parent_->removeControl(this);
    parent_ = p;
    if (!guard_) return;
    if (p) {
        p->insertControl(this);
        widget_->setParent(p->ClientWidget());
    } else {
        widget_->setParent(nullptr);
    }
    ApplyGeometry();
    ApplyVisible();
    if (p) p->ChildChanged(this);
    if (p && align_ != alNone) p->Realign();
}

TCustomForm* TControl::ParentForm() const {
    const TControl* c = this;
    while (c) {
        if (auto* f = dynamic_cast<const TCustomForm*>(c)) return const_cast<TCustomForm*>(f);
        c = c->parent_;
    }
    return nullptr;
}

void TControl::SetBounds(int l, int t, int w, int h) {
    w = std::max(w, 0);
    h = std::max(h, 0);
    if (l == left_ && t == top_ && w == width_ && h == height_) return;
    bool resized = w != width_ || h != height_;
    left_ = l;
    top_ = t;
    width_ = w;
    height_ = h;
    ApplyGeometry();
    BoundsChanged();
    if (parent_ && align_ != alNone) parent_->Realign();
    if (parent_) parent_->ChildChanged(this);
    if (resized && OnResize) OnResize(this);
}

void TControl::SetDesignSize(int w, int h) {
    width_ = std::max(w, 0);
    height_ = std::max(h, 0);
    ApplyGeometry();
}

void TControl::FireChange(const TNotifyEvent& ev) {
    if (!ev || changeDepth_ >= 8) return;
    ++changeDepth_;
    try {
        ev(this);
    } catch (...) {
        --changeDepth_;
        throw;
    }
    --changeDepth_;
}

void TControl::ApplyGeometry() {
    if (guard_ && !widget_->isWindow()) widget_->setGeometry(left_, top_, width_, height_);
}

TPoint TControl::ClientToScreen(TPoint p) const {
    QPoint g = widget_->mapToGlobal(QPoint(p.x, p.y));
    return {g.x(), g.y()};
}

TPoint TControl::ScreenToClient(TPoint p) const {
    QPoint l = widget_->mapFromGlobal(QPoint(p.x, p.y));
    return {l.x(), l.y()};
}

void TControl::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    ApplyVisible();
    VisibleChanged();
    if (parent_ && align_ != alNone) parent_->Realign();
    if (parent_) parent_->ChildChanged(this);
}

void TControl::ApplyVisible() {
    if (!guard_ || widget_->isWindow()) return;
    widget_->setVisible(visible_ && parent_ != nullptr);
}

bool TControl::Showing() const {
    if (!visible_) return false;
    if (auto* f = dynamic_cast<const TCustomForm*>(this)) return f->Visible();
    return parent_ && parent_->Showing();
}

void TControl::SetEnabled(bool e) {
    if (e == enabled_) return;
    enabled_ = e;
    widget_->setEnabled(e);
}

void TControl::SetHint(const std::string& h) {
    hint_ = h;
    widget_->setToolTip(ToQString(h));
}

void TControl::SetShowHint(bool s) {
    showHint_ = s;
}

void TControl::SetCursor(TCursor c) {
    cursor_ = c;
    if (c == crDefault)
        widget_->unsetCursor();
    else
        widget_->setCursor(ToQtCursor(c));
}

void TControl::SetAlign(TAlign a) {
    if (a == align_) return;
    align_ = a;
    if (parent_) parent_->Realign();
}

void TControl::SetColor(TColor c) {
    if (c == color_) return;
    color_ = c;
    ColorChanged();
}

void TControl::ColorChanged() {
    Invalidate();
}

void TControl::SetFont(const TFont& f) {
    font_ = f;
    FontChanged();
}

void TControl::FontChanged() {
    FontApplied();
}

void TControl::FontApplied() {
    widget_->setFont(ToQFont(font_));
    Invalidate();
}

void TControl::SetCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    CaptionChanged();
    Invalidate();
}

void TControl::Invalidate() {
    if (guard_) widget_->update();
}

void TControl::InvalidateRect(const TRect& r) {
    if (guard_ && !r.IsEmpty()) widget_->update(ToQRect(r));
}

void TControl::Repaint() {
    if (!guard_ || Application->PaintDepth() > 0) return;
    widget_->repaint();
}

void TControl::Update() {
    Repaint();
}

void TControl::BringToFront() {
    if (widget_->isWindow()) {
        widget_->raise();
        widget_->activateWindow();
    } else {
        widget_->raise();
    }
}

void TControl::SendToBack() {
    widget_->lower();
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TControl::BeginDrag(bool immediate, int threshold) {
    DragDrop::Begin(this, immediate, threshold);
}

bool TControl::Dragging() const {
    return DragDrop::Source() == this;
}

void TControl::EndDrag(bool drop) {
    if (Dragging()) DragDrop::Finish(drop);
}

void TControl::MouseDown(TMouseButton b, TShiftState s, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, b, s, x, y);
}

void TControl::MouseMove(TShiftState s, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, s, x, y);
}

void TControl::MouseUp(TMouseButton b, TShiftState s, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, b, s, x, y);
}

TControl* TControl::FromWidget(QWidget* w) {
    while (w) {
        QVariant v = w->property(kControlProperty);
        if (v.isValid()) return reinterpret_cast<TControl*>(v.value<quintptr>());
        w = w->parentWidget();
    }
    return nullptr;
}

void TControl::Paint(QPainter&, const QRect&) {}

bool TControl::filterEvent(QEvent* e) {
    bool consumed = false;
    Application->Guard([&] { consumed = HandleEvent(e); });
    return consumed;
}

namespace {
TMouseButton buttonOf(Qt::MouseButton b) {
    if (b == Qt::RightButton) return mbRight;
    if (b == Qt::MiddleButton) return mbMiddle;
    return mbLeft;
}
} // namespace

bool TControl::HandleEvent(QEvent* e) {
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        auto* me = static_cast<QMouseEvent*>(e);
        QPoint p = me->position().toPoint();
        pressed_ = me->button() == Qt::LeftButton;
        MouseDown(buttonOf(me->button()), ShiftFromQt(me->modifiers(), me->buttons()), p.x(), p.y());
        if (me->button() == Qt::LeftButton && dragMode_ == dmAutomatic && !DragDrop::Source())
            BeginDrag(false);
        return false;
    }
    case QEvent::MouseButtonDblClick: {
        auto* me = static_cast<QMouseEvent*>(e);
        QPoint p = me->position().toPoint();
        if (me->button() == Qt::LeftButton) DblClick();
        MouseDown(buttonOf(me->button()), ShiftFromQt(me->modifiers(), me->buttons()) | ssDouble, p.x(),
                  p.y());
        return false;
    }
    case QEvent::MouseMove: {
        auto* me = static_cast<QMouseEvent*>(e);
        if (DragDrop::Source() == this) {
            DragDrop::MouseMovedTo(me->globalPosition().toPoint());
            if (DragDrop::Active()) return true;
        }
        QPoint p = me->position().toPoint();
        MouseMove(ShiftFromQt(me->modifiers(), me->buttons()), p.x(), p.y());
        return false;
    }
    case QEvent::MouseButtonRelease: {
        auto* me = static_cast<QMouseEvent*>(e);
        if (DragDrop::Source() == this) {
            bool active = DragDrop::Active();
            DragDrop::MouseReleasedAt(me->globalPosition().toPoint());
            if (active) {
                pressed_ = false;
                return true;
            }
        }
        QPoint p = me->position().toPoint();
        bool wasPressed = pressed_;
        pressed_ = false;
        MouseUp(buttonOf(me->button()), ShiftFromQt(me->modifiers(), me->buttons()), p.x(), p.y());
        if (clickOnMouseUp_ && wasPressed && me->button() == Qt::LeftButton && widget_->rect().contains(p))
            Click();
        return false;
    }
    case QEvent::ContextMenu:
        if (popup_) {
            auto* ce = static_cast<QContextMenuEvent*>(e);
            popup_->PopupComponentSet(this);
            popup_->Popup(ce->globalPos().x(), ce->globalPos().y());
            return true;
        }
        return false;
    default:
        return false;
    }
}

// ---- TWinControl -----------------------------------------------------------------------------

TWinControl::TWinControl(TComponent* owner, TWinControl* parent, QWidget* widget)
    : TControl(owner, parent, widget) {}

TWinControl::~TWinControl() {
    // Owned children go first (their widgets inside ours); children owned elsewhere are let go.
    DestroyComponents();
    for (TControl* c : std::vector<TControl*>(controls_))
        c->SetParent(nullptr);
}

TControl* TWinControl::Controls(int i) const {
    if (i < 0 || i >= int(controls_.size()))
        throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
    return controls_[size_t(i)];
}

void TWinControl::insertControl(TControl* c) {
    controls_.push_back(c);
}

void TWinControl::removeControl(TControl* c) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
}

void TWinControl::Realign() {
    if (realigning_) return;
    realigning_ = true;
    TRect r = ClientRect();
    auto place = [&](TAlign which) {
        for (TControl* c : controls_) {
            if (c->align_ != which || !c->visible_) continue;
            switch (which) {
            case alTop:
                c->SetBounds(r.Left, r.Top, r.Width(), c->height_);
                r.Top += c->height_;
                break;
            case alBottom:
                c->SetBounds(r.Left, r.Bottom - c->height_, r.Width(), c->height_);
                r.Bottom -= c->height_;
                break;
            case alLeft:
                c->SetBounds(r.Left, r.Top, c->width_, r.Height());
                r.Left += c->width_;
                break;
            case alRight:
                c->SetBounds(r.Right - c->width_, r.Top, c->width_, r.Height());
                r.Right -= c->width_;
                break;
            case alClient:
                c->SetBounds(r.Left, r.Top, std::max(r.Width(), 0), std::max(r.Height(), 0));
                break;
            default:
                break;
            }
        }
    };
    place(alTop);
    place(alBottom);
    place(alLeft);
    place(alRight);
    place(alClient);
    realigning_ = false;
}

void TWinControl::BoundsChanged() {
    Realign();
}

void TWinControl::SetFocus() {
    widget_->setFocus(Qt::OtherFocusReason);
}

bool TWinControl::Focused() const {
    return widget_->hasFocus();
}

void TWinControl::SetTabStop(bool t) {
    tabStop_ = t;
    widget_->setFocusPolicy(t ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TWinControl::HandleEvent(QEvent* e) {
    switch (e->type()) {
    case QEvent::KeyPress: {
        auto* ke = static_cast<QKeyEvent*>(e);
        TShiftState s = ShiftFromQt(ke->modifiers(), Qt::NoButton);
        // A form with KeyPreview sees the key before the control that has the focus.
        // (An event is recognised by its address, time and key as it travels up the parents.)
        struct Seen {
            const QEvent* e = nullptr;
            quint64 time = 0;
            int key = 0;
            bool operator==(const Seen&) const = default;
        };
        static Seen previewed;
        Seen now{e, ke->timestamp(), ke->key()};
        TCustomForm* form = ParentForm();
        if (form && form->KeyPreview() && !(previewed == now)) {
            previewed = now;
            if (form->OnKeyDown) {
                unsigned short key = KeyFromQt(ke->key());
                form->OnKeyDown(form, key, s);
                if (key == 0) return true;
            }
            if (form->OnKeyPress && ke->text().size() == 1 && ke->text()[0].unicode() < 256) {
                char c = char(ke->text()[0].unicode());
                form->OnKeyPress(form, c);
                if (c == 0) return true;
            }
            if (form == this) return false;
        } else if (form == this && previewed == now) {
            return false;
        }
        if (OnKeyDown) {
            unsigned short key = KeyFromQt(ke->key());
            OnKeyDown(this, key, s);
            if (key == 0) return true;
        }
        if (OnKeyPress && ke->text().size() == 1 && ke->text()[0].unicode() < 256) {
            char c = char(ke->text()[0].unicode());
            OnKeyPress(this, c);
            if (c == 0) return true;
        }
        return false;
    }
    case QEvent::KeyRelease: {
        auto* ke = static_cast<QKeyEvent*>(e);
        if (OnKeyUp) {
            unsigned short key = KeyFromQt(ke->key());
            OnKeyUp(this, key, ShiftFromQt(ke->modifiers(), Qt::NoButton));
            if (key == 0) return true;
        }
        return false;
    }
    case QEvent::FocusIn:
        if (OnEnter) OnEnter(this);
        return false;
    case QEvent::FocusOut:
        if (OnExit) OnExit(this);
        return false;
    default:
        return TControl::HandleEvent(e);
    }
}

// ---- Qt helpers ------------------------------------------------------------------------------

QColor ToQColor(TColor c) {
    TColor rgb = ColorToRGB(c);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}

QFont ToQFont(const TFont& f) {
    return DesignedFont(f);
}

QString ToQString(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

std::string FromQString(const QString& s) {
    return s.toUtf8().toStdString();
}

QRect ToQRect(const TRect& r) {
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

TRect FromQRect(const QRect& r) {
    return Bounds(r.x(), r.y(), r.width(), r.height());
}

Qt::CursorShape ToQtCursor(TCursor c) {
    switch (c) {
    case crNone:
        return Qt::BlankCursor;
    case crCross:
        return Qt::CrossCursor;
    case crIBeam:
        return Qt::IBeamCursor;
    case crSizeNESW:
        return Qt::SizeBDiagCursor;
    case crSizeNS:
        return Qt::SizeVerCursor;
    case crSizeNWSE:
        return Qt::SizeFDiagCursor;
    case crSizeWE:
        return Qt::SizeHorCursor;
    case crUpArrow:
        return Qt::UpArrowCursor;
    case crHourGlass:
        return Qt::WaitCursor;
    case crDrag:
        return Qt::DragMoveCursor;
    case crNoDrop:
    case crNo:
        return Qt::ForbiddenCursor;
    case crHSplit:
        return Qt::SplitHCursor;
    case crVSplit:
        return Qt::SplitVCursor;
    case crMultiDrag:
        return Qt::DragCopyCursor;
    case crAppStart:
        return Qt::BusyCursor;
    case crHelp:
        return Qt::WhatsThisCursor;
    case crHandPoint:
        return Qt::PointingHandCursor;
    case crSizeAll:
        return Qt::SizeAllCursor;
    case crDefault:
    case crArrow:
    default:
        return Qt::ArrowCursor;
    }
}

TShiftState ShiftFromQt(Qt::KeyboardModifiers m, Qt::MouseButtons b) {
    TShiftState s = 0;
    if (m & Qt::ShiftModifier) s |= ssShift;
    if (m & Qt::ControlModifier) s |= ssCtrl;
    if (m & Qt::AltModifier) s |= ssAlt;
    if (b & Qt::LeftButton) s |= ssLeft;
    if (b & Qt::RightButton) s |= ssRight;
    if (b & Qt::MiddleButton) s |= ssMiddle;
    return s;
}

unsigned short KeyFromQt(int k) {
    if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9) || k == Qt::Key_Space)
        return static_cast<unsigned short>(k);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12) return static_cast<unsigned short>(VK_F1 + (k - Qt::Key_F1));
    switch (k) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Alt:
        return VK_MENU;
    case Qt::Key_Pause:
        return VK_PAUSE;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    default:
        return static_cast<unsigned short>(k & 0xFFFF);
    }
}

int KeyToQt(unsigned short vk) {
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9') || vk == VK_SPACE) return vk;
    if (vk >= VK_F1 && vk <= VK_F12) return Qt::Key_F1 + (vk - VK_F1);
    switch (vk) {
    case VK_BACK:
        return Qt::Key_Backspace;
    case VK_TAB:
        return Qt::Key_Tab;
    case VK_RETURN:
        return Qt::Key_Return;
    case VK_ESCAPE:
        return Qt::Key_Escape;
    case VK_PRIOR:
        return Qt::Key_PageUp;
    case VK_NEXT:
        return Qt::Key_PageDown;
    case VK_END:
        return Qt::Key_End;
    case VK_HOME:
        return Qt::Key_Home;
    case VK_LEFT:
        return Qt::Key_Left;
    case VK_UP:
        return Qt::Key_Up;
    case VK_RIGHT:
        return Qt::Key_Right;
    case VK_DOWN:
        return Qt::Key_Down;
    case VK_INSERT:
        return Qt::Key_Insert;
    case VK_DELETE:
        return Qt::Key_Delete;
    default:
        return vk;
    }
}
