// The main window's clipboard commands: Window > "&Free the clipboard...".
#include "Pbook.h"

#include "Clpfrm.h"
#include "Menus.h"

void TPbook1::wireClipboard() {
    Freetheclipboard1->OnClick = [this](TObject* s) { Freetheclipboard1Click(s); };
}

// Shows the notice as the last refusal left it, so the user can free the clipboard from here.
void TPbook1::Freetheclipboard1Click(TObject*) {
    clpform1->Show();
}
