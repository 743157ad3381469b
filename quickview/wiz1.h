#pragma once
#include "Forms.h"
#include "TButton.h"
#include "TImage.h"
#include "TPageControl.h"

namespace quickview {

// Screen: the movie editor's tabbed book of wizards.
class Twizfrm : public TForm {
public:
    explicit Twizfrm(TComponent* AOwner = nullptr);

    TPageControl* PageControl1;
    TTabSheet* TabSheet1; // Editing Video Streams
    TTabSheet* TabSheet2; // Adding Animation
    TTabSheet* TabSheet3; // Adding Sound
    TTabSheet* TabSheet4; // Adding Bitmaps
    TButton* butback;
    TButton* butnext;
    TButton* butclose;

    void FormCreate(TObject* Sender);

private:
    TTabSheet* page(const char* name, const char* caption, int variant, const char* title, const char* text);
};

extern Twizfrm* wizfrm;

} // namespace quickview
