#include "Forms.h"
#include "ModalTesting.h"
#include "TImage.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TScrollBox.h"

#include <gtest/gtest.h>

namespace {

class ScrollBoxTest : public TModalTest {
protected:
    TForm form;
};

TEST_F(ScrollBoxTest, ScrollingMovesChildrenToNegativeOffsets) {
    auto* box = new TScrollBox(&form, &form);
    box->SetBorderStyle(bsNone);
    box->SetBounds(0, 0, 200, 100);
    auto* page = new TImage(&form, box);
    page->SetBounds(0, 0, 600, 400);
    EXPECT_EQ(box->HorzScrollBar().Range(), 600);
    EXPECT_EQ(box->VertScrollBar().Range(), 400);
    box->VertScrollBar().SetPosition(100);
    box->HorzScrollBar().SetPosition(30);
    EXPECT_EQ(page->Top(), -100);
    EXPECT_EQ(page->Left(), -30);
    // Ranges count from the scrolled origin, so they stay.
    EXPECT_EQ(box->VertScrollBar().Range(), 400);
    // Past the end: clamped to range minus the visible part.
    box->VertScrollBar().SetPosition(10000);
    EXPECT_EQ(page->Top(), -(400 - box->ClientHeight()));
}

TEST_F(ScrollBoxTest, AutoScrollOffThenOnResetsThePosition) {
    auto* box = new TScrollBox(&form, &form);
    box->SetBounds(0, 0, 200, 100);
    auto* page = new TPanel(&form, box);
    page->SetBounds(0, 0, 450, 250);
    box->VertScrollBar().SetPosition(50);
    ASSERT_EQ(page->Top(), -50);
    // The page shrinks to 10 x 10 at (0, 0) with automatic scrolling off; on again it starts
    // unscrolled.
    box->SetAutoScroll(false);
    page->SetBounds(0, 0, 10, 10);
    box->SetAutoScroll(true);
    page->SetBounds(0, 0, 450, 250);
    EXPECT_EQ(box->VertScrollBar().Position(), 0);
    EXPECT_EQ(page->Top(), 0);
}

TEST_F(ScrollBoxTest, ContentThatFitsShowsNoScrollBars) {
    auto* box = new TScrollBox(&form, &form);
    box->SetBorderStyle(bsNone);
    box->SetBounds(0, 0, 200, 100);
    auto* small = new TPanel(&form, box);
    small->SetBounds(0, 0, 50, 50);
    EXPECT_EQ(box->ClientWidth(), 200);
    EXPECT_EQ(box->ClientHeight(), 100);
    box->VertScrollBar().SetPosition(20);
    EXPECT_EQ(small->Top(), 0);
}

TEST_F(ScrollBoxTest, PageControlChangesFromCodeRunNoEventsButTheUsersDo) {
    auto* pc = new TPageControl(&form, &form);
    auto* paint = new TTabSheet(&form, pc);
    paint->SetCaption("Paint");
    auto* zoom = new TTabSheet(&form, pc);
    zoom->SetCaption("Zoom");
    EXPECT_EQ(pc->ActivePage(), paint);
    int changes = 0;
    bool allow = true;
    pc->OnChange = [&](TObject*) { ++changes; };
    pc->OnChanging = [&](TObject*, bool& a) { a = allow; };
    pc->SetActivePage(zoom);
    EXPECT_EQ(pc->ActivePageIndex(), 1);
    EXPECT_EQ(changes, 0);
    pc->SelectPage(paint);
    EXPECT_EQ(changes, 1);
    allow = false;
    pc->SelectPage(zoom);
    EXPECT_EQ(pc->ActivePage(), paint);
    EXPECT_EQ(changes, 1);
    zoom->SetTabVisible(false);
    EXPECT_EQ(pc->PageCount(), 2);
}

} // namespace
