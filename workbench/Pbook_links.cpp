// Linked programs and manual pages: the "Add ons" and "Making Movies" menus, the Help menu's
// manual items, the "Add ons" tab's buttons, the quick overview and the file browser. The links
// to programs and files live in the preferences window; the manual and file-browser links are
// made at their first use in each run.
#include "Menus.h"
#include "Pbook.h"
#include "ProgramFolder.h"
#include "TCheckBox.h"
#include "TSpeedButton.h"
#include "linklaunch1.h"
#include "mydialog.h"
#include "preference1.h"

#include <string>

void TPbook1::wireLinks() {
    velmora1->OnClick = [this](TObject* s) { velmora1Click(s); };
    utility1->OnClick = [this](TObject* s) { utility1Click(s); };
    utility2->OnClick = [this](TObject* s) { utility2Click(s); };
    utility3->OnClick = [this](TObject* s) { utility3Click(s); };
    utility4->OnClick = [this](TObject* s) { utility4Click(s); };
    butpref1->OnClick = [this](TObject* s) { butpref1Click(s); };
    butpref2->OnClick = [this](TObject* s) { butpref2Click(s); };
    butpref3->OnClick = [this](TObject* s) { butpref3Click(s); };
    butpref4->OnClick = [this](TObject* s) { butpref4Click(s); };
    SpeedButton34->OnClick = [this](TObject* s) { SpeedButton34Click(s); };
    SpeedButton8->OnClick = [this](TObject* s) { SpeedButton8Click(s); };
    SupportServices1->OnClick = [this](TObject* s) { SupportServices1Click(s); };
    OnlineManual1->OnClick = [this](TObject* s) { SupportServices1Click(s); };
    SpeedButton65->OnClick = [this](TObject* s) { SupportServices1Click(s); };
    MoviesontheWWW1->OnClick = [this](TObject* s) { MoviesontheWWW1Click(s); };
    CreatingAnimation1->OnClick = [this](TObject* s) { CreatingAnimation1Click(s); };
}

TSpeedButton* TPbook1::prefButton(int n) const {
    TSpeedButton* all[] = {butpref1, butpref2, butpref3, butpref4};
    return all[n - 1];
}

void TPbook1::openlink(int n) {
    if (ProgramFolder::FileExists("bin\\link" + std::to_string(n) + ".txt")) {
        try {
            preference->linkContainer(n)->DoVerb(ovShow);
        } catch (const std::exception&) {
            mydialog1->mbox("Unable to create link", "Clear all links in preferences",
                            "and reconfigure buttons", "", "", 1);
        }
        return;
    }
    const int answer = n == 0 ? mydialog1->mbox("Orvanta needs to know", "where Velmora is installed", "",
                                                "Continue?", "", 2)
                              : mydialog1->mbox("Orvanta needs to know", "which file or utility to assign to",
                                                "this button.", "Continue?", "", 2);
    if (answer == 0) preference->Show();
}

void TPbook1::velmora1Click(TObject*) {
    openlink(0);
}
void TPbook1::utility1Click(TObject*) {
    openlink(1);
}
void TPbook1::utility2Click(TObject*) {
    openlink(2);
}
void TPbook1::utility3Click(TObject*) {
    openlink(3);
}
void TPbook1::utility4Click(TObject*) {
    openlink(4);
}
void TPbook1::butpref1Click(TObject* Sender) {
    utility1Click(Sender);
}
void TPbook1::butpref2Click(TObject* Sender) {
    utility2Click(Sender);
}
void TPbook1::butpref3Click(TObject* Sender) {
    utility3Click(Sender);
}
void TPbook1::butpref4Click(TObject* Sender) {
    utility4Click(Sender);
}

void TPbook1::SpeedButton34Click(TObject*) {
    preference->Show();
}

void TPbook1::SpeedButton33Click(TObject* Sender) {
    if (mydialog1->mbox("A quick overview of Velmora is", "located in your Orvanta", "program folder.",
                        "Click on Tarnwick.exe using Explorer", "Would you like to exit and view it now?",
                        2) != 0)
        return;
    SpeedButton8Click(Sender);
    Close();
}

// The desktop's file manager on the program folder. A link that no longer opens is made again
// at once; only when the fresh one fails too is the user told.
void TPbook1::SpeedButton8Click(TObject*) {
    if (explore->Checked()) {
        try {
            OleContainer2->DoVerb(ovShow);
        } catch (const std::exception&) {
            explore->SetChecked(false);
        }
    }
    if (explore->Checked()) return;
    OleContainer2->CreateLinkToFile(ProgramFolder::Root().string(), true);
    OleContainer2->SaveToFile(ProgramFolder::MapPathString("bin\\link6.txt"));
    if (!OleContainer2->HasObject()) return;
    try {
        OleContainer2->DoVerb(ovShow);
        explore->SetChecked(true);
    } catch (const std::exception&) {
        mydialog1->mbox("Unable to complete request", "", "", "", "", 1);
    }
}

// A page of the manual, after the link window: a page opened before in this run opens through
// its link (a failure goes to the general error display); otherwise the link is made first.
void TPbook1::openmanual(TOleContainer& container, TCheckBox& made, const std::string& page) {
    if (linkform->ShowModal() != 1) return;
    if (made.Checked()) {
        container.DoVerb(ovShow);
        return;
    }
    container.CreateLinkToFile(ProgramFolder::MapPathString("User Manual\\" + page), true);
    container.SetAllowInPlace(false);
    container.SetCopyOnSave(false);
    try {
        container.DoVerb(ovShow);
        made.SetChecked(true);
    } catch (const std::exception&) {
        mydialog1->mbox("Unable to complete request", "Using explorer, click on",
                        page + " in your manual folder", "", "", 1);
    }
}

void TPbook1::SupportServices1Click(TObject*) {
    openmanual(*OleContainer1, *chkmanual, "Contents.html");
}
void TPbook1::MoviesontheWWW1Click(TObject*) {
    openmanual(*OleContainer8, *chkmovies, "Movies.html");
}
void TPbook1::CreatingAnimation1Click(TObject*) {
    openmanual(*OleContainer9, *chkanimation, "Animation.html");
}
