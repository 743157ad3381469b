#pragma once
#include "Forms.h"
#include "TColor.h"

#include <cstdint>
#include <string>

class TBevel;
class TBitBtn;
class TColorDialog;
class TImage;
class TLabel;
class TListBox;
class TMemo;
class TPaintBox;
class TPanel;
class TShape;
class TSpeedButton;
class TSpinEdit;

// The tool palette. It owns the interaction state of the page: the tool code, the colours of the
// two mouse buttons, the line width, the fill style, the pattern choice and the paste-frame mode.
// There are no notifications: the main window's mouse handlers read these fields on every event,
// other windows write them directly, and whoever changes a colour or the fill style calls
// showcfcb.
//
// Choosing a tool is always two steps: store the code into `toolcode`, then call do_tool(code),
// which resets the main window's modes for the new tool; do_tool never stores the code.
//
// Width: `linewidth` and `penwidth` hold whatever the spin edit gives, and a typed 0 or an
// emptied field gives 0 (kept as typed). Every tool that uses a width must treat a width of 0 or
// less as drawing nothing: the spray, the colour replacer, the pens and the eraser guard it
// themselves. safewidth() below is the shared rule.
class TForm3 : public TForm {
public:
    explicit TForm3(TComponent* AOwner = nullptr);

    // Tool bar, colour box, line width.
    TPanel* Panel5;
    TSpeedButton* ToolButton1;   // "Gradient Tools"
    TSpeedButton* ToolButton2;   // "Animation Tools"
    TSpeedButton* ToolButton3;   // "Patterns"
    TImage* Image1;              // colour box: right colour around, left colour inside
    TPaintBox* paintbox1;        // line-width sample
    TSpeedButton* SpeedButton1;  // width 1
    TSpeedButton* SpeedButton32; // width 5
    TSpeedButton* SpeedButton33; // width 20
    TSpeedButton* SpeedButton34; // width 30
    TSpinEdit* SpinEdit1;        // line width, 1..90
    TPanel* Panel6;
    TImage* Image4; // gradient strip
    TPanel* Panel4;
    TImage* Image3; // colour picture

    // Drawing tools.
    TPanel* Panel1;
    TBitBtn* BitBtn13; // 1 Eraser
    TBitBtn* BitBtn5;  // 2 Paint Brush
    TBitBtn* BitBtn3;  // 3 Pencil
    TBitBtn* BitBtn4;  // 4 Pen
    TBitBtn* BitBtn2;  // 5 Rectangle
    TBitBtn* BitBtn6;  // 6 Filled Rectangle
    TBitBtn* BitBtn12; // 7 Polygon
    TBitBtn* BitBtn14; // 8 Filled Polygon
    TBitBtn* BitBtn7;  // 9 Rounded Rectangle
    TBitBtn* BitBtn9;  // 10 Filled Round Rectangle
    TBitBtn* BitBtn15; // 11 Line
    TBitBtn* BitBtn16; // 12 Bezier Curve
    TBitBtn* BitBtn10; // 13 Circle
    TBitBtn* BitBtn11; // 14 Filled Circle
    TBitBtn* BitBtn17; // Spray Paint: shows Panel8
    TBitBtn* BitBtn18; // 16 Flood Fill
    TBitBtn* BitBtn29; // 17 Color Sampler
    TBitBtn* BitBtn30; // 18 Color Replacer
    TBitBtn* BitBtn31; // 19 Color Replacer Polygon
    TBitBtn* BitBtn32; // 20 Lime Green Marker
    TBitBtn* BitBtn26; // Clear Image
    TBitBtn* BitBtn1;  // Gradient color

    // Outline and capture tools.
    TPanel* Panel2;
    TBitBtn* BitBtn19;          // 21 Lasso Outline
    TBitBtn* BitBtn20;          // 22 Rectangle Outline
    TBitBtn* BitBtn21;          // 23 Cut
    TBitBtn* BitBtn28;          // 24 Capture Circular Area
    TBitBtn* BitBtn34;          // 25 Special Outline Circlular Area
    TBitBtn* BitBtn8;           // 109 Special Outline an Area
    TBitBtn* BitBtn23;          // 217 Replace a color with clipboard
    TBitBtn* BitBtn25;          // 229 Special Rectangle
    TBitBtn* BitBtn37;          // capture through a clipboard template
    TSpeedButton* SpeedButton5; // Help

