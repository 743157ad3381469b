#include "options.h"

#include "Pbook.h"
#include "TPanel.h"
#include "TRadioGroup.h"

Toptions1* options1 = nullptr;

Toptions1::Toptions1(TComponent* AOwner) : TForm(AOwner) {
    SetName("options1");
    SetCaption("Options");
    SetFormStyle(fsStayOnTop);
    SetBounds(0, 0, 300, 300);
    Panel4 = new TPanel(this, this);
    Panel4->SetName("Panel4");
    Panel4->SetCaption("Options");
    Panel4->SetBounds(8, 8, 284, 240);
    Panel4->Hide();
    RadioGroup1 = new TRadioGroup(this, Panel4);
    RadioGroup1->SetName("RadioGroup1");
    RadioGroup1->SetCaption("Polygon Area  Options");
    RadioGroup1->SetBounds(6, 6, 272, 170);
    RadioGroup1->Items().SetStrings({"Outline The New Shape Then Morf it - no pure white.",
                                     "Morf Into a Standard Shape - do not use with pure white.",
                                     "Lighten the selected area  ", "Darken The selected area",
                                     "Blend the selected area",
                                     "Color Tint selected area - white areas are unaffected."});
    RadioGroup1->SetItemIndex(2);
    Panel5 = new TPanel(this, Panel4);
    Panel5->SetName("Panel5");
    Panel5->SetCaption("");
    Panel5->SetBounds(6, 182, 272, 50);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
    // Closing leaves no fitting pending, as Cancel does.
    OnClose = [](TObject*, TCloseAction&) {
        if (Pbook1) Pbook1->morfmode = false;
    };
}
