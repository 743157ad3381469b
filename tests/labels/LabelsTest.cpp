// The 3D label and the rotated label: the style's writers, where each shade copy lands, the
// rotated text's origin and cell, the opaque box, and what a transparent label lets through.
#include "Application.h"
#include "Forms.h"
#include "MyRotate.h"
#include "Mylabel.h"
#include "TPanel.h"

#include <QImage>
#include <QWidget>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace {

constexpr TColor background = 0xC08040;

TForm& host() {
    static TForm* f = [] {
        auto* form = new TForm();
        form->SetBounds(0, 0, 400, 300);
        return form;
    }();
    return *f;
}

TBitmap drawn(const std::function<void(TCanvas&)>& draw, int w, int h) {
    TBitmap b(w, h, pf24bit);
    b.Canvas().Brush.Color = background;
    b.Canvas().FillRect(Rect(0, 0, w, h));
    draw(b.Canvas());
    return b;
}

std::set<std::pair<int, int>> inkOf(const TBitmap& b) {
    std::set<std::pair<int, int>> ink;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.GetPixel(x, y) != background) ink.insert({x, y});
    return ink;
}

struct Copy {
    TColor colour;
    int dx, dy;
};

} // namespace

TEST(LabelStyle, WritersStoreAndTellAsTheirRulesSay) {
    TLabelStyle s;
    int told = 0;
    s.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &s);
        ++told;
    };
    struct Row {
        const char* what;
        std::function<void(TLabelStyle&)> set;
        bool tells;
        int angle;
        TColor leftTop;
    };
    const Row rows[] = {
        {"Angle 360 stores 0 (and tells)", [](TLabelStyle& t) { t.SetAngle(360); }, true, 0, clWhite},
        {"Angle -10 stores 0", [](TLabelStyle& t) { t.SetAngle(-10); }, true, 0, clWhite},
        {"Angle 359 kept", [](TLabelStyle& t) { t.SetAngle(359); }, true, 359, clWhite},
        {"same Angle again", [](TLabelStyle& t) { t.SetAngle(359); }, false, 359, clWhite},
        {"same look", [](TLabelStyle& t) { t.SetAStyle3D(A3dRaised); }, false, 359, clWhite},
        {"offset while raised", [](TLabelStyle& t) { t.SetAHShadeOffSet(7); }, false, 359, clWhite},
        {"shadowed", [](TLabelStyle& t) { t.SetAStyle3D(A3dShadowed); }, true, 359, clWhite},
        {"offset while shadowed", [](TLabelStyle& t) { t.SetAVShadeOffSet(-2); }, true, 359, clWhite},
        {"raised again", [](TLabelStyle& t) { t.SetAStyle3D(A3dRaised); }, true, 359, clWhite},
        {"left-top red", [](TLabelStyle& t) { t.SetAShadeLeftTop(clRed); }, true, 359, clRed},
        {"forced white keeps red", [](TLabelStyle& t) { t.SetAShadeLTSet(true); }, true, 359, clWhite},
        {"red while forced is ignored", [](TLabelStyle& t) { t.SetAShadeLeftTop(clBlue); }, false, 359,
         clWhite},
        {"forcing again still tells", [](TLabelStyle& t) { t.SetAShadeLTSet(true); }, true, 359, clWhite},
        {"unforced restores red, silently", [](TLabelStyle& t) { t.SetAShadeLTSet(false); }, false, 359,
         clRed},
        {"shadowed, forced: nothing shown changes",
         [](TLabelStyle& t) {
             t.SetAStyle3D(A3dShadowed);
             t.SetAShadeLTSet(true);
         },
         true, 359, clWhite},
        {"right-bottom", [](TLabelStyle& t) { t.SetAShadeRightBottom(clGreen); }, true, 359, clWhite},
    };
    for (const Row& r : rows) {
        told = 0;
        r.set(s);
        EXPECT_EQ(told > 0, r.tells) << r.what;
        EXPECT_EQ(s.Angle(), r.angle) << r.what;
        EXPECT_EQ(s.AShadeLeftTop(), r.leftTop) << r.what;
    }
    EXPECT_EQ(s.AHShadeOffSet(), 7);
    EXPECT_EQ(s.AVShadeOffSet(), -2);
}

TEST(RotatedLabel, TakesAStyleThroughTheWritersAndTellsOnceMore) {
    TMyLabelRotate label(nullptr, &host());
    int told = 0;
    label.LabelStyle().OnChange = [&](TObject*) { ++told; };
    label.LabelStyle().SetAShadeLTSet(true);
    TLabelStyle s;
    s.SetAngle(45);
    s.SetAShadeLeftTop(clRed); // reaches the label's style while it still forces white: ignored
    told = 0;
    label.SetLabelStyle(s);
    // Angle, then the left-top forcing switched off (silent), then the extra notice.
    EXPECT_EQ(told, 2);
    EXPECT_EQ(label.LabelStyle().Angle(), 45);
    EXPECT_FALSE(label.LabelStyle().AShadeLTSet());
    EXPECT_EQ(label.LabelStyle().AShadeLeftTop(), clWhite);
}

