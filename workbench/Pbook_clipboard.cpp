// The main window's clipboard commands: Window > "&Free the clipboard...".
#include "Pbook.h"

#include "Clpfrm.h"
#include "Menus.h"

void TPbook1::wireclipboard() {
    Windowmenu = dynamic_cast<TMenuItem*>(FindComponent("Windowmenu"));
    if (!Windowmenu) {
        Windowmenu = new TMenuItem(this);
        Windowmenu->SetName("Windowmenu");
        Windowmenu->SetCaption("&Window");
        MainMenu1->Items()->Add(Windowmenu);
    }
    Freetheclipboard1 = new TMenuItem(this);
    Freetheclipboard1->SetName("Freetheclipboard1");
    Freetheclipboard1->SetCaption("&Free the clipboard...");
    Freetheclipboard1->OnClick = [this](TObject* s) { Freetheclipboard1Click(s); };
    Windowmenu->Add(Freetheclipboard1);
}

// Shows the notice as the last refusal left it, so the user can free the clipboard from here.
void TPbook1::Freetheclipboard1Click(TObject*) {
    clpform1->Show();
}
