#pragma once
#include "Forms.h"
#include "TBitBtn.h"
#include "TLabel.h"
#include "TTrackBar.h"

// The JPEG quality every page and picture JPEG writer reads: TrackBar1's position (10..100, 100 at
// start). It lives as long as the program and is never stored.
class Tjpop1 : public TForm {
public:
    explicit Tjpop1(TComponent* AOwner = nullptr);

    TLabel* Label1; // title
    TLabel* Label2; // smaller files
    TLabel* Label3; // "10%"
    TLabel* Label4; // better quality
    TLabel* Label5; // "100%"
    TTrackBar* TrackBar1;
    TBitBtn* BitBtn1;

    void FormCreate(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
};

extern Tjpop1* jpop1;
