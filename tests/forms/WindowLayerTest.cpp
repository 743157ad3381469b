// The window layer as a user meets it: real Qt events sent to the widgets (not handler calls),
// window titles and frames, minimised windows shown again, menu separators.
#include "Application.h"
#include "Forms.h"
#include "Menus.h"
#include "ModalTesting.h"
#include "TButton.h"
#include "TImage.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {

class WindowLayerTest : public TModalTest {
protected:
    void TearDown() override {
        Application->Reset();
        TModalTest::TearDown();
    }
};

void sendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton) {
    Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void click(QWidget* w, QPoint at) {
    sendMouse(w, QEvent::MouseMove, at);
    sendMouse(w, QEvent::MouseButtonPress, at, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, at, Qt::LeftButton);
}

TEST_F(WindowLayerTest, AMouseEventOverAChildNeverReachesItsParentsHandlers) {
    TForm form;
    auto* panel = new TPanel(&form, &form);
    panel->SetBounds(0, 0, 200, 100);
    std::vector<std::string> seen;
    auto log = [&](const char* who) {
        return [&seen, who](TObject*, TShiftState, int, int) { seen.push_back(who); };
    };
    auto logButton = [&](const char* who) {
        return [&seen, who](TObject*, TMouseButton, TShiftState, int, int) { seen.push_back(who); };
    };
    panel->OnMouseMove = log("panel move");
    panel->OnMouseDown = logButton("panel down");
    panel->OnMouseUp = logButton("panel up");
    form.OnMouseMove = log("form move");
    form.OnMouseDown = logButton("form down");

    // Children with and without handlers of their own, drawn by the layer and by Qt.
    auto* bare = new TImage(&form, panel);
    bare->SetBounds(10, 10, 40, 40);
    auto* label = new TLabel(&form, panel);
    label->SetBounds(60, 10, 40, 20);
    label->SetCaption("Label");
    auto* handled = new TImage(&form, panel);
    handled->SetBounds(110, 10, 40, 40);
    handled->OnMouseMove = log("image move");
    auto* button = new TSpeedButton(&form, panel);
    button->SetBounds(160, 10, 30, 30);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    form.Show();

    for (TControl* child : std::initializer_list<TControl*>{bare, label, handled, button})
        click(child->Widget(), QPoint(5, 5));
    EXPECT_EQ(seen, std::vector<std::string>{"image move"});
    EXPECT_EQ(clicks, 1) << "the button's own widget still gets the click";

    seen.clear();
    click(panel->Widget(), QPoint(100, 80));
    EXPECT_EQ(seen, (std::vector<std::string>{"panel move", "panel down", "panel up"}));
}

TEST_F(WindowLayerTest, TitleIsTheCaptionAlone) {
    Application->SetTitle("Orvanta");
    TForm form;
    form.SetCaption("TEMP.BMP");
    form.Show();
    EXPECT_EQ(form.Window()->windowTitle(), "TEMP.BMP");
    EXPECT_TRUE(QGuiApplication::applicationDisplayName() != "Orvanta");
    EXPECT_EQ(Application->Title(), "Orvanta");
}

TEST_F(WindowLayerTest, FrameButtonsFollowBorderStyleAndIcons) {
    struct Case {
        TBorderStyle style;
        TBorderIcons icons;
        bool minimise, maximise, close, tool;
    } cases[] = {
        {bsSizeable, biSystemMenu | biMinimize | biMaximize, true, true, true, false},
        {bsSingle, biSystemMenu | biMinimize | biMaximize, true, false, true, false},
        {bsSingle, biSystemMenu, false, false, true, false},
        {bsSingle, biMinimize | biMaximize, false, false, false, false}, // no system menu: no buttons
        {bsDialog, biSystemMenu | biMinimize | biMaximize, false, false, true, false},
        {bsToolWindow, biSystemMenu | biMinimize, true, false, true, false},
        {bsSizeToolWin, biSystemMenu | biMinimize | biMaximize, true, false, true, false},
    };
    for (const Case& c : cases) {
        TForm form;
        form.SetBorderStyle(c.style);
        form.SetBorderIcons(c.icons);
        Qt::WindowFlags f = form.Window()->windowFlags();
        std::string what = "style " + std::to_string(c.style) + " icons " + std::to_string(c.icons);
        EXPECT_EQ(bool(f & Qt::WindowMinimizeButtonHint), c.minimise) << what;
        EXPECT_EQ(bool(f & Qt::WindowMaximizeButtonHint), c.maximise) << what;
        EXPECT_EQ(bool(f & Qt::WindowCloseButtonHint), c.close) << what;
        EXPECT_TRUE(f & Qt::WindowTitleHint) << what;
    }
}

TEST_F(WindowLayerTest, ShowingAMinimisedFormRestoresIt) {
    TForm form;
    Application->AdoptForm(&form);
    form.Show();
    form.SetWindowState(wsMinimized);
    ASSERT_TRUE(form.Window()->isMinimized());
    form.Show();
    EXPECT_FALSE(form.Window()->isMinimized());
    EXPECT_EQ(form.WindowState(), wsNormal);

    // Minimised by the program's "Minimize": shown again, it comes back too.
    Application->Minimize();
    ASSERT_TRUE(form.Window()->isMinimized());
    form.Show();
    EXPECT_FALSE(form.Window()->isMinimized());
}

TEST_F(WindowLayerTest, MenuSeparatorsAreLinesWithoutText) {
    TMainMenu menu(nullptr);
    auto* file = new TMenuItem(&menu);
    file->SetCaption("&File");
    menu.Items()->Add(file);
    auto* sep = new TMenuItem(&menu);
    sep->SetCaption("-");
    file->Add(sep);
    EXPECT_TRUE(sep->Action()->isSeparator());
    EXPECT_TRUE(sep->Action()->text().isEmpty());
    EXPECT_EQ(sep->Caption(), "-");
}

// Typing into a spin edit as a user does: key presses into its line edit, then leaving it.
void typeInto(TSpinEdit* spin, const QString& text) {
    QLineEdit* edit = spin->Spin()->findChild<QLineEdit*>();
    edit->selectAll();
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + (ch.unicode() - '0'), Qt::NoModifier, QString(ch));
        QApplication::sendEvent(edit, &press);
    }
}

