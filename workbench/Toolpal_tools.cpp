// Tool selection: the tool buttons and do_tool.
#include "Application.h"
#include "Clipboard.h"
#include "Menus.h"
#include "Pbook.h"
#include "Screen.h"
#include "TCheckBox.h"
#include "TImage.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TRadioGroup.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"
#include "ToolCodes.h"
#include "Toolpal.h"
#include "Zoompic.h"
#include "capbox.h"
#include "gradpal.h"
#include "options.h"

#include <cstdlib>
#include <ctime>

void TForm3::choose(int code) {
    toolcode = code;
    do_tool(std::uint8_t(code));
}

void TForm3::outlinereset() {
    Pbook1->firstoutline = true;
    Pbook1->polycount = 1;
    Pbook1->pensetup = false;
}

void TForm3::refreshmoverbox() {
    TShape* marker = Pbook1->shpmov;
    marker->PenRef().Mode = pmCopy;
    marker->BrushRef().Color = clWhite;
    marker->BrushRef().Style = bsClear;
    marker->Changed();
    int w = Pbook1->SpinEdit3->Value(), h = Pbook1->SpinEdit4->Value();
    Pbook1->mask1->SetWidth(w);
    Pbook1->mask1->SetHeight(h);
    Pbook1->mask1->Picture().Bitmap().SetSize(w, h);
    Pbook1->polycount = 1;
    Pbook1->pensetup = false;
}

void TForm3::do_tool(std::uint8_t code) {
    TPbook1& pb = *Pbook1;
    if (pb.Chkanimate1->Checked()) pb.doneanim();
    if (code >= tools::zoomSpotX8 && code <= tools::zoomSpotX2) {
        pb.ptbox1->SetCursor(crDefault);
        pb.hideZoomSpotFrame();
    } else {
        pb.disarmZoomSpot();
    }
    pb.hideCaptureBox();
    if (cappos1) cappos1->Hide();
    pb.PageControl1->SetActivePage(pb.TabSheet1);
    pb.modified = true;
    pasteframe = false;
    pb.ClipboardHolders1->SetChecked(false);
    pb.spraymix = false;
    TBitmap& page = pb.ptbox1->Picture().Bitmap();
    TCanvas& canvas = page.Canvas();
    canvas.Pen.Mode = pmCopy;
    pb.undoptb1->SetEnabled(true);
    // The zoom view's write-back below replaces the page with a crop of it: undo must give back
    // the page from before it, not the crop.
    TBitmap beforeWriteBack;
    if (pb.zoomon && !pb.zoomwritten) {
        beforeWriteBack = page;
        // The zoom view's picture goes back onto the page once; the view stays as it is.
        canvas.StretchMode = BLACKONWHITE;
        TRect vis = Rect(pb.zm1->visleft(), pb.zm1->vistop(), pb.zm1->visright(), pb.zm1->visbottom());
        TCanvas& zoom = pb.zm1->Bitmap().Canvas();
        canvas.CopyMode = SRCCOPY;
        canvas.CopyRect(Rect(0, 0, page.Width(), page.Height()), zoom,
                        Bounds(vis.Left - 1, vis.Top, vis.Right - vis.Left, vis.Bottom - vis.Top));
        pb.zoomwritten = true;
        pb.PageControl1->SetActivePage(pb.TabSheet1);
        canvas.MoveTo(-1, -1);
        canvas.LineTo(-1, -1);
        pb.zmbuton->SetEnabled(false);
    }
    Screen->SetCursor(crDefault);
    pb.hidePastePanel();
    pb.panco1->Show();
    pb.clpmap1->SetLeft(0);
    pb.clpmap1->SetTop(0);
    pb.mask1->SetLeft(0);
    pb.mask1->SetTop(0);
    pb.Show();
    Invalidate();
    if (pb.bezhandles) pb.remove_boxes();
    pb.bezhandles = false;
    pb.firstoutline = true;
    pb.mousedown = false;
    if (tools::isMover(toolcode))
        refreshmoverbox();
    else if (pb.shpmov->Visible())
        pb.shpmov->Hide();
    if (beforeWriteBack.Empty())
        pb.Image2->Picture().Assign(pb.ptbox1->Picture());
    else
        pb.Image2->Picture().Bitmap().Assign(beforeWriteBack);
    pb.SetCursor(crDefault);
}

