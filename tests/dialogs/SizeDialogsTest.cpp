#include "ModalTesting.h"
#include "WindowAlone.h"
#include "newsizefrm1.h"
#include "resizefrm.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> itemsOf(TRadioGroup* g) {
    std::vector<std::string> items;
    for (int i = 0; i < g->Items().Count(); ++i)
        items.push_back(g->Items()[i]);
    return items;
}

class ResizeFormTest : public TModalTest {
protected:
    void SetUp() override {
        TModalTest::SetUp();
        dlg = makeDialog(ResizeForm);
        dlg->PageSize = [this] { return page; };
    }
    // Shows the dialog, runs `inside` against it, and closes it with OK.
    int show(std::function<void(TResizeForm&)> inside) {
        ModalSeam().QueueScript<TResizeForm>([inside](TResizeForm& d) {
            inside(d);
            d.BitBtn1->Click();
        });
        return dlg->ShowModal();
    }
    TResizeForm* dlg = nullptr;
    TPoint page{450, 250};
};

TEST_F(ResizeFormTest, StandardSizesAndTheirExactTexts) {
    struct Row {
        const char* text;
        int w, h;
    };
    // "Custom" (-1) leaves the spins as they were.
    const std::vector<Row> rows = {
        {"176x144  Netshow (div 16)", 176, 144},
        {"320x240     VGA", 320, 240},
        {"400x400     Typical ", 400, 400},
        {"468x60       Web Banner", 468, 60},
        {"640x480     VGA ", 640, 480},
        {"800x600     SVGA ", 800, 600},
        {"1024x768   SVGA", 1024, 768},
        {"850x1100  Desktop Pub Page", 850, 1100},
        {"Custom", -1, -1},
    };
    std::vector<std::string> texts;
    for (const Row& r : rows)
        texts.push_back(r.text);
    EXPECT_EQ(itemsOf(dlg->RadioGroup1), texts);
    EXPECT_EQ(itemsOf(dlg->RadioGroup2), (std::vector<std::string>{"Best Quality", "Speed"}));
    EXPECT_EQ(dlg->RadioGroup1->Caption(), "Standard Sizes");
    EXPECT_EQ(dlg->RadioGroup1->Hint(), "Suggested Sizes");
    EXPECT_EQ(dlg->RadioGroup2->Caption(), "When reducing by half");
    EXPECT_EQ(dlg->Label3->Caption(),
              "\"Best Quality\" will not preserve transparency but will preserve the greatest detail.");
    EXPECT_EQ(dlg->Caption(), "Resize");

    show([&](TResizeForm& d) {
        for (size_t i = 0; i < rows.size(); ++i) {
            d.SpinEdit1->SetValue(33);
            d.SpinEdit2->SetValue(44);
            d.RadioGroup1->SetItemIndex(int(i));
            EXPECT_EQ(d.SpinEdit1->Value(), rows[i].w < 0 ? 33 : rows[i].w) << rows[i].text;
            EXPECT_EQ(d.SpinEdit2->Value(), rows[i].h < 0 ? 44 : rows[i].h) << rows[i].text;
        }
    });
}

TEST_F(ResizeFormTest, DoubleAndHalfStayInRange) {
    struct Case {
        const char* button;
        int w, h, wantW, wantH;
    };
    const Case cases[] = {
        {"X 2", 3000, 2000, 4000, 4000}, {"X 2", 100, 0, 200, 0},     {"X 2", 2000, 1999, 4000, 3998},
        {"1 / 2", 0, 301, 0, 150},       {"1 / 2", 1, 4000, 0, 2000}, {"1 / 2", 7, 9, 3, 4},
    };
    for (const Case& c : cases) {
        show([&](TResizeForm& d) {
            d.SpinEdit1->SetValue(c.w);
            d.SpinEdit2->SetValue(c.h);
            TSpeedButton* b = std::string(c.button) == "X 2" ? d.SpeedButton1 : d.SpeedButton2;
            EXPECT_EQ(b->Caption(), c.button);
            b->Click();
            EXPECT_EQ(d.SpinEdit1->Value(), c.wantW) << c.button << " on " << c.w << " x " << c.h;
            EXPECT_EQ(d.SpinEdit2->Value(), c.wantH) << c.button << " on " << c.w << " x " << c.h;
        });
    }
}

TEST_F(ResizeFormTest, OKAndCancelAndTheQualityChoice) {
    EXPECT_EQ(show([](TResizeForm& d) { d.RadioGroup2->SetItemIndex(0); }), mrOk);
    EXPECT_EQ(dlg->RadioGroup2->ItemIndex(), 0);
    ModalSeam().QueueScript<TResizeForm>([](TResizeForm& d) { d.BitBtn2->Click(); });
    EXPECT_EQ(dlg->ShowModal(), mrCancel);
    ModalSeam().QueueScript<TResizeForm>([](TResizeForm& d) { d.Close(); });
    EXPECT_EQ(dlg->ShowModal(), mrCancel);
    dlg->RadioGroup2->SetItemIndex(1);
}

