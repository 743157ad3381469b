#include "about.h"

#include "FormKit.h"
#include "MemoryStatus.h"
#include "Mylabel.h"
#include "TLabel.h"

Taboutfrm1* aboutfrm1 = nullptr;

Taboutfrm1::Taboutfrm1(TComponent* AOwner) : TForm(AOwner) {
    SetName("aboutfrm1");
    SetCaption("About Orvanta");
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    SetClientWidth(300);
    SetClientHeight(150);

    Label3d1 = new TLabel3d(this, this);
    Label3d1->SetName("Label3d1");
    Label3d1->SetAStyle3D(Raised3d);
    Label3d1->SetAShadeLTSet(false);
    kit::heading(Label3d1, 32, clNavy);
    Label3d1->SetBounds(20, 14, 200, 40);
    Label3d1->SetCaption("Orvanta");

    Label1 = kit::label(this, "Label1", "Memory Available", 20, 78);
    Label2 = kit::label(this, "Label2", "Memory in Use", 20, 104);
    Physmem = kit::label(this, "Physmem", "", 150, 78);
    FreeRes = kit::label(this, "FreeRes", "", 150, 104);

    OnCreate = bindMethod(this, &Taboutfrm1::FormCreate);
    OnShow = bindMethod(this, &Taboutfrm1::FormCreate);
}

void Taboutfrm1::FormCreate(TObject*) {
    CenterOnScreen();
    const TMemoryStatus status = GlobalMemoryStatus();
    Physmem->SetCaption(kilobytesText(status.dwTotalPhys));
    FreeRes->SetCaption(std::to_string(status.dwMemoryLoad) + " %");
}

std::string kilobytesText(std::uint64_t bytes) {
    const std::string digits = std::to_string(bytes / 1024);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out + " KB";
}