TEST(Label3d, ShadeCopiesLandWhereTheLookPutsThem) {
    TLabel3d label(nullptr, &host());
    label.SetAutoSize(false);
    label.SetBounds(0, 0, 70, 40);
    label.FontRef().Name = "Arial";
    label.FontRef().SetHeight(-20);
    label.FontRef().Color = clBlack;
    label.FontChanged();
    label.SetCaption("HW");
    const auto plain = inkOf(drawn([&](TCanvas& c) { label.drawOn(c); }, 70, 40));
    ASSERT_GT(plain.size(), 40u);

    struct Row {
        const char* what;
        T3DEffect look;
        bool enabled;
        TColor rightBottom;
        std::vector<Copy> copies;
        TColor text;
    };
    const Row rows[] = {
        {"raised: gray down-right, white up-left",
         Raised3d,
         true,
         clGray,
         {{clGray, 1, 1}, {clWhite, -1, -1}},
         clBlack},
        {"recessed", Resit3d, true, clGray, {{clWhite, 1, 1}, {clGray, -1, -1}}, clBlack},
        {"shadowed: 5 right, 5 up", Shadowed3d, true, clGray, {{clGray, 5, -5}}, clBlack},
        {"disabled: gray text over the shades",
         Raised3d,
         false,
         clRed,
         {{clRed, 1, 1}, {clWhite, -1, -1}},
         ColorToRGB(clGrayText)},
    };
    for (const Row& r : rows) {
        label.SetAStyle3D(r.look);
        label.SetEnabled(r.enabled);
        label.SetAShadeRightBottom(r.rightBottom);
        TBitmap got = drawn([&](TCanvas& c) { label.drawOn(c); }, 70, 40);
        TBitmap want = drawn([](TCanvas&) {}, 70, 40);
        for (const Copy& k : r.copies)
            for (auto [x, y] : plain)
                want.SetPixel(x + k.dx, y + k.dy, k.colour);
        for (auto [x, y] : plain)
            want.SetPixel(x, y, r.text);
        int wrong = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 70; ++x)
                wrong += got.GetPixel(x, y) != want.GetPixel(x, y);
        EXPECT_EQ(wrong, 0) << r.what;
    }
}

TEST(Label3d, AccelCharAndTheCaptionLimit) {
    TLabel3d label(nullptr, &host());
    label.SetAutoSize(false);
    label.SetBounds(0, 0, 200, 60);
    label.FontRef().Name = "Arial";
    label.FontRef().SetHeight(-16);
    label.FontRef().Color = clBlack;
    label.FontChanged();
    auto inkFor = [&](const std::string& caption) {
        label.SetCaption(caption);
        return inkOf(drawn([&](TCanvas& c) { label.drawOn(c); }, 200, 60));
    };
    auto textOut = [](const std::string& text) {
        return inkOf(drawn(
            [&](TCanvas& c) {
                c.Font.Name = "Arial";
                c.Font.SetHeight(-16);
                c.Font.Color = clBlack;
                c.Brush.Style = bsClear;
                c.TextOut(0, 0, text);
            },
            200, 60));
    };
    // Without the accelerator the ampersand is drawn as it is.
    label.SetShowAccelChar(false);
    EXPECT_EQ(inkFor("&File"), textOut("&File"));
    // With it, "File" and one underline under the F.
    label.SetShowAccelChar(true);
    auto accel = inkFor("&File");
    auto file = textOut("File");
    std::set<std::pair<int, int>> extra;
    for (auto p : accel)
        if (!file.count(p)) extra.insert(p);
    for (auto p : file)
        EXPECT_TRUE(accel.count(p));
    ASSERT_FALSE(extra.empty());
    int row = extra.begin()->second, right = 0;
    for (auto [x, y] : extra) {
        EXPECT_EQ(y, row);
        right = std::max(right, x);
    }
    EXPECT_LE(right, 12); // under the F only

    // At most 254 characters are drawn: the word after them never wraps onto a second line.
    EXPECT_EQ(inkFor("W" + std::string(253, ' ') + "Q"), inkFor("W"));
}

TEST(RotatedLabel, OriginPutsTheTextCentreOnTheControlCentre) {
    const double r = std::numbers::pi / 180;
    // 100 x 20 caption on a 200 x 200 control at 90 degrees: x0 = 100 - 0 - 10, y0 = 100 + 50 - 0.
    EXPECT_EQ(rotatedTextOrigin(100, 100, 100, 20, std::cos(90 * r), std::sin(90 * r)), (TPoint{90, 150}));
    EXPECT_EQ(rotatedTextOrigin(100, 100, 100, 20, 1.0, 0.0), (TPoint{50, 90}));
    auto box = rotatedBox(100, 100, 110, 27, 1.0, 0.0);
    EXPECT_EQ(box[0], (TPoint{45, 87}));
    EXPECT_EQ(box[2], (TPoint{155, 113}));
}