    // Fill styles and patterns.
    TPanel* Panel3;
    TSpeedButton* SpeedButton30; // 0 solid
    TSpeedButton* SpeedButton17; // 1 clear
    TSpeedButton* SpeedButton23; // 2 horizontal
    TSpeedButton* SpeedButton25; // 3 vertical
    TSpeedButton* SpeedButton27; // 4 forward diagonal
    TSpeedButton* SpeedButton20; // 5 backward diagonal
    TSpeedButton* SpeedButton18; // 6 cross
    TSpeedButton* SpeedButton21; // 7 diagonal cross
    TBitBtn* BitBtn33;           // "Normal"
    TPanel* Panel10;             // the pattern buttons
    TImage *Bp1, *Bp2, *Bp3, *Bp4, *Bp5, *Bp6, *Bp7, *Bp8;
    TImage *Bp9, *Bp10, *Bp11, *Bp12, *Bp13, *Bp14, *Bp15, *Bp16;
    TShape* Shape1;  // frames the chosen pattern button
    TImage* patbox1; // current pattern: the brush bitmap of pattern fills
    TBevel* Bevel2;
    TImage* Image2;             // the pattern preview
    TSpeedButton* SpeedButton3; // slides the help panel in
    TBitBtn* backpatbut1;

    // Pixel movers.
    TPanel* pmoverpanel1;
    TSpeedButton *pm1, *pm2, *pm3, *pm4, *pm5, *pm6, *pm7, *pm8;
    TBitBtn* BitBtn44;

    // Gradient tools and filters.
    TPanel* Panel7;
    TSpeedButton* gradbut2;     // 152 Gradient Globe
    TSpeedButton* gradbut3;     // 153 Horizontal Gradient Fill
    TSpeedButton* gradbut8;     // 154 Vertical Gradient Fill
    TSpeedButton* gradbut5;     // 155 Horizontal Gradient Rectangle
    TSpeedButton* gradbut6;     // 156 Vertical Gradient Rectangle
    TSpeedButton* gradbut4;     // 157 Gradient Frame
    TSpeedButton* SpeedButton6; // Heavy Soft Focus Filter
    TSpeedButton* SpeedButton7; // Soften Light
    TSpeedButton* SpeedButton8; // Darken Image
    TSpeedButton* SpeedButton9; // Lighten Image
    TBitBtn* BitBtn22;

    // Spray choice.
    TPanel* Panel8;
    TLabel* Label1; // "Spray Paint"
    TBitBtn* mixbut1;
    TBitBtn* plainbut1;
    TBitBtn* backspraybut1;

    // Help panel, parked at left 144 and slid in at left 0.
    TPanel* Panel9;
    TMemo* Memo1;
    TBitBtn* BitBtn24; // "OK"

    TListBox* ListBox1; // hidden: the gradient colour list, one decimal colour a line
    TColorDialog* ColorDialog1;

    // Interaction state, in the order the other windows know it.
    TColor rightcolor = clWhite; // fill colour, right mouse button
    TColor leftcolor = clBlack;  // draw colour, left mouse button
    bool pasteframe = false;     // page mouse events go to the floating paste frame
    int fillstyle = 0;           // brush style 0..7 of filled shapes
    int toolcode = 0;
    int linewidth = 1;
    int penwidth = 1; // the width applied to the page pen for freehand strokes
    bool normalfill = true;
    bool patternfill = false;
    TColor colorunder = clWhite; // colour under the mouse in the colour picture
    std::string progdir;         // program folder, trailing separator

    // Resets the main window's modes for the tool just stored in `toolcode`.
    void do_tool(std::uint8_t code);
    // Redraws the colour box here and on the main window.
    void showcfcb();
    // Redraws the line-width sample and sets SpinEdit1 to linewidth.
    void drawlinwid();
    void do_colbox();
    // Draws the gradient colour list as a strip here and on the main window.
    void showgrad();
    // Loads the pattern buttons from their files.
    void show_pats();
    // Loads the first pattern file into the pattern preview.
    void loadPatternPreview();
    // Copies a 9 x 9 block of the current pattern into the preview.
    void draw_patternbox();
    // The pattern button N (1..16).
    TImage* patternButton(int n) const;