void leave(TSpinEdit* spin) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(spin->Spin(), &out);
}

TEST_F(WindowLayerTest, SpinEditTakesAnyTypedNumberAndClampsIt) {
    TForm form;
    auto* spin = new TSpinEdit(&form, &form);
    spin->SetMinValue(1);
    spin->SetMaxValue(90);
    spin->SetValue(5);
    std::vector<int> changes;
    spin->OnChange = [&](TObject*) { changes.push_back(spin->Value()); };
    form.Show();

    struct Case {
        QString typed;
        int value;     // read while the box still has the focus
        QString shown; // once it is left
    } cases[] = {{"95", 90, "90"}, {"0", 1, "1"}, {"42", 42, "42"}, {"5000", 90, "90"}};
    for (const Case& c : cases) {
        typeInto(spin, c.typed);
        EXPECT_EQ(spin->Spin()->text(), c.typed) << "the keystrokes are all taken";
        EXPECT_EQ(spin->Value(), c.value) << c.typed.toStdString();
        leave(spin);
        EXPECT_EQ(spin->Spin()->text(), c.shown) << c.typed.toStdString();
        EXPECT_EQ(spin->Value(), c.value);
    }
    EXPECT_EQ(changes.back(), 90);

    // The arrows step by the increment and stop at the limits.
    spin->SetValue(89);
    spin->SetIncrement(5);
    spin->Spin()->stepUp();
    EXPECT_EQ(spin->Value(), 90);
    spin->SetValue(3);
    spin->Spin()->stepDown();
    EXPECT_EQ(spin->Value(), 1);
}