// Drawing tools.
void TForm3::BitBtn13Click(TObject*) {
    drawlinwid();
    choose(tools::eraser);
}
void TForm3::BitBtn5Click(TObject*) {
    choose(tools::paintBrush);
}
void TForm3::BitBtn3Click(TObject*) {
    choose(tools::pencil);
}
void TForm3::BitBtn4Click(TObject*) {
    choose(tools::pen);
}
void TForm3::BitBtn2Click(TObject*) {
    choose(tools::rectangle);
}
void TForm3::BitBtn6Click(TObject*) {
    choose(tools::filledRectangle);
}
void TForm3::BitBtn12Click(TObject*) {
    outlinereset();
    choose(tools::polygon);
}
void TForm3::BitBtn14Click(TObject*) {
    outlinereset();
    choose(tools::filledPolygon);
}
void TForm3::BitBtn7Click(TObject*) {
    choose(tools::roundRectangle);
}
void TForm3::BitBtn9Click(TObject*) {
    choose(tools::filledRoundRectangle);
}
void TForm3::BitBtn15Click(TObject*) {
    choose(tools::line);
}
void TForm3::BitBtn16Click(TObject*) {
    TPbook1& pb = *Pbook1;
    pb.bezplaced = false;
    pb.bezgrab1 = pb.bezgrab2 = pb.bezgrab3 = pb.bezgrab4 = false;
    pb.bezdragging = false;
    choose(tools::bezier);
}
void TForm3::BitBtn10Click(TObject*) {
    choose(tools::circle);
}
void TForm3::BitBtn11Click(TObject*) {
    choose(tools::filledCircle);
}
void TForm3::BitBtn18Click(TObject*) {
    choose(tools::floodFill);
}
void TForm3::BitBtn29Click(TObject*) {
    choose(tools::colorSampler);
    Pbook1->mousedown = false;
}
void TForm3::BitBtn30Click(TObject*) {
    choose(tools::colorReplacer);
    Pbook1->mousedown = false;
}
void TForm3::BitBtn31Click(TObject*) {
    Clipboard()->Clear();
    outlinereset();
    choose(tools::colorReplacerPolygon);
}
void TForm3::BitBtn32Click(TObject*) {
    if (linewidth < 10) linewidth = 10;
    choose(tools::limeMarker);
    Pbook1->mousedown = false;
}

// Spray: "Plain" and "Mixing ", chosen on the spray panel.
void TForm3::BitBtn17Click(TObject*) {
    Panel8->Show();
    Panel8->BringToFront();
}
void TForm3::plainbut1Click(TObject*) {
    if (linewidth < 10) linewidth = 10;
    choose(tools::spray);
    std::srand(unsigned(std::time(nullptr)));
}
void TForm3::mixbut1Click(TObject* Sender) {
    plainbut1Click(Sender);
    Pbook1->spraymix = true;
}
void TForm3::backspraybut1Click(TObject*) {
    Panel8->Hide();
}

void TForm3::BitBtn26Click(TObject*) {
    Pbook1->clearit();
}
void TForm3::BitBtn1Click(TObject* Sender) {
    Pbook1->imgradClick(Sender);
}

// Outline and capture tools.
void TForm3::BitBtn19Click(TObject*) {
    outlinereset();
    choose(tools::lassoOutline);
}
void TForm3::BitBtn20Click(TObject*) {
    outlinereset();
    choose(tools::rectangleOutline);
}
void TForm3::BitBtn21Click(TObject*) {
    Clipboard()->Clear();
    outlinereset();
    choose(tools::cut);
}
void TForm3::BitBtn28Click(TObject*) {
    outlinereset();
    choose(tools::captureCircle);
}
void TForm3::BitBtn34Click(TObject*) {
    outlinereset();
    choose(tools::specialOutlineCircle);
    if (options1 && options1->RadioGroup1->ItemIndex() < 2) options1->Panel5->Hide();
}
void TForm3::BitBtn8Click(TObject*) {
    outlinereset();
    choose(tools::specialOutline);
    if (options1 && options1->RadioGroup1->ItemIndex() < 2) options1->Panel5->Hide();
}
void TForm3::BitBtn23Click(TObject*) {
    choose(tools::replaceWithClip);
    Pbook1->mousedown = false;
}
void TForm3::BitBtn25Click(TObject*) {
    outlinereset();
    choose(tools::specialRectangle);
}

