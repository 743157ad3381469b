#pragma once
#include "Forms.h"
#include "Geometry.h"
#include "OleContainer.h"
#include "PageProgress.h"
#include "RangeArray.h"
#include "TBitmap.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TImage;
class TPanel;
class TShape;
class TTimer;
class TSpeedButton;
class TButton;
class TEdit;
class TCheckBox;
class TSpinEdit;
class TProgressBar;
class TStatusBar;
class TCoolBar;
class TPageControl;
class TTabSheet;
class TScrollBox;
class TMainMenu;
class TMenuItem;
class TZoomImage;
class TBitBtn;
class TLabel;
class TPaintBox;
class TQuillAVIPlay;
class TSpinButton;

// The main window. It owns the document: the page `ptbox1`, its undo and redo copies, the clip,
// the floating paste frame, the morph store, and the progress bar every long pass steps. Other
// windows read and write its images and state fields directly.
class TPbook1 : public TForm {
public:
    explicit TPbook1(TComponent* AOwner = nullptr);

    // Every control is created by createControls (Pbook_create.cpp), in its designed order and
    // bounds; the wire functions of the units bind their events afterwards.

    // Layout.
    TMainMenu* MainMenu1 = nullptr;
    TMenuItem *Filemenu = nullptr, *New1 = nullptr, *Exit1 = nullptr;
    TMenuItem *Editmenu = nullptr, *Undo1 = nullptr, *Repeatcommand1 = nullptr, *Cut1 = nullptr;
    TMenuItem *Imagemenu = nullptr, *Resize1 = nullptr;
    TPanel* Panel3 = nullptr; // upper tool bar
    TSpeedButton *SpeedButton2 = nullptr, *SpeedButton54 = nullptr;
    TCoolBar* CoolBar1 = nullptr;
    TSpeedButton *undoptb1 = nullptr, *redoptb1 = nullptr;
    TPanel* panclp1 = nullptr; // clip holder
    TImage* Image9 = nullptr;
    TPanel* zmpanel1 = nullptr;
    TSpinEdit* zm1spin = nullptr;
    TButton* zmbuton = nullptr;
    TStatusBar* StatusBar1 = nullptr;
    TProgressBar* bg1 = nullptr;
    TPageControl* PageControl1 = nullptr;
    TTabSheet *TabSheet1 = nullptr, *TabSheet3 = nullptr, *TabSheet4 = nullptr, *TabSheet2 = nullptr,
              *TabSheet5 = nullptr;
    TScrollBox* ScrollBox1 = nullptr;
    TZoomImage* zm1 = nullptr;
    TPanel* Panel7 = nullptr; // hidden: invisible controls
    TEdit *pathname1 = nullptr, *tempdir1 = nullptr;
    TCheckBox* chk1 = nullptr;
    TCheckBox* dobegin = nullptr; // hidden: the first tab change has happened
    TShape* shpmov = nullptr;     // pixel-mover box

    // Document images.
    TImage* ptbox1 = nullptr;         // the page
    TImage* Image2 = nullptr;         // undo copy
    TImage* redo = nullptr;           // redo copy
    TImage* clpmap1 = nullptr;        // the clip; pure white is outside the shape
    TImage* mask1 = nullptr;          // floating paste frame and mask, pixel-mover box
    TImage* morfimage1 = nullptr;     // picture to fit into the next captured outline
    TImage* dragimage1 = nullptr;     // drag source of frames
    TImage* zoomspotimage1 = nullptr; // 256 x 256 zoom spot buffer

    // State, in the order the other windows know it.
    int downx = 0, downy = 0;
    TPoint bezstart, bezend, bezctl1, bezctl2;
    std::array<TPoint, 4> bezshown{};
    std::array<TPoint, 4> bezhandle{};
    int moverx = 0, movery = 0;
    bool cappaste = false;
    TPoint draganchor;
    bool spraymix = false;
    bool modified = false;
    bool pagesready = false;
    bool zoomwritten = false;
    bool zoomon = false;
    bool buttondown = false;
    bool morfmode = false;
    bool bezhandles = false;
    bool pensetup = false;
    bool firstoutline = false;
    bool pastedragging = false;
    bool pastesized = false;
    bool bezplaced = false;
    bool bezgrab1 = false, bezgrab2 = false, bezgrab3 = false, bezgrab4 = false;
    bool bezdragging = false;
    bool mousedown = false;
    bool zoomloaded = false;
    bool zoomrefresh = false;
    int pastezoom = 0, pastewidth = 0, pasteheight = 0;
    int newwidth = 0, newheight = 0;
    int polycount = 1;
    int spotx = 0, spoty = 0;
    int sizedwidth = 0, sizedheight = 0;
    const TBitmap* clipholder = nullptr;
    TRangeArray<TPoint, 1, 500> polypoints;
    int clipx = 0, clipy = 0;
    // Where the clip's pixel (0, 0) was taken from on the page; the area passes work there.
    TPoint clipOrigin;
    TRect outline;
    TRect prevoutline;
    std::uint8_t capturewidth = 1;