TEST(RotatedLabel, InkStaysInsideTheTurnedCell) {
    TMyLabelRotate label(nullptr, &host());
    label.SetBounds(0, 0, 200, 200);
    label.FontRef().SetHeight(-20);
    label.FontRef().Color = clBlack;
    label.FontChanged();
    label.SetCaption("Rotate me");
    label.LabelStyle().SetAStyle3D(A3dNormal);
    TBitmap probe(1, 1);
    probe.Canvas().Font = label.Font();
    int tw = probe.Canvas().TextWidth("Rotate me"), th = probe.Canvas().TextHeight("Rotate me");
    for (int angle : {0, 45, 90, 180, 270}) {
        label.LabelStyle().SetAngle(angle);
        double c = std::cos(angle * std::numbers::pi / 180), s = std::sin(angle * std::numbers::pi / 180);
        TPoint o = rotatedTextOrigin(100, 100, tw, th, c, s);
        auto ink = inkOf(drawn([&](TCanvas& cv) { label.drawOn(cv); }, 200, 200));
        EXPECT_GT(ink.size(), 50u) << angle;
        int outside = 0;
        for (auto [x, y] : ink) {
            // Back into the text's own axes (the text turns counter-clockwise on the screen).
            double dx = x + 0.5 - o.x, dy = y + 0.5 - o.y;
            double u = dx * c - dy * s, v = dx * s + dy * c;
            outside += u < -1.5 || u > tw + 1.5 || v < -1.5 || v > th + 1.5;
        }
        EXPECT_EQ(outside, 0) << angle;
    }
}

TEST(RotatedLabel, OpaqueLabelFillsItsBoxWithPlainTextAndStaysPlain) {
    TPanel panel(nullptr, &host());
    panel.SetBounds(0, 0, 200, 100);
    panel.SetColor(clYellow);
    TMyLabelRotate label(nullptr, &panel);
    label.SetBounds(0, 0, 200, 100);
    label.FontRef().Color = clBlack;
    label.FontRef().SetHeight(-20);
    label.FontChanged();
    label.SetCaption("Box");
    TBitmap probe(1, 1);
    probe.Canvas().Font = label.Font();
    TPoint o =
        rotatedTextOrigin(100, 50, probe.Canvas().TextWidth("Box"), probe.Canvas().TextHeight("Box"), 1, 0);
    ASSERT_EQ(label.LabelStyle().AStyle3D(), A3dRaised);
    label.SetMyTransparent(false);
    // The colour is the panel's, frozen: the panel changing later leaves the box yellow.
    EXPECT_EQ(label.Color(), clYellow);
    panel.SetColor(clAqua);
    TBitmap b = drawn([&](TCanvas& c) { label.drawOn(c); }, 200, 100);
    EXPECT_EQ(label.LabelStyle().AStyle3D(), A3dNormal);
    std::set<TColor> colours;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            colours.insert(b.GetPixel(x, y));
    // Background outside, the box's yellow and black outline, the black text: no shades.
    EXPECT_EQ(colours, (std::set<TColor>{background, clYellow, clBlack}));
    EXPECT_EQ(b.GetPixel(o.x - 3, 50), clYellow); // inside the box, left of the text
    EXPECT_EQ(b.GetPixel(2, 2), background);
}

TEST(Label3d, TransparentLabelShowsThePanelAroundItsText) {
    TForm form;
    form.SetBounds(0, 0, 300, 200);
    TPanel panel(nullptr, &form);
    panel.SetBounds(0, 0, 300, 200);
    panel.SetColor(0x3080C0);
    TLabel3d label(nullptr, &panel);
    label.SetBounds(20, 20, 120, 30);
    label.SetAStyle3D(Raised3d);
    label.FontRef().Color = clBlack;
    label.FontChanged();
    label.SetCaption("Width");
    form.Show();
    Application->ProcessMessages();
    QImage shot = panel.Widget()->grab().toImage();
    std::set<QRgb> colours;
    for (int y = label.Top(); y < label.Top() + label.Height(); ++y)
        for (int x = label.Left(); x < label.Left() + label.Width(); ++x)
            colours.insert(shot.pixel(x, y) & 0xFFFFFF);
    EXPECT_TRUE(colours.count(0xC08030)) << "the panel shows through"; // RGB of 0x3080C0
    EXPECT_TRUE(colours.count(0x000000));
    EXPECT_TRUE(colours.count(0xFFFFFF));
    EXPECT_TRUE(colours.count(0x808080));
    EXPECT_EQ(colours.size(), 4u);
    form.Hide();
}