// Pixel movers.
void TForm3::pm1Click(TObject*) {
    choose(tools::moveRight);
}
void TForm3::pm2Click(TObject*) {
    choose(tools::moveLeft);
}
void TForm3::pm3Click(TObject*) {
    choose(tools::moveUp);
}
void TForm3::pm4Click(TObject*) {
    choose(tools::moveDown);
}
void TForm3::pm5Click(TObject*) {
    choose(tools::moveDownLeft);
}
void TForm3::pm6Click(TObject*) {
    choose(tools::moveDownRight);
}
void TForm3::pm7Click(TObject*) {
    choose(tools::moveUpLeft);
}
void TForm3::pm8Click(TObject*) {
    choose(tools::moveUpRight);
}
void TForm3::BitBtn44Click(TObject*) {
    pmoverpanel1->Hide();
}

// Gradient tools: the gradient window comes up with its strip before the tool is chosen.
void TForm3::pickgradient(int code) {
    if (gradform1) {
        gradform1->Show();
        gradform1->setcolorstretch();
    }
    showgrad();
    choose(code);
}
void TForm3::gradbut2Click(TObject*) {
    pickgradient(tools::gradientGlobe);
}
void TForm3::gradbut3Click(TObject*) {
    pickgradient(tools::hGradientFill);
}
void TForm3::gradbut8Click(TObject*) {
    pickgradient(tools::vGradientFill);
}
void TForm3::gradbut5Click(TObject*) {
    pickgradient(tools::hGradientRectangle);
}
void TForm3::gradbut6Click(TObject*) {
    pickgradient(tools::vGradientRectangle);
}
void TForm3::gradbut4Click(TObject*) {
    pickgradient(tools::gradientFrame);
}

// One-shot filters: they run once and leave no tool chosen.
void TForm3::SpeedButton6Click(TObject*) {
    choose(tools::softFocusFilter);
    Pbook1->doblend();
    toolcode = tools::noTool;
}
void TForm3::SpeedButton7Click(TObject*) {
    choose(tools::blendFilter);
    Pbook1->doblend2();
    toolcode = tools::noTool;
}
void TForm3::SpeedButton8Click(TObject*) {
    choose(tools::blendFilter);
    Pbook1->doblend3(false);
    toolcode = tools::noTool;
}
void TForm3::SpeedButton9Click(TObject*) {
    choose(tools::blendFilter);
    Pbook1->doblend3(true);
    toolcode = tools::noTool;
}
void TForm3::BitBtn22Click(TObject*) {
    Panel7->Hide();
}

// Fill styles: the button's tag is the brush style.
void TForm3::fillstyleClick(TObject* Sender) {
    auto* c = dynamic_cast<TComponent*>(Sender);
    fillstyle = c ? c->Tag() : 0;
    showcfcb();
    normalfill = true;
    patternfill = false;
    Panel3->Hide();
}
void TForm3::backpatbut1Click(TObject*) {
    Panel3->Hide();
}

// The tool bar keeps at most one of the three overlay panels up.
void TForm3::ToolButton1Click(TObject*) {
    Panel7->SetVisible(!Panel7->Visible());
    if (Panel7->Visible()) {
        Panel3->Hide();
        pmoverpanel1->Hide();
    }
}
void TForm3::ToolButton2Click(TObject*) {
    Pbook1->ptbox1->Picture().Bitmap().SetPalette(Pbook1->Image2->Picture().Bitmap().Palette());
    pmoverpanel1->SetVisible(!pmoverpanel1->Visible());
    if (pmoverpanel1->Visible()) {
        Panel7->Hide();
        Panel3->Hide();
    }
}
void TForm3::ToolButton3Click(TObject*) {
    Panel3->SetVisible(!Panel3->Visible());
    if (Panel3->Visible()) {
        Panel7->Hide();
        pmoverpanel1->Hide();
        show_pats();
    }
}