    // The width a drawing loop may use: never below 0, so a loop over 1..safewidth(w) runs
    // zero times for a width of 0 or less.
    static int safewidth(int w) { return w > 0 ? w : 0; }

    // Handlers; the main window's tool buttons call the ones of the same name.
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormActivate(TObject* Sender);
    void FormPaint(TObject* Sender);
    void BitBtn13Click(TObject* Sender);
    void BitBtn5Click(TObject* Sender);
    void BitBtn3Click(TObject* Sender);
    void BitBtn4Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
    void BitBtn6Click(TObject* Sender);
    void BitBtn12Click(TObject* Sender);
    void BitBtn14Click(TObject* Sender);
    void BitBtn7Click(TObject* Sender);
    void BitBtn9Click(TObject* Sender);
    void BitBtn15Click(TObject* Sender);
    void BitBtn16Click(TObject* Sender);
    void BitBtn10Click(TObject* Sender);
    void BitBtn11Click(TObject* Sender);
    void BitBtn17Click(TObject* Sender);
    void BitBtn18Click(TObject* Sender);
    void BitBtn29Click(TObject* Sender);
    void BitBtn30Click(TObject* Sender);
    void BitBtn31Click(TObject* Sender);
    void BitBtn32Click(TObject* Sender);
    void BitBtn26Click(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
    void BitBtn19Click(TObject* Sender);
    void BitBtn20Click(TObject* Sender);
    void BitBtn21Click(TObject* Sender);
    void BitBtn28Click(TObject* Sender);
    void BitBtn34Click(TObject* Sender);
    void BitBtn8Click(TObject* Sender);
    void BitBtn23Click(TObject* Sender);
    void BitBtn25Click(TObject* Sender);
    void BitBtn37Click(TObject* Sender);
    void SpeedButton5Click(TObject* Sender);
    void mixbut1Click(TObject* Sender);
    void plainbut1Click(TObject* Sender);
    void backspraybut1Click(TObject* Sender);
    void pm1Click(TObject* Sender);
    void pm2Click(TObject* Sender);
    void pm3Click(TObject* Sender);
    void pm4Click(TObject* Sender);
    void pm5Click(TObject* Sender);
    void pm6Click(TObject* Sender);
    void pm7Click(TObject* Sender);
    void pm8Click(TObject* Sender);
    void BitBtn44Click(TObject* Sender);
    void gradbut2Click(TObject* Sender);
    void gradbut3Click(TObject* Sender);
    void gradbut8Click(TObject* Sender);
    void gradbut5Click(TObject* Sender);
    void gradbut6Click(TObject* Sender);
    void gradbut4Click(TObject* Sender);
    void SpeedButton6Click(TObject* Sender);
    void SpeedButton7Click(TObject* Sender);
    void SpeedButton8Click(TObject* Sender);
    void SpeedButton9Click(TObject* Sender);
    void BitBtn22Click(TObject* Sender);
    void fillstyleClick(TObject* Sender); // SpeedButton30 ... SpeedButton21 and BitBtn33
    void backpatbut1Click(TObject* Sender);
    void SpeedButton3Click(TObject* Sender);
    void BitBtn24Click(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    void SpeedButton32Click(TObject* Sender);
    void SpeedButton33Click(TObject* Sender);
    void SpeedButton34Click(TObject* Sender);
    void SpinEdit1Change(TObject* Sender);
    void ToolButton1Click(TObject* Sender);
    void ToolButton2Click(TObject* Sender);
    void ToolButton3Click(TObject* Sender);
    void Image1MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void paintbox1MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Image3MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Image3MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Panel4MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void BpClick(TObject* Sender); // Bp1..Bp16: the tag is the pattern number
    void Panel6Click(TObject* Sender);

    // Palette messages: the palette's palette is the page's.
    int onQueryNewPalette();
    int onPaletteChanged(const TCustomForm* source);

    // The colour-box click rule, shared with the main window's copy of the box.
    void colourboxclick(TMouseButton Button, int X, int Y);
    // Sizes the mover box (mask1) to the main window's box size; the marker gets its look.
    void refreshmoverbox();

private:
    void choose(int code); // stores the code, then do_tool
    void outlinereset();
    void pickgradient(int code);
    void drawsample(TPaintBox* box);
    void drawbox(TImage* box);
};

extern TForm3* Form3;
