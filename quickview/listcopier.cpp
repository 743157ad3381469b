#include "listcopier.h"

#include "ScreenKit.h"
#include "seriesform.h"
#include "velmorafrm.h"

namespace quickview {

Tlistcpy2* listcpy2 = nullptr;

Tlistcpy2::Tlistcpy2(TComponent* AOwner) : TForm(AOwner) {
    SetName("listcpy2");
    SetCaption("Prepare a list of bitmap file names and copy them to your new project folder");
    SetBorderStyle(bsDialog);
    // Wide enough for the whole caption in the title bar.
    SetClientWidth(680);
    SetClientHeight(376);

    WizardParts w = wizard(this, 1, "butback", "butcancel", "Buttonnext", "Next >>");
    Image1 = w.side;
    butback = w.back;
    butcancel = w.cancel;
    Buttonnext = w.next;
    int x = w.contentLeft;
    const int right = ClientWidth() - 8;
    int y = wizardTitle(this, x, "Step 2 of 3", "List the bitmaps and copy them",
                        "Pick the frames of your movie in the order they play. Velmora copies them "
                        "into the project folder and numbers the copies.",
                        30);

    kit::label(this, "Label4", "Source folder:", x, y + 4);
    ComboFolder = kit::combo(this, "ComboFolder", {"C:\\My Documents\\Frames", "C:\\Velmora\\Samples"}, 0,
                             x + 76, y, 200);
    y += 28;
    kit::label(this, "Label5", "Bitmaps in the folder", x, y);
    kit::label(this, "Label6", "Bitmaps to copy", x + 292, y);
    y += 16;
    FileListBox1 =
        kit::list(this, "FileListBox1",
                  {"beach000.bmp", "beach001.bmp", "beach002.bmp", "beach003.bmp", "beach004.bmp",
                   "beach005.bmp", "gull000.bmp", "gull001.bmp", "gull002.bmp", "sunset.jpg", "title.bmp"},
                  x, y, 200, 124);
    FileListBox1->SetMultiSelect(true);
    butadd = kit::button(this, "butadd", "Add >", x + 208, y, 76, 25);
    butaddall = kit::button(this, "butaddall", "Add All >>", x + 208, y + 30, 76, 25);
    butremove = kit::button(this, "butremove", "< Remove", x + 208, y + 70, 76, 25);
    butclear = kit::button(this, "butclear", "<< Clear", x + 208, y + 100, 76, 25);
    ListBox1 = kit::list(this, "ListBox1",
                         {"title.bmp", "beach000.bmp", "beach001.bmp", "beach002.bmp", "beach003.bmp"},
                         x + 292, y, right - x - 292, 124);
    y += 132;
    kit::label(this, "Label7", "Copy to:", x, y + 4);
    Edittarget = kit::edit(this, "Edittarget", "C:\\Velmora\\Projects\\MyMovie\\", x + 50, y, 260);
    CheckBox1 = kit::check(this, "CheckBox1", "Number the copies", x + 322, y + 2, 130, true);
    y += 28;
    ProgressBar1 = new TProgressBar(this, this);
    ProgressBar1->SetName("ProgressBar1");
    ProgressBar1->SetBounds(x, y + 2, right - x - 85, 18);
    butcopy = kit::button(this, "butcopy", "Copy Files", right - 75, y, 75, 23);

    Buttonnext->OnClick = bindMethod(this, &Tlistcpy2::ButtonnextClick);
    OnCreate = bindMethod(this, &Tlistcpy2::FormCreate);
}

void Tlistcpy2::FormCreate(TObject*) {
    CenterOnScreen();
}

void Tlistcpy2::ButtonnextClick(TObject*) {
    ShowScreen(seriesfrm2);
}

} // namespace quickview
