#pragma once
#include "Forms.h"

class TImage;

// The animation manager's "Preview" window: the frames, stretched to its client area.
class Tscreentest1 : public TForm {
public:
    explicit Tscreentest1(TComponent* AOwner = nullptr);

    TImage* Image1;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
};

extern Tscreentest1* screentest1;
