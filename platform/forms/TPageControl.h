#pragma once
#include "Controls.h"

#include <vector>

class QTabWidget;
class TPageControl;

// A page of a page control; its children lie on the page.
class TTabSheet : public TWinControl {
public:
    // The sheet joins `pageControl` as its last page.
    TTabSheet(TComponent* owner, TPageControl* pageControl);
    ~TTabSheet() override;
    TPageControl* PageControl() const { return pageControl_; }
    int PageIndex() const;
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool v);
    bool TabEnabled() const { return tabEnabled_; }
    void SetTabEnabled(bool e);
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

protected:
    void ApplyGeometry() override {}
    void ApplyVisible() override {}
    void CaptionChanged() override;
    bool HandleEvent(QEvent* e) override;
    void Paint(QPainter& p, const QRect& r) override;

private:
    friend class TPageControl;
    TPageControl* pageControl_;
    bool tabVisible_ = true;
    bool tabEnabled_ = true;
};

// Pages with tabs. Changing the page from code (ActivePage, ActivePageIndex) runs no events;
// the user's change runs OnChanging (which may refuse) and then OnChange.
class TPageControl : public TWinControl {
public:
    TPageControl(TComponent* owner, TWinControl* parent);
    ~TPageControl() override;

    int PageCount() const { return int(pages_.size()); }
    TTabSheet* Pages(int i) const;
    TTabSheet* ActivePage() const;
    void SetActivePage(TTabSheet* p);
    int ActivePageIndex() const;
    void SetActivePageIndex(int i);
    // The user's choice of a tab (clicks go through here).
    void SelectPage(TTabSheet* p);

    TNotifyEvent OnChange;
    std::function<void(TObject* Sender, bool& AllowChange)> OnChanging;
    QTabWidget* Tabs() const;

protected:
    void BoundsChanged() override;

private:
    friend class TTabSheet;
    void addSheet(TTabSheet* s);
    void removeSheet(TTabSheet* s);
    void resizeSheets();
    void refreshTab(TTabSheet* s);
    std::vector<TTabSheet*> pages_;
    TTabSheet* active_ = nullptr;
    bool switching_ = false;
};
