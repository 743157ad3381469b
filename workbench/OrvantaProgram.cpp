#include "OrvantaProgram.h"

#include "Application.h"
#include "Clpfrm.h"
#include "Pbook.h"
#include "Toolpal.h"
#include "about.h"
#include "almaker.h"
#include "animcap.h"
#include "animname.h"
#include "avicapper.h"
#include "aviwin.h"
#include "capbox.h"
#include "capboximview.h"
#include "capdlg.h"
#include "cappastepositioner.h"
#include "colortint.h"
#include "dirpathdlg.h"
#include "gradpal.h"
#include "help1.h"
#include "imview.h"
#include "jpegop.h"
#include "linklaunch1.h"
#include "morfshapeform1.h"
#include "moviedisplay1.h"
#include "mydialog.h"
#include "newsizefrm1.h"
#include "options.h"
#include "palettecolorsfrm1.h"
#include "preference1.h"
#include "prnfrm.h"
#include "resizefrm.h"
#include "rotdialog.h"
#include "scrntest.h"
#include "soundfrm1.h"
#include "stationary.h"
#include "textstyler.h"

void CreateOrvantaWindows() {
    Application->CreateForm(Pbook1);
    Application->CreateForm(folderdlg1);
    Application->CreateForm(Form3);
    Application->CreateForm(picform1);
    Application->CreateForm(TextMakerForm);
    Application->CreateForm(morfshapeform);
    Application->CreateForm(ResizeForm);
    Application->CreateForm(aboutfrm1);
    Application->CreateForm(options1);
    Application->CreateForm(ALmaker);
    Application->CreateForm(station1);
    Application->CreateForm(jpop1);
    Application->CreateForm(capformdlg);
    Application->CreateForm(Prinfrm);
    Application->CreateForm(cappos1);
    Application->CreateForm(AVICAP);
    Application->CreateForm(aviwin);
    Application->CreateForm(gradform1);
    Application->CreateForm(Form1);
    Application->CreateForm(colortint1);
    Application->CreateForm(newsizefrm);
    Application->CreateForm(PaletteColorsfrm);
    Application->CreateForm(linkform);
    Application->CreateForm(Helpfrm);
    Application->CreateForm(screentest1);
    Application->CreateForm(mydialog1);
    Application->CreateForm(AnimCap1);
    Application->CreateForm(clpform1);
    Application->CreateForm(preference);
    Application->CreateForm(Soundfrm);
    Application->CreateForm(Moviedisplay);
    Application->CreateForm(cappastefrm);
    Application->CreateForm(rotateform);
    Application->CreateForm(cappos2);
}

void StartOrvanta() {
    Application->Initialize();
    Application->SetTitle("Orvanta");
    CreateOrvantaWindows();
}