// Every top-level menu shows in some row of the bar, inside the bar's width; rows beyond the
// first come out of the client area.
void expectAllMenusShown(TCustomForm& form, TMainMenu& menu, int wantRows) {
    TMenuBarHost* host = menu.MenuBar();
    int rows = host->RowsFor(form.ClientWidth());
    EXPECT_EQ(rows, wantRows);
    EXPECT_EQ(form.MenuHeight(), rows * TMenuBarHost::kRowHeight);
    EXPECT_EQ(form.ClientHeight(), form.Height() - 2 * form.FrameBorder() - form.CaptionHeight() -
                                       rows * TMenuBarHost::kRowHeight);
    for (int i = 0; i < menu.Items()->Count(); ++i) {
        QAction* a = menu.Items()->Items(i)->Action();
        int found = 0;
        for (QMenuBar* row : host->Rows()) {
            if (!row->isVisible() || !row->actions().contains(a)) continue;
            ++found;
            QRect g = row->actionGeometry(a);
            EXPECT_TRUE(row->rect().contains(g)) << a->text().toStdString();
        }
        EXPECT_EQ(found, 1) << a->text().toStdString();
    }
}

TEST_F(WindowLayerTest, MenuBarWrapsOntoRowsAndTheClientAreaShrinks) {
    TForm form;
    TMainMenu menu(&form);
    for (const char* caption : {"&File", "&Edit", "&View", "&Image", "&Colors", "&Special Effects",
                                "&Text and HTML", "&Wizards", "&Help"}) {
        auto* item = new TMenuItem(&menu);
        item->SetCaption(caption);
        menu.Items()->Add(item);
        auto* sub = new TMenuItem(&menu);
        sub->SetCaption("Item");
        item->Add(sub);
    }
    form.SetBounds(0, 0, 404, 379);
    form.SetMenu(&menu);
    form.Show();
    QApplication::processEvents();
    expectAllMenusShown(form, menu, 2);

    // Wide enough for one row again, and narrower for three.
    form.SetWidth(1000);
    QApplication::processEvents();
    expectAllMenusShown(form, menu, 1);
    form.SetWidth(200);
    QApplication::processEvents();
    EXPECT_GE(menu.MenuBar()->RowsFor(form.ClientWidth()), 3);

    // A hidden menu takes no room.
    form.SetWidth(404);
    for (int i = 3; i < menu.Items()->Count(); ++i)
        menu.Items()->Items(i)->SetVisible(false);
    QApplication::processEvents();
    EXPECT_EQ(form.MenuHeight(), TMenuBarHost::kRowHeight);
}

TEST_F(WindowLayerTest, DisabledTextIsGreyOverAWhiteCopy) {
    TForm form;
    form.SetColor(clBtnFace);
    auto* redo = new TSpeedButton(&form, &form);
    redo->SetBounds(6, 32, 74, 24);
    redo->SetCaption("Redo");
    redo->SetFlat(true);
    auto* button = new TButton(&form, &form);
    button->SetBounds(6, 60, 75, 25);
    button->SetCaption("Close");
    auto* label = new TLabel(&form, &form);
    label->SetBounds(6, 90, 60, 16);
    label->SetCaption("Frames");
    form.Show();
    for (TControl* c : std::initializer_list<TControl*>{redo, button, label}) {
        c->SetEnabled(false);
        QImage img = c->Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb grey = qRgb(128, 128, 128), white = qRgb(255, 255, 255);
        int greys = 0, shadowed = 0;
        for (int y = 0; y + 1 < img.height(); ++y)
            for (int x = 0; x + 1 < img.width(); ++x) {
                if (img.pixel(x, y) != grey) continue;
                ++greys;
                QRgb below = img.pixel(x + 1, y + 1);
                if (below == white || below == grey) ++shadowed;
            }
        EXPECT_GT(greys, 10) << c->Caption();
        EXPECT_EQ(shadowed, greys) << c->Caption() << ": every grey pixel has its white copy";
    }
}

} // namespace
