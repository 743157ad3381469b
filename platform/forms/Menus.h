#pragma once
#include "Controls.h"
#include "Keys.h"

#include <QMenuBar>
#include <QPointer>

#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QActionEvent;
class QMenuBar;
class QWidget;

// A menu item: caption with & accelerators ("-" is a separator line), checked, enabled,
// visible, short-cut, OnClick; items with children open a submenu.
class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    bool Checked() const { return checked_; }
    void SetChecked(bool c);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool e);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool RadioItem() const { return radio_; }
    void SetRadioItem(bool r);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int g) { groupIndex_ = g; }
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut s);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& h);
    bool IsLine() const { return caption_ == "-"; }

    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    void Clear(); // removes and destroys the children owned by this item
    int Count() const { return int(items_.size()); }
    TMenuItem* Items(int i) const;
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Parent() const { return parent_; }

    // Runs OnClick, as choosing the item does.
    virtual void Click();
    TNotifyEvent OnClick;

    QAction* Action() const { return action_; }

private:
    friend class TMenu;
    void attachTo(QWidget* host) { host_ = host; }
    QWidget* container();
    void placeChild(TMenuItem* item);
    void applyCheck();
    std::string caption_;
    std::string hint_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool radio_ = false;
    int groupIndex_ = 0;
    TShortCut shortCut_ = 0;
    QAction* action_;
    QMenu* submenu_ = nullptr;
    QWidget* host_ = nullptr; // a root item's menu bar or pop-up menu
    TMenuItem* parent_ = nullptr;
    std::vector<TMenuItem*> items_;
};

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;
    // The root item: its children are the menu's entries.
    TMenuItem* Items() const { return items_; }

protected:
    void attachRoot(QWidget* host) { items_->attachTo(host); }

private:
    TMenuItem* items_;
};

// The menu bar of a form. Its menus wrap onto as many rows as they need at its width, as the
// platform's menu bar does (Qt's own would hide the last ones behind an extension button); each
// row is a Qt menu bar of the row's menus.
class TMenuBarHost : public QWidget {
public:
    static constexpr int kRowHeight = 19;
    TMenuBarHost();
    ~TMenuBarHost() override;
    // Rows the menus need at a width (at least one).
    int RowsFor(int width) const;
    const std::vector<QMenuBar*>& Rows() const { return rows_; }
    // Deals the menus out to the rows at the current width.
    void Relayout();
    // Runs when the number of rows at the current width may have changed.
    std::function<void()> OnRowsChanged;

protected:
    void actionEvent(QActionEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    std::vector<std::vector<QAction*>> rowsOfActions(int width) const;
    QMenuBar* measure_; // never shown: holds every menu to measure it
    std::vector<QMenuBar*> rows_;
};

// The menu bar of a form (TCustomForm::SetMenu places it).
class TMainMenu : public TMenu {
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;
    TMenuBarHost* MenuBar() const { return bar_; }

private:
    QPointer<TMenuBarHost> bar_;
};

class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;
    // Opens the menu at a screen point (not blocking); OnPopup runs first.
    void Popup(int x, int y);
    TComponent* PopupComponent() const { return popupComponent_; }
    void PopupComponentSet(TComponent* c) { popupComponent_ = c; }
    TNotifyEvent OnPopup;
    QMenu* Menu() const { return menu_; }

private:
    QMenu* menu_;
    TComponent* popupComponent_ = nullptr;
};

// Strips & accelerators ("&&" stays one "&"), as a caption is shown.
std::string StripHotkey(const std::string& caption);
