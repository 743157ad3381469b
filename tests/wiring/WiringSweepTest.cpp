// Every menu item and button of the main window reaches a command, and a walk that triggers each
// enabled one (modals answered Cancel, nothing started outside) raises no unhandled error.
#include "Menus.h"
#include "OrvantaFixture.h"
#include "RecordingLauncher.h"
#include "TButton.h"
#include "TCoolBar.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TSpeedButton.h"

#include <vector>

namespace {

void leafItems(TMenuItem* menu, std::vector<TMenuItem*>& out) {
    for (int i = 0; i < menu->Count(); ++i) {
        TMenuItem* m = menu->Items(i);
        if (m->IsLine()) continue;
        if (m->Count() > 0)
            leafItems(m, out);
        else
            out.push_back(m);
    }
}

bool isButton(TControl* c) {
    return dynamic_cast<TSpeedButton*>(c) || dynamic_cast<TButton*>(c);
}

void buttonsOf(TWinControl* parent, std::vector<TControl*>& out) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (isButton(c)) out.push_back(c);
        if (auto* w = dynamic_cast<TWinControl*>(c); w && !isButton(c)) buttonsOf(w, out);
    }
}

// The tool bars, the side bar, the tool panel and the tabs' buttons.
std::vector<TControl*> windowButtons() {
    TPbook1& pb = *Pbook1;
    std::vector<TControl*> out;
    for (TWinControl* w : std::initializer_list<TWinControl*>{pb.Panel3, pb.CoolBar1, pb.PageControl1})
        buttonsOf(w, out);
    return out;
}

bool showing(TControl* c) {
    for (TControl* p = c; p && p != Pbook1; p = p->Parent())
        if (!p->Visible()) return false;
    return true;
}

class WiringSweepTest : public OrvantaTest {};

TEST_F(WiringSweepTest, EveryMenuItemAndButtonHasItsCommand) {
    std::vector<TMenuItem*> items;
    leafItems(Pbook1->MainMenu1->Items(), items);
    EXPECT_GE(items.size(), 50u);
    for (TMenuItem* m : items)
        EXPECT_TRUE(bool(m->OnClick)) << m->Name() << " " << m->Caption();
    const std::vector<TControl*> buttons = windowButtons();
    EXPECT_GE(buttons.size(), 100u);
    for (TControl* b : buttons)
        if (b != Pbook1->zmbuton) { // hidden, and its click does nothing as designed
            EXPECT_TRUE(bool(b->OnClick)) << b->Name() << " \"" << b->Caption() << "\" " << b->Hint();
        }
}

TEST_F(WiringSweepTest, AWalkThroughEveryEnabledCommandRaisesNoError) {
    RecordingLauncher launcher;
    ModalSeam().OnFailure = nullptr; // every modal without an answer is cancelled
    std::vector<std::string> reports;
    Application->OnException = [&](const std::exception& e) { reports.push_back(e.what()); };
    std::vector<TMenuItem*> items;
    leafItems(Pbook1->MainMenu1->Items(), items);
    auto run = [&](const std::string& what, const std::function<void()>& click) {
        try {
            click();
            Application->ProcessMessages();
        } catch (const std::exception& e) {
            ADD_FAILURE() << what << " raised " << e.what();
        } catch (...) {
            ADD_FAILURE() << what << " raised an unknown error";
        }
    };
    for (TMenuItem* m : items)
        if (m != Pbook1->Exit1 && m->Enabled()) run(m->Name(), [m] { m->Click(); });
    for (TTabSheet* sheet : {Pbook1->TabSheet1, Pbook1->TabSheet3, Pbook1->TabSheet4, Pbook1->TabSheet2,
                             Pbook1->TabSheet5, Pbook1->TabSheet1}) {
        Pbook1->PageControl1->SetActivePage(sheet);
        run(sheet->Caption(), [] { Pbook1->PageControl1Change(Pbook1->PageControl1); });
        for (TControl* b : windowButtons())
            if (b->Enabled() && showing(b)) run(b->Name(), [b] { b->Click(); });
    }
    run("Exit1", [] { Pbook1->Exit1->Click(); });
    Application->OnException = nullptr;
    for (const std::string& r : reports)
        ADD_FAILURE() << "error report: " << r;
}

} // namespace