    // Start-up and the window's own events.
    void FormCreate(TObject* Sender);
    void dostart();
    void FormShow(TObject* Sender);
    void endIntroFilm();
    TSpeedButton* SpeedButton52 = nullptr; // "Movie frame handler"
    void SpeedButton52Click(TObject* Sender);
    void FormResize(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    // Lays out the page, the clip, the zoom view and the undo copy for the current picture.
    bool initpages();

    // File > New, resizing, undo and redo.
    void opeImNew();
    void New1Click(TObject* Sender);
    void resize_it();
    void Resize1Click(TObject* Sender);
    void undoptb1Click(TObject* Sender);
    void redoptb1Click(TObject* Sender);
    void Exit1Click(TObject* Sender);
    void SpeedButton2Click(TObject* Sender);
    // Shows the help window (modeless); the topic names the caller's page and is not used.
    void dohelp(const std::string& topic);
    // The animation manager from the upper tool bar (Pbook_animation.cpp).
    TSpeedButton* SpeedButton53 = nullptr; // "Animation Manager"
    void SpeedButton53Click(TObject* Sender);

    // Palette and shell messages.
    HPALETTE GetPalette();
    int onQueryNewPalette();
    int onPaletteChanged(const TCustomForm* source);
    int onDropFiles(const std::vector<std::string>& files);

    // Shared conventions.
    void donil(TImage* image);
    void donepv();
    void clearit();
    void Cut1Click(TObject* Sender);

    // The progress bar `bg1` for the long pixel passes (see TProgressPass).
    TProgress& progress() { return bgprogress; }

    // Pen set-up of the page canvas for a tool.
    void set_t(int t);
    // Page to clipboard; false (after its message) when the clipboard refused.
    bool getcap();

    // Region capture (Pbook_capture.cpp): the lasso, box and ellipse endings, colour replacement,
    // the colour count and the template capture. Each ending reports whether it captured.
    bool repcolor(int count);
    bool recrepcolor(int count);
    void minirepcolor();
    void docoreplace();
    void docolorcount();
    void pastecap();
    void endcappingpaste();
    // Save prompt and writers.
    bool checktosave();
    void domysave();
    void saveJPG(const std::string& fileName);

    // Picture saving and loading
    class TSaveDialog* SavePictureDialog1 = nullptr; // "Save Bitmap"
    class TOpenDialog* OpenPictureDialog1 = nullptr;
    TMenuItem *Open2 = nullptr, *Save2 = nullptr, *SaveAs1 = nullptr, *BrowseImages1 = nullptr;
    TMenuItem *JpegSaveOptions1 = nullptr, *copyallmenu = nullptr, *Rotate1 = nullptr, *FancyText1 = nullptr;
    TSpeedButton *SpeedButton26 = nullptr, *SpeedButton42 = nullptr, *SpeedButton43 = nullptr;
    TSpeedButton *SpeedButton55 = nullptr, *SpeedButton48 = nullptr, *SpeedButton46 = nullptr;
    TSpeedButton* SpeedButton44 = nullptr;
    TSpeedButton* pbpastetobut1 = nullptr; // "Paste to file", enabled once a clip is on the clipboard
    void wireFiles();                      // binds the file commands' menu items and buttons
    void savebitJPG(TImage* image, const std::string& fileName);
    void saveclipJPG(const std::string& fileName); // quality 90, whatever the options say
    void savepagebmp(const std::string& fileName);
    void notifygif();
    // A picture that is not the page (the clip, a holder) to a file its name's ending picks the
    // format of; a GIF name writes nothing, a failed write is reported. The page stays as it was.
    void savePictureApart(const TBitmap& bmp, const std::string& fileName,
                          const std::function<void()>& writeJpeg);
    bool dosaveas(); // the Save As of domysave; true only when the page was written
    void opdlg();
    void opeImfile();
    bool pfromfile();
    void endmoverpreview(); // donepv when a pixel-mover preview runs
    void Save2Click(TObject* Sender);
    void SpeedButton42Click(TObject* Sender);
    void SaveAs1Click(TObject* Sender);
    void SpeedButton43Click(TObject* Sender);
    void Open2Click(TObject* Sender);
    void SpeedButton26Click(TObject* Sender);
    void BrowseImages1Click(TObject* Sender);
    void SpeedButton55Click(TObject* Sender);
    void SpeedButton48Click(TObject* Sender);
    void pbpastetobut1Click(TObject* Sender);
    void JpegSaveOptions1Click(TObject* Sender);
    void Rotate1Click(TObject* Sender);
    void FancyText1Click(TObject* Sender);
    TSpeedButton* SpeedButton51 = nullptr; // "Image Fader"
    TSpeedButton* SpeedButton57 = nullptr; // "Fancy text"
    void SpeedButton51Click(TObject* Sender);
    void SpeedButton57Click(TObject* Sender);
    void SpeedButton44Click(TObject* Sender);
    void copyallmenuClick(TObject* Sender);
    void SpeedButton46Click(TObject* Sender);
    void StatusBar1Resize(TObject* Sender);
    // (end of picture saving and loading)
    // The colour bar's colour set ("" = the default set beside the program).
    void loadcolors(const std::string& fileName);
    void savecolors(const std::string& fileName);

    // The sixteen colours of the colour bar: the swatches Sh1e2..sh16e2 show this one store.
    std::array<TColor, 16> barcolors{};

    // The colour bar, the small swatch panel and the side panel's palette strip
    // (Pbook_colorbar.cpp, bound by wireColours).
    TPanel* Panel10 = nullptr;
    TImage* imgrad = nullptr;                                        // the gradient strip
    TSpeedButton *SpeedButton11 = nullptr, *SpeedButton12 = nullptr; // "L", "R"
    TImage* Image12 = nullptr;                                       // the colour box's copy
    TPaintBox* paintbox1 = nullptr;                                  // the line-width sample's copy
    TSpeedButton* SpeedButton47 = nullptr;                           // brings the swatches back
    class TColorGrid* cogrid = nullptr;
    TPanel* Panel4 = nullptr; // the swatches, over cogrid
    TShape *Sh1e2 = nullptr, *sh2e2 = nullptr, *sh3e2 = nullptr, *sh4e2 = nullptr, *sh5e2 = nullptr,
           *sh6e2 = nullptr, *sh7e2 = nullptr, *sh8e2 = nullptr;
    TShape *sh9e2 = nullptr, *sh10e2 = nullptr, *sh11e2 = nullptr, *sh12e2 = nullptr, *sh13e2 = nullptr,
           *sh14e2 = nullptr, *sh15e2 = nullptr, *sh16e2 = nullptr;
    TCheckBox* chkshe2 = nullptr; // "Replace"
    TSpeedButton *SpeedButton56 = nullptr, *SpeedButton62 = nullptr, *SpeedButton45 = nullptr;
    TSpeedButton* SpeedButton61 = nullptr; // opens the small swatch panel
    TPanel* Panel6 = nullptr;              // the small swatch panel, on paneltools
    TShape *Sh1e = nullptr, *sh2e = nullptr, *Sh3e = nullptr, *Sh4e = nullptr, *Sh5e = nullptr,
           *Sh6e = nullptr, *Sh7e = nullptr, *Sh8e = nullptr, *Sh9e = nullptr;
    TCheckBox* chkshe = nullptr;           // "Replace"
    TSpeedButton* SpeedButton63 = nullptr; // saves the small swatches and closes the panel
    TPanel* panco1 = nullptr;              // the side panel's palette
    TScrollBox* ScrollBox2 = nullptr;
    TImage* Image6 = nullptr;             // the palette strip
    TSpeedButton* SpeedButton9 = nullptr; // "Capture colors"
    TSpeedButton* butpfrm = nullptr;      // "Color Display"
    TCheckBox* copcolors = nullptr;       // hidden: the next box capture counts its colours
    TMenuItem *Panelmenu = nullptr, *LoadBitmapPalette1 = nullptr, *InnerToolbars1 = nullptr,
              *InnerColorbar1 = nullptr, *SidePanel1 = nullptr, *Preferences1 = nullptr;
    class TSaveDialog* SaveDialog1 = nullptr;
    class TOpenDialog *OpenDialog1 = nullptr, *OpenPictureDialog2 = nullptr;
    TTimer* Timer2 = nullptr; // realises the page's palette while low colour is on
    void wireColours();
    TShape* barSwatch(int k) const;   // Sh1e2..sh16e2, k = 1..16
    TShape* smallSwatch(int k) const; // Sh1e..Sh9e, k = 1..9
    void showbarcolors();             // the swatches take the colours of barcolors
    void imgradClick(TObject* Sender);
    void SpeedButton11Click(TObject* Sender);
    void SpeedButton12Click(TObject* Sender);
    void Image12MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void cogridChange(TObject* Sender);
    void SpeedButton45Click(TObject* Sender);
    void SpeedButton47Click(TObject* Sender);
    void barSwatchMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void smallSwatchMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void SpeedButton56Click(TObject* Sender);
    void SpeedButton62Click(TObject* Sender);
    void SpeedButton61Click(TObject* Sender);
    void SpeedButton63Click(TObject* Sender);
    void Image6MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Image6MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void LoadBitmapPalette1Click(TObject* Sender);
    void SpeedButton9Click(TObject* Sender);
    void butpfrmClick(TObject* Sender);
    void InnerToolbars1Click(TObject* Sender);
    void InnerColorbar1Click(TObject* Sender);
    void SidePanel1Click(TObject* Sender);
    void Preferences1Click(TObject* Sender);
    void Timer2Timer(TObject* Sender);

    // The tool panel of the Paint page: the same tools as the tool palette, on three pages, with
    // the pixel-mover box size and the pixel movers' demo film (bound by wireTools, Pbook_toolpanel.cpp).
    TPanel* paneltools = nullptr;
    TSpeedButton *toolpage1 = nullptr, *toolpage2 = nullptr, *toolpage3 = nullptr; // "1", "2", "3"
    TPanel *panelt = nullptr, *paneltmore = nullptr, *paneltmover = nullptr, *Panel8 = nullptr;
    TBitBtn *BitBtn13 = nullptr, *BitBtn5 = nullptr, *BitBtn3 = nullptr, *BitBtn4 = nullptr,
            *BitBtn2 = nullptr, *BitBtn6 = nullptr, *BitBtn12 = nullptr, *BitBtn1 = nullptr,
            *BitBtn7 = nullptr;
    TBitBtn *BitBtn9 = nullptr, *BitBtn15 = nullptr, *BitBtn16 = nullptr, *BitBtn10 = nullptr,
            *BitBtn11 = nullptr, *BitBtn17 = nullptr, *BitBtn18 = nullptr, *BitBtn29 = nullptr;
    TBitBtn *BitBtn30 = nullptr, *BitBtn31 = nullptr, *BitBtn32 = nullptr, *BitBtn26 = nullptr;
    TBitBtn *BitBtn8 = nullptr, *BitBtn20 = nullptr, *BitBtn21 = nullptr, *BitBtn28 = nullptr,
            *BitBtn34 = nullptr, *BitBtn22 = nullptr, *BitBtn24 = nullptr, *BitBtn25 = nullptr,
            *BitBtn23 = nullptr;
    TSpeedButton *gradbut2 = nullptr, *gradbut3 = nullptr, *gradbut8 = nullptr, *gradbut5 = nullptr,
                 *gradbut6 = nullptr, *gradbut4 = nullptr;
    TSpeedButton *SpeedButton38 = nullptr, *SpeedButton35 = nullptr, *SpeedButton36 = nullptr,
                 *SpeedButton37 = nullptr;
    TSpeedButton *pm1 = nullptr, *pm2 = nullptr, *pm3 = nullptr, *pm4 = nullptr, *pm5 = nullptr,
                 *pm6 = nullptr, *pm7 = nullptr, *pm8 = nullptr;
    TSpeedButton *SpeedButton10 = nullptr, *SpeedButton14 = nullptr; // "X 2", "/ 2"
    TPanel* panelshow = nullptr;                                     // "Show"
    TQuillAVIPlay* Animate1 = nullptr;                               // the pixel movers' demo film
    TSpeedButton* SpeedButton16 = nullptr;                           // "View Show"
    TCheckBox* Chkanimate1 = nullptr;                                // hidden: the demo film plays
    TLabel *labspray1 = nullptr, *labpaint1 = nullptr;               // "Spray", "Paint"
    TBitBtn *mixbut1 = nullptr, *plainbut1 = nullptr, *BitBtn40 = nullptr;
    void wireTools();
    void toolpageClick(TObject* Sender);
    void moverClick(TObject* Sender); // pm1..pm8
    void SpinEdit3Change(TObject* Sender);
    void SpeedButton10Click(TObject* Sender);
    void SpeedButton14Click(TObject* Sender);
    void SpeedButton16Click(TObject* Sender);
    void shpmovMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void doshow2(int n);
    void doneanim();

    // Mouse dispatch and drawing tools.
    TShape *s1 = nullptr, *s2 = nullptr, *s3 = nullptr,
           *s4 = nullptr;         // Bezier handles: start, end, first and second control point
    TTimer* Timer1 = nullptr;     // never enabled
    TPanel* panelcolor = nullptr; // the colour bar along the bottom of the Paint page
    TSpinEdit* spinpen = nullptr; // "Line width", 1..90, on the colour bar
    // The pixel-mover box size, on the tool panel's page "3".
    TSpinEdit *SpinEdit3 = nullptr, *SpinEdit4 = nullptr;
    void wireDrawing(); // binds the page's mouse events, the Bezier handles and the line width
    void ptbox1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void ptbox1MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void ptbox1MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void s1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void s2MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void s3MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void s4MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void set_itback();
    void Timer1Timer(TObject* Sender);
    void pDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    void pve(TShiftState Shift, int X, int Y);
    void pUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    void do_spray(int X, int Y);
    void pDownco(TMouseButton Button, TShiftState Shift, int X, int Y);
    void pveCo(TShiftState Shift, int X, int Y);
    void pUpCo(TMouseButton Button, TShiftState Shift, int X, int Y);
    void pDownbez(TMouseButton Button, TShiftState Shift, int X, int Y);
    void pvebez(TShiftState Shift, int X, int Y);
    void pUpbez(TMouseButton Button, TShiftState Shift, int X, int Y);
    void remove_boxes(); // abandons a Bezier curve whose handles are on the page
    void globe(int X1, int Y1, int X2, int Y2);
    void clipreplace(TColor c);
    void spinpenChange(TObject* Sender);
    // Handed on to other units.
    void capboxMouseDown(int X, int Y);
    void capboxMouseMove(int X, int Y);
    void capboxMouseUp(int X, int Y);
    void polycopyDown(TMouseButton Button, int X, int Y);
    void polycopypve(TShiftState Shift, int X, int Y);
    void polycopyUp(TMouseButton Button, int X, int Y);
    void capcircle(int X1, int Y1, int X2, int Y2);
    void mask1MDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    void mask1MMove(TShiftState Shift, int X, int Y);
    void mask1MUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    void zoomSpotFollow(int X, int Y); // the zoom spot marker follows the pointer
    void dozoomspot(int X, int Y, int tool);
    void Hdogradfill(int X, int Y);
    void Vdogradfill(int X, int Y);
    void Hdogradboxfill(int X1, int Y1, int X2, int Y2);
    void Vdogradboxfill(int X1, int Y1, int X2, int Y2);
    void Hdogradrectfill(int X1, int Y1, int X2, int Y2);
    void nudgeselection(int X, int Y, int code, int W, int H);

    // Effects on the page (Pbook_effects.cpp): blends and brightness steps, flip and mirror, the
    // video filter panel on the Paint tab.
    TMenuItem *Flip1 = nullptr, *Mirror1 = nullptr; // "&Flip vertical", "&Mirror horizontal"
    TPanel* Panelfilt = nullptr;                    // hidden above its tab (top = -height)
    TSpeedButton *SpeedButton29 = nullptr, *SpeedButton32 = nullptr, *SpeedButton31 = nullptr;
    TSpinEdit *t1m = nullptr, *t2m = nullptr; // threshold and amount, 2..100
    TBitBtn* BitBtn45 = nullptr;              // "Back"
    void wireEffects();
    void doblend();
    void doblend2();
    void doblend3(bool lighten);
    void doclipblend(int steps);
    // Lightens (mode 1) or darkens (mode 0) the page under the clip's non-white pixels
    // (Pbook_morph.cpp).
    void lightenit(int mode, int steps);
    void Flip1Click(TObject* Sender);
    void Mirror1Click(TObject* Sender);
    void sortfilt();
    void SpeedButton29Click(TObject* Sender);
    void SpeedButton32Click(TObject* Sender);
    void SpeedButton31Click(TObject* Sender);
    void SpeedButton37Click(TObject* Sender);
    void BitBtn45Click(TObject* Sender);

    // Floating paste (Pbook_paste.cpp): the paste panel on the side bar with its three pages,
    // the paste frame over the page and the tool bar's paste.
    TSpeedButton* butpaste = nullptr; // "Paste from clipboard"
    TPanel* pastepanel1 = nullptr;
    TSpeedButton *SpeedButton28 = nullptr, *SpeedButton30 = nullptr, *SpeedButton13 = nullptr; // "1" "2" "3"
    TPanel *ppanel = nullptr, *ppanel2 = nullptr, *panelclip = nullptr;
    // Page "1": done, sizes and moves.
    TSpeedButton *SpeedButton3 = nullptr, *SpeedButton1 = nullptr, *SpeedButton4 = nullptr,
                 *SpeedButton5 = nullptr;
    TSpinButton *pastezoomedit1 = nullptr, *pwedit1 = nullptr, *phedit1 = nullptr, *UDedit1 = nullptr,
                *LRedit1 = nullptr;
    TSpeedButton *paste1left = nullptr, *paste1right = nullptr, *paste1up = nullptr, *paste1dn = nullptr;
    TCheckBox* dragbox1 = nullptr; // "Drag"
    TLabel* coord1 = nullptr;      // the pointer's page point while pasting
    // Page "2": the effects.
    TLabel* Label5 = nullptr; // "Rotate"
    TSpeedButton* SpeedButton18 = nullptr;
    TSpinEdit* pasterotedit1 = nullptr;
    TSpeedButton *flpmirbut = nullptr, *SpeedButton7 = nullptr, *SpeedButton6 = nullptr;
    TBitBtn *BitBtn19 = nullptr, *BitBtn14 = nullptr;
    // Page "3": the clipboard holder's commands.
    TButton* Button1 = nullptr; // "Hold Paste"
    TBitBtn *BitBtn46 = nullptr, *BitBtn52 = nullptr, *BitBtn43 = nullptr;
    // The dashed frame around a paste that was just drawn or grabbed, over the page (never in it).
    TShape* pasteFrameShape = nullptr;
    void wirePaste();
    void doapaste();
    void paste_it();
    void put_paste();
    void updateclipsize();
    void butpasteClick(TObject* Sender);
    void SpeedButton3Click(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    void pastezoomedit1DownClick(TObject* Sender);
    void pastezoomedit1UpClick(TObject* Sender);
    void pwedit1DownClick(TObject* Sender);
    void pwedit1UpClick(TObject* Sender);
    void phedit1DownClick(TObject* Sender);
    void phedit1UpClick(TObject* Sender);
    void UDedit1DownClick(TObject* Sender);
    void UDedit1UpClick(TObject* Sender);
    void LRedit1DownClick(TObject* Sender);
    void LRedit1UpClick(TObject* Sender);
    void paste1leftClick(TObject* Sender);
    void paste1rightClick(TObject* Sender);
    void paste1upClick(TObject* Sender);
    void paste1dnClick(TObject* Sender);
    void SpeedButton18Click(TObject* Sender);
    // Effects and pages of the panel (Pbook_pasteeffects.cpp).
    void wirePasteEffects();
    void SpeedButton4Click(TObject* Sender); // "1/2"
    void SpeedButton5Click(TObject* Sender); // "x2"
    void SpeedButton6Click(TObject* Sender); // dark imprint
    void SpeedButton7Click(TObject* Sender); // light imprint
    void BitBtn14Click(TObject* Sender);     // drop shadow
    void BitBtn19Click(TObject* Sender);     // emboss
    void flpmirbutClick(TObject* Sender);
    void SpeedButton28Click(TObject* Sender); // page "1"
    void SpeedButton30Click(TObject* Sender); // page "2"
    void SpeedButton13Click(TObject* Sender); // page "3"
    // The page under the clip's shape at the paste's position, 12 (small) or 48 darker or lighter.
    void imprintonit(bool small, bool lighten);
    void sizepaste(); // bakes the drawn size into the clip
    void shadowit();
    // Set while a paste effect runs (it pumps messages): no other panel command, paste drag or
    // paste starts meanwhile.
    bool effectbusy = false;
    // The page point under the window's client point (7, 74): where a paste is first drawn.
    TPoint pasteOrigin() const;
    // The floating paste's position: the origin plus the clip control's left and top.
    TPoint pastePosition() const;
    // Sizes the tool bar and the page's left spacer so the unscrolled page's corner lies under the
    // window's client point (7, 74), whatever height the tabs take in the installed faces.
    void placePageCorner();
    class TBevel* pageSpacer = nullptr;
    // A paste is live from its drawing until the paste panel is next hidden; while none is, the
    // panel's commands leave the page alone (its undo image may be long out of date).
    bool pasteLive();
    // Hides the paste panel and shows the colour bar's side panel again; the paste stays.
    void hidePastePanel();

    // The clipboard holder `Image9` and page "3" of the paste panel (Pbook_holders.cpp).
    class TPopupMenu* PopupMenu1 = nullptr; // on Image9
    TMenuItem *Copy1 = nullptr, *Loadasminimage1 = nullptr, *Clear1 = nullptr, *Save1 = nullptr;
    TMenuItem* ClipboardHolders1 = nullptr; // Edit > "Clipboard &Holders"
    TSpeedButton* SpeedButton49 = nullptr;  // "Auxillary clipboard holder"
    void wireHolders();
    void Button1Click(TObject* Sender);
    void BitBtn43Click(TObject* Sender);
    void Loadasminimage1Click(TObject* Sender);
    void Copy1Click(TObject* Sender);
    void Clear1Click(TObject* Sender);
    void BitBtn52Click(TObject* Sender);
    void BitBtn46Click(TObject* Sender);
    void Save1Click(TObject* Sender);
    void ClipboardHolders1Click(TObject* Sender);
    void SpeedButton49Click(TObject* Sender);
    void dragimage1DragOver(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept);

    // Called by the palette and the tool panel on every tool choice (Pbook_zoompage.cpp).
    void hideCaptureBox();

    // Zoom spot and zoom view (Pbook_zoom.cpp): a magnified square of the page edited in its
    // top-left corner, and the page enlarged on the "Zoom" tab.
    TSpeedButton* butzoomspot = nullptr; // "Zoom an area"
    class TPopupMenu* PopupMenu2 = nullptr;
    TMenuItem *Zoomx21 = nullptr, *Zoomx41 = nullptr, *Zoomx81 = nullptr;
    TShape* zmshape1 = nullptr;                                      // marker of the square to magnify
    TPanel* panelzoomspot = nullptr;                                 // under the magnified corner
    TSpeedButton *SpeedButton59 = nullptr, *SpeedButton60 = nullptr; // "Apply", "Cancel"
    TScrollBox* ScrollBox3 = nullptr;                                // holds zm1 on the "Zoom" tab
    TButton* zmbutoff = nullptr;                                     // "Normal Size"
    TSpinEdit *spinedit1 = nullptr, *SpinEdit2 = nullptr;            // centre of the zoom view, no limits
    TLabel *zmlabel1 = nullptr, *zmlabel2 = nullptr, *zmlabel3 = nullptr; // "Zoom %", "Right/Left", "Down/Up"
    void wireZoom();
    void hideZoomSpotFrame();
    // A tool other than the zoom spot's chosen before its click: the spot is given up.
    void disarmZoomSpot();
    void butzoomspotClick(TObject* Sender);
    void Zoomx81Click(TObject* Sender);
    void Zoomx41Click(TObject* Sender);
    void Zoomx21Click(TObject* Sender);
    void zmshape1MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void SpeedButton59Click(TObject* Sender);
    void SpeedButton60Click(TObject* Sender);
    void zoom_it();
    void zmbutoffClick(TObject* Sender);
    void zm1spinChange(TObject* Sender);
    void SpinEdit1Change(TObject* Sender);
    void SpinEdit2Change(TObject* Sender);
    void PageControl1Change(TObject* Sender);

    // Zoom page and its frame camera (Pbook_zoompage.cpp): a capture box laid over the zoom view
    // whose contents become numbered frame files or go to the clipboard.
    TSpeedButton *zrtop = nullptr, *zrbot = nullptr, *zrleft = nullptr, *zrright = nullptr; // box frame
    TPanel* zoomtools = nullptr;   // above the zoom view: Panel2, or the tool row in its place
    TPanel* zoomtoolrow = nullptr; // the camera's tools
    class TLabel3d *zwlabel = nullptr, *zhlabel = nullptr;                 // "W", "H"
    TSpinEdit *SpinEdit5 = nullptr, *SpinEdit6 = nullptr;                  // box width and height
    TBitBtn *BitBtn27 = nullptr, *BitBtn33 = nullptr, *BitBtn39 = nullptr; // "176x144", "352x288", "Full"
    TBitBtn* zbrowsebut1 = nullptr;                                        // "Browse"
    TLabel* zlabel1 = nullptr;                                             // folder of the frame files
    TEdit* zedit1 = nullptr;                                               // name prefix
    TSpinEdit* zspin1 = nullptr;                                           // next frame number
    TLabel* zbmplabel = nullptr;                                           // ".bmp"
    TBitBtn* zcambut1 = nullptr;                                           // "Camera"
    TBitBtn* zclipbut1 = nullptr;                                          // box to clipboard
    TBitBtn* BitBtn57 = nullptr;                                           // "Hide"
    TPanel* Panel2 = nullptr;                                              // covers the tool row
    TBitBtn* BitBtn56 = nullptr;                                           // "Zoom capture tools"
    TSpinEdit *spbox1 = nullptr, *spbox2 = nullptr, *zsnum = nullptr;
    TLabel *zmlabel4 = nullptr, *zmlabel5 = nullptr, *zmlabel6 = nullptr; // "Pan L/R", "Pan U/D", "Move Step"
    TPanel* Panel12 = nullptr;                                            // over the box spins
    void wireZoomPage();
    void zposbox(bool fromspins);
    // The box's bars over the zoom view, which is brought forward whenever it is loaded or zoomed.
    void raiseZoomBox();
    void zsizebox();
    void snapit();
    std::string getzmname();
    // The box's contents: the zoom view's visible rectangle stretched over a page-sized bitmap,
    // then the box's part of it (only that part is worked out).
    TBitmap zoomboxrender();
    void BitBtn27Click(TObject* Sender);
    void BitBtn33Click(TObject* Sender);
    void BitBtn39Click(TObject* Sender);
    void zbrowsebut1Click(TObject* Sender);
    void zcambut1Click(TObject* Sender);
    void zclipbut1Click(TObject* Sender);
    void zrtopClick(TObject* Sender);
    void zrleftClick(TObject* Sender);
    void zrbotClick(TObject* Sender);
    void zrrightClick(TObject* Sender);
    void spbox1Change(TObject* Sender);
    void spbox2Change(TObject* Sender);
    void SpinEdit5Change(TObject* Sender);
    void SpinEdit6Change(TObject* Sender);
    void zsnumChange(TObject* Sender);
    void BitBtn56Click(TObject* Sender);
    void BitBtn57Click(TObject* Sender);

    // The capture box window's frame over the page, and the commands that show that window.
    TShape* capbox = nullptr;
    TSpeedButton* SpeedButton17 = nullptr; // "Capture box"
    TMenuItem* CaptureBox1 = nullptr;      // Edit > "Capture &Box"
    void SpeedButton17Click(TObject* Sender);
    void CaptureBox1Click(TObject* Sender);

    // Linked programs and manual pages (Pbook_links.cpp): the "Add ons" and "Making Movies"
    // menus, the Help menu's manual items, the "Add ons" tab's buttons and the file browser.
    TMenuItem *Addons1 = nullptr, *velmora1 = nullptr, *utility1 = nullptr, *utility2 = nullptr,
              *utility3 = nullptr, *utility4 = nullptr;
    TMenuItem *MakingMovies1 = nullptr, *MoviesontheWWW1 = nullptr, *CreatingAnimation1 = nullptr;
    TMenuItem *Helpmenu = nullptr, *SupportServices1 = nullptr, *OnlineManual1 = nullptr;
    TSpeedButton* SpeedButton8 = nullptr; // "Launch your file browser"
    TSpeedButton *butpref1 = nullptr, *butpref2 = nullptr, *butpref3 = nullptr, *butpref4 = nullptr;
    TSpeedButton* SpeedButton34 = nullptr; // shows the preferences
    TSpeedButton* SpeedButton65 = nullptr; // the manual's contents
    // The manual's contents page, the file browser, the movies and the animation pages.
    std::unique_ptr<TOleContainer> OleContainer1, OleContainer2, OleContainer8, OleContainer9;
    // Hidden: each link above has been made in this run.
    TCheckBox *chkmanual = nullptr, *explore = nullptr, *chkmovies = nullptr, *chkanimation = nullptr;
    void wireLinks();
    TSpeedButton* prefButton(int n) const; // butpref1..butpref4
    void velmora1Click(TObject* Sender);
    void utility1Click(TObject* Sender);
    void utility2Click(TObject* Sender);
    void utility3Click(TObject* Sender);
    void utility4Click(TObject* Sender);
    void butpref1Click(TObject* Sender);
    void butpref2Click(TObject* Sender);
    void butpref3Click(TObject* Sender);
    void butpref4Click(TObject* Sender);
    void SpeedButton34Click(TObject* Sender);
    void SpeedButton33Click(TObject* Sender);
    void SpeedButton8Click(TObject* Sender);
    void SupportServices1Click(TObject* Sender);
    void MoviesontheWWW1Click(TObject* Sender);
    void CreatingAnimation1Click(TObject* Sender);

    // The "Animation Transfer" tab (Pbook_transfer.cpp): the page handed to Drag n' Save, and a
    // picture dragged back onto the drop site becoming the page.
    TBitBtn* BitBtn44 = nullptr; // "Get Image From Main"
    TBitBtn* danbut1 = nullptr;  // "Animation Manager", enabled by the first "Get Image From Main"
    TPanel* dropPanel = nullptr; // "Drag here to load back into main"
    TImage* Image1 = nullptr;    // the drop site, filling dropPanel
    void wireTransfer();
    void BitBtn44Click(TObject* Sender);
    void danbut1Click(TObject* Sender);
    void dragimage1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Image1DragOver(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept);
    void Image1DragDrop(TObject* Sender, TObject* Source, int X, int Y);

    // Clipboard commands (Pbook_clipboard.cpp).
    TMenuItem *Windowmenu = nullptr, *Freetheclipboard1 = nullptr;
    void wireClipboard(); // binds the Window menu's clipboard item

    // Printing (Pbook_print.cpp): the print previewer, filled from the page.
    TMenuItem* PrintOptions1 = nullptr;    // File > "&Print Options"
    TSpeedButton* SpeedButton50 = nullptr; // "Print and Fax Manager"
    void wirePrint();                      // binds the print menu item and button
    void doprint();
    void SpeedButton50Click(TObject* Sender);
    void PrintOptions1Click(TObject* Sender);
    void Freetheclipboard1Click(TObject* Sender);

    // The "Text" tab (Pbook_text.cpp): a rich-text editor whose text is drawn onto the page as a
    // floating paste, with the text file and clipboard commands on its panel and the Text menu.
    class TRichEdit* RichEdit2 = nullptr;
    TLabel* textbanner = nullptr; // "Right Click on the desktop and turn off Font Smoothing ..."
    TPanel* paneltext = nullptr;
    TBitBtn *BitBtn41 = nullptr, *BitBtn38 = nullptr, *BitBtn42 = nullptr; // font, "Paint", copy
    TSpeedButton *SpeedButton24 = nullptr, *SpeedButton20 = nullptr,
                 *SpeedButton19 = nullptr; // colour, paste, open
    TSpeedButton *SpeedButton27 = nullptr, *SpeedButton25 = nullptr,
                 *SpeedButton15 = nullptr; // save, help, print
    TCheckBox* Checkwrap = nullptr;        // "Wrap"
    TMenuItem *Text1 = nullptr, *FontType1 = nullptr, *FontColor1 = nullptr, *Wordwrap1 = nullptr,
              *CopytoPaint1 = nullptr, *CopyTexttoClipboard1 = nullptr, *PasteTextfromClipboard1 = nullptr,
              *OpenFile1 = nullptr, *SaveTextFIle1 = nullptr, *PrintText1 = nullptr;
    TMenuItem *Tools1 = nullptr, *TextPanel1 = nullptr; // Tools > "T&ext Panel"
    class TFontDialog* FontDialog1 = nullptr;
    class TColorDialog* ColorDialog1 = nullptr;
    void createTextPage(); // the tab's controls and the Text and Tools menus' items
    void wireText();
    void FontType1Click(TObject* Sender);
    void FontColor1Click(TObject* Sender);
    void CheckwrapClick(TObject* Sender);
    void Wordwrap1Click(TObject* Sender);
    void CopytoPaint1Click(TObject* Sender);
    // The text as "Copy to Paint" draws it, each character in its own attributes; empty when the
    // text has no lines.
    TBitmap textPicture();
    void CopyTexttoClipboard1Click(TObject* Sender);
    void PasteTextfromClipboard1Click(TObject* Sender);
    void OpenFile1Click(TObject* Sender);
    void SaveTextFIle1Click(TObject* Sender);
    void SpeedButton25Click(TObject* Sender);
    void PrintText1Click(TObject* Sender);
    void TextPanel1Click(TObject* Sender);
    // The save dialog for the text; the extension of the chosen name decides plain text or RTF.
    void dosavedit(const std::string& defaultName);

    // Window commands, the about box and the help text (Pbook_commands.cpp).
    TMenuItem* Toolbar3 = nullptr;                        // Tools > "Upper Toolba&r", ticked
    TMenuItem *Minimize1 = nullptr, *RollDown1 = nullptr; // Window > "&Roll Up", "Roll &Down"
    TMenuItem* NoneStayonTop1 = nullptr;                  // Window > "&None Stay on Top"
    TMenuItem* Enlargecanvas1 = nullptr;                  // Image > "&Enlarge canvas"
    TMenuItem *HelpIndex1 = nullptr, *About1 = nullptr;   // Help > "&Help Text", "&About"
    TSpeedButton* SpeedButton58 = nullptr;                // the thin button at the tool bar's left: 640 x 480
    void wireCommands();
    void SpeedButton58Click(TObject* Sender);
    void Toolbar3Click(TObject* Sender);
    void Minimize1Click(TObject* Sender);
    void RollDown1Click(TObject* Sender);
    void NoneStayonTop1Click(TObject* Sender);
    void Enlargecanvas1Click(TObject* Sender);
    void About1Click(TObject* Sender);
    void HelpIndex1Click(TObject* Sender);
    // Sets the upper tool bar's buttons in rows that fit the bar, in their order of use.
    void arrangeToolBar();

    // The film viewer on the "Add ons" tab (Pbook_filmview.cpp): the manual's films, stepped
    // frame by frame.
    TQuillAVIPlay* Animate2 = nullptr; // silent, plays once
    TSpeedButton *butanim2play = nullptr, *butanim2pause = nullptr, *butanim2rewind = nullptr,
                 *butanim2stop = nullptr;       // ">>", "||", "<<", stop
    TLabel* lframeco = nullptr;                 // "Frame: " + number
    TSpinEdit* spanim2count = nullptr;          // hidden: the frame counter, counted from 1
    class TFileListBox* FileListBox1 = nullptr; // "*.avi" of "User manual"
    TLabel* filmPackNote = nullptr;
    void wireFilmViewer();
    void FileListBox1DblClick(TObject* Sender);
    void butanim2playClick(TObject* Sender);
    void butanim2pauseClick(TObject* Sender);
    void butanim2rewindClick(TObject* Sender);
    void butanim2stopClick(TObject* Sender);

private:
    void drawPasteAt(TPoint at); // mask then clip, at the clip's own or the drawn size
    void showPasteFrame(TPoint at);
    void hidePasteFrame();
    void movePaste(int dx, int dy);
    void stepPasteSize(int& delta, int by);
    bool pasteCommandReady(); // a paste is live and no effect is running
    void resetStrokeState();  // no outline drawn yet, one polygon point, no pen set-up, no fitting
    void pageTakesUndoImage();
    void shiftPasteOffset(int dx, int dy);
    void imprintCommand(bool lighten);
    void showHolderPage(); // the paste panel on page "3", over the colour bar's side panel
    void loadHolderAsPage();
    bool pastelive_ = false;
    bool polyfull_ = false; // the point list's last vertex is drawn and will be replaced
    enum TCaptureShape { captureBox, captureLasso, captureEllipse };
    bool captureregion(TCaptureShape shape, int count, TRect drag);
    bool captureending(bool box, bool standardshape);
    void moverlook();
    void gradfill(int X, int Y, bool vertical); // Hdogradfill and Vdogradfill
    void fillbrush();
    void drawband(int tool, const TRect& r);
    std::array<TPoint, 4> bezpoints() const;
    TPoint scrolled(TPoint p) const;
    void placehandle(int i);
    void erasebezline();
    void choosezoomfactor(TMenuItem* item, int tool);
    // The page as it was before the zoom spot magnified a square, for "Apply" to leave as the
    // undo copy; empty while no square is magnified.
    TBitmap spotbefore;

public:
private:
    void createControls(); // every menu item, panel and control (Pbook_create.cpp)
    void wirePage();       // New, undo and redo, resize, exit
    bool shrinkthroughjpeg(int r);
    TBarProgress bgprogress;
    void openlink(int n);
    void openmanual(TOleContainer& container, TCheckBox& made, const std::string& page);
};

extern TPbook1* Pbook1;

// The scale factor of a "Best Quality" reduction from pw x ph to w x h: the larger ratio of the
// sides, rounded half to even, when it is 2, 4 or 8 (the JPEG decoder's scales); otherwise 0.
int jpegshrinkratio(int pw, int ph, int w, int h);