// Each showing takes the page size and starts at "Custom", unless a caller preset the size for that
// one showing.
TEST_F(ResizeFormTest, ShowingTakesThePageSizeUnlessPreset) {
    page = {640, 400};
    show([](TResizeForm& d) {
        EXPECT_EQ(d.RadioGroup1->ItemIndex(), 8);
        EXPECT_EQ(d.SpinEdit1->Value(), 640);
        EXPECT_EQ(d.SpinEdit2->Value(), 400);
        d.RadioGroup1->SetItemIndex(0);
    });

    dlg->PresetSize(123, 77);
    show([](TResizeForm& d) {
        EXPECT_EQ(d.RadioGroup1->ItemIndex(), 8);
        EXPECT_EQ(d.SpinEdit1->Value(), 123);
        EXPECT_EQ(d.SpinEdit2->Value(), 77);
    });

    // The preset served one showing; the next takes the page again.
    show([](TResizeForm& d) {
        EXPECT_EQ(d.SpinEdit1->Value(), 640);
        EXPECT_EQ(d.SpinEdit2->Value(), 400);
    });

    // A preset is kept for a showing that is cancelled, and then used up.
    dlg->PresetSize(50, 60);
    ModalSeam().QueueScript<TResizeForm>([](TResizeForm& d) {
        EXPECT_EQ(d.SpinEdit1->Value(), 50);
        d.BitBtn2->Click();
    });
    dlg->ShowModal();
    show([](TResizeForm& d) { EXPECT_EQ(d.SpinEdit1->Value(), 640); });
}

class NewSizeTest : public TModalTest {
protected:
    void SetUp() override {
        TModalTest::SetUp();
        dlg = makeDialog(newsizefrm);
    }
    Tnewsizefrm* dlg = nullptr;
};

TEST_F(NewSizeTest, StandardSizesAndTheirExactTexts) {
    struct Row {
        const char* text;
        int w, h;
    };
    const std::vector<Row> rows = {
        {"352x288   Doubled Real Video Size.", 352, 288},
        {"320x240 Full Screen VGA  or suitable for Web graphics.", 320, 240},
        {"400x400 ", 400, 400},
        {"468x60  Standard Web Ad Banner Size", 468, 60},
        {"640x480 Full Screen SVGA 1 ", 640, 480},
        {"800x600 Full Screen SVGA 2 ", 800, 600},
        {"1024x768 Full Screen SVGA 3", 1024, 768},
        {"850x1100 Standard Letter Size   (64 MB RAM recommended)", 850, 1100},
        {"827x1100 Standard FAX Size  (64 MB RAM recommended)", 827, 1100},
    };
    std::vector<std::string> texts;
    for (const Row& r : rows)
        texts.push_back(r.text);
    EXPECT_EQ(itemsOf(dlg->RadioButton1), texts);
    EXPECT_EQ(dlg->RadioButton1->Caption(), "Standard Image and Movie Frame Sizes");
    EXPECT_EQ(dlg->Caption(), "New Image Size");

    for (size_t i = 0; i < rows.size(); ++i) {
        dlg->RadioButton1->SetItemIndex(int(i));
        EXPECT_EQ(dlg->SpinEdit1->Value(), rows[i].w) << rows[i].text;
        EXPECT_EQ(dlg->SpinEdit2->Value(), rows[i].h) << rows[i].text;
    }
}

TEST_F(NewSizeTest, OKHoldsTheSizeWithin10To4000) {
    struct Case {
        std::string w, h;
        int wantW, wantH;
    };
    const Case cases[] = {
        {"5", "5000", 10, 4000}, {"0", "0", 10, 10},       {"10", "4000", 10, 4000},
        {"9", "4001", 10, 4000}, {"320", "240", 320, 240}, {"99999", "-3", 4000, 10},
    };
    for (const Case& c : cases) {
        ModalSeam().QueueScript<Tnewsizefrm>([&](Tnewsizefrm& d) {
            d.SpinEdit1->SetText(c.w);
            d.SpinEdit2->SetText(c.h);
            d.Button1->Click();
        });
        EXPECT_EQ(dlg->ShowModal(), mrOk);
        EXPECT_EQ(dlg->SpinEdit1->Value(), c.wantW) << c.w << " x " << c.h;
        EXPECT_EQ(dlg->SpinEdit2->Value(), c.wantH) << c.w << " x " << c.h;
    }
}

TEST_F(NewSizeTest, CancelAndTheCloseBoxCancel) {
    ModalSeam().QueueScript<Tnewsizefrm>([](Tnewsizefrm& d) { d.Button2->Click(); });
    EXPECT_EQ(dlg->ShowModal(), mrCancel);
    ModalSeam().QueueScript<Tnewsizefrm>([](Tnewsizefrm& d) { d.Close(); });
    EXPECT_EQ(dlg->ShowModal(), mrCancel);
    EXPECT_FALSE(dlg->Visible());
}

} // namespace
