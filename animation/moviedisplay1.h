#pragma once
#include "Forms.h"
#include "TPanel.h"

// The display window of the media player's films: Panel1 is the player's display surface.
class TMoviedisplay : public TForm {
public:
    explicit TMoviedisplay(TComponent* AOwner = nullptr);
    TPanel* Panel1 = nullptr;

    void FormPaint(TObject* Sender);
    void FormResize(TObject* Sender);
    void Panel1Click(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);

private:
    void displayChanged();
    bool pumpPosted_ = false;
};

extern TMoviedisplay* Moviedisplay;
