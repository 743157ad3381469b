#pragma once
#include "Forms.h"

class TPanel;
class TQuillAVIPlay;

// The AVI frame capture window.
class TAVICAP : public TForm {
public:
    explicit TAVICAP(TComponent* AOwner = nullptr);
    TPanel* Panel2 = nullptr;
    TQuillAVIPlay* AVI = nullptr; // the film being viewed; its frames are what gets captured
};

extern TAVICAP* AVICAP;
