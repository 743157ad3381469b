#include "TarnwickProgram.h"

#include "Application.h"
#include "Pictures.h"
#include "REMain.h"
#include "aboutfrm1.h"
#include "animcap.h"
#include "backgroundsfrm.h"
#include "bkfrframesfrm.h"
#include "forgrndfrm.h"
#include "frameeditfrm.h"
#include "help1.h"
#include "imview.h"
#include "jpegop.h"
#include "listcopier.h"
#include "mn1.h"
#include "mydialog.h"
#include "preference.h"
#include "prepforproject.h"
#include "screengrab.h"
#include "seriesform.h"
#include "soundfrm1.h"
#include "soundfrm2p.h"
#include "targetfrm.h"
#include "velmorafrm.h"
#include "wiz1.h"

#include <QApplication>
#include <QStyleFactory>
#include <initializer_list>

namespace quickview {

void CreateTarnwickWindows() {
    Application->CreateForm(mn);
    Application->CreateForm(Mainfrm);
    Application->CreateForm(Aboutform);
    Application->CreateForm(AnimCap1);
    Application->CreateForm(Helpfrm);
    Application->CreateForm(listcpy2);
    Application->CreateForm(prepforproj);
    Application->CreateForm(Screengrabberfrm);
    Application->CreateForm(MainForm);
    Application->CreateForm(picform1);
    Application->CreateForm(Soundfrm);
    Application->CreateForm(wizfrm);
    Application->CreateForm(seriesfrm2);
    Application->CreateForm(preference1);
    Application->CreateForm(Soundfrm2);
    Application->CreateForm(bkgfrm);
    Application->CreateForm(sprform);
    Application->CreateForm(framecomposerfrm);
    Application->CreateForm(editframefrm);
    Application->CreateForm(newtargetfrm);
    // Every screen carries the program's icon in its caption, as the program's forms do.
    TBitmap icon;
    DrawProgramIcon(icon, 32);
    for (TCustomForm* f : std::initializer_list<TCustomForm*>{
             Aboutform, AnimCap1, Helpfrm, listcpy2, prepforproj, Screengrabberfrm, MainForm, picform1,
             Soundfrm, wizfrm, seriesfrm2, preference1, Soundfrm2, bkgfrm, sprform, framecomposerfrm,
             editframefrm, newtargetfrm})
        f->SetIcon(icon);
    Application->CreateForm(::jpop1);
    Application->CreateForm(::mydialog1);
}

void StartTarnwick() {
    Application->Initialize();
    // The quick view pictures a program of the Windows 9x years, so it takes that look.
    if (QStyle* style = QStyleFactory::create("Windows")) QApplication::setStyle(style);
    Application->SetTitle("Velmora");
    CreateTarnwickWindows();
}

} // namespace quickview
