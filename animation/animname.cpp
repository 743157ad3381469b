#include "animname.h"

#include "Dialogs.h"
#include "FormKit.h"
#include "PictureWriters.h"
#include "TSpinEdit.h"
#include "animcap.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* AOwner) : TForm(AOwner) {
    SetName("Form1");
    SetCaption("Drag n' Save");
    SetBounds(0, 0, 300, 280);
    SetFormStyle(fsStayOnTop);

    Panel3 = kit::panel(this, "Panel3", 8, 8, 150, 120, bvLowered);
    Panel3->SetCaption("Drag n' Save Drop Site");
    Image1 = kit::picture(Panel3, "Image1", 0, 0, 150, 120);
    Image1->SetAlign(alClient);
    Image1->SetStretch(true);
    Image1->SetDragMode(dmAutomatic);
    label1 = kit::label(this, "label1", "Width", 168, 16);
    Label2 = kit::label(this, "Label2", "Height", 168, 40);
    Label3 = kit::label(this, "Label3", "Filename ", 8, 142);
    Edit1 = kit::edit(this, "Edit1", "MyAnimation", 96, 138, 140);
    Label4 = kit::label(this, "Label4", "Frame number", 8, 172);
    SpinEdit3 = new TSpinEdit(this, this);
    SpinEdit3->SetName("SpinEdit3");
    SpinEdit3->SetBounds(96, 168, 80, 22);
    Label5 = kit::label(this, "Label5", ".BMP", 180, 172);
    BitBtn1 = kit::bitBtn(this, "BitBtn1", "Preview", 8, 204, 100, 30, TBitmap());
    BitBtn2 = kit::bitBtn(this, "BitBtn2", "Close", 136, 204, 100, 30, TBitmap());
    SavePictureDialog1 = new TSaveDialog(this);
    SavePictureDialog1->SetName("SavePictureDialog1");
    SavePictureDialog1->SetDefaultExt("BMP");
    SavePictureDialog1->SetFilter("Windows Bitmaps (*.BMP)|*.BMP");

    Image1->OnDragOver = bindMethod(this, &TForm1::Image1DragOver);
    Image1->OnDragDrop = bindMethod(this, &TForm1::Image1DragDrop);
    BitBtn1->OnClick = bindMethod(this, &TForm1::BitBtn1Click);
    BitBtn2->OnClick = bindMethod(this, &TForm1::BitBtn2Click);
    OnCreate = bindMethod(this, &TForm1::FormCreate);
    OnClose = bindMethod(this, &TForm1::FormClose);
}

void TForm1::FormCreate(TObject*) {
    CenterOnScreen();
}

void TForm1::FormClose(TObject*, TCloseAction&) {
    Image1->Picture().Clear();
    Image1->Invalidate();
}

void TForm1::Image1DragOver(TObject*, TObject* Source, int, int, TDragState, bool& Accept) {
    Accept = dynamic_cast<TImage*>(Source) != nullptr;
}

void TForm1::Image1DragDrop(TObject* Sender, TObject* Source, int, int) {
    auto* source = dynamic_cast<TImage*>(Source);
    if (!dynamic_cast<TImage*>(Sender) || !source) return;
    // An image control with no picture would become a file no reader accepts.
    if (source->Picture().Empty()) return;
    Image1->SetStretch(true);
    SavePictureDialog1->SetFileName(Edit1->Text() + FrameNumberText(SpinEdit3->Value()) + ".bmp");
    if (!SavePictureDialog1->Execute()) return;
    Image1->Picture().Assign(source->Picture().Bitmap());
    Image1->Invalidate();
    const TBitmap& frame = Image1->Picture().Bitmap();
    label1->SetCaption("Width: " + std::to_string(frame.Width()));
    Label2->SetCaption("Height: " + std::to_string(frame.Height()));
    // A failed write reaches the error report before the number moves on.
    WriteBmpPicture(frame, SavePictureDialog1->FileName());
    SpinEdit3->SetValue(SpinEdit3->Value() + 1);
}

void TForm1::BitBtn1Click(TObject*) {
    AnimCap1->Show();
}

void TForm1::BitBtn2Click(TObject*) {
    Close();
}
