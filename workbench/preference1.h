#pragma once
#include "Forms.h"
#include "OleContainer.h"
#include "TBitBtn.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TImage.h"
#include "TLabel.h"
#include "TListBox.h"
#include "TPanel.h"
#include "TSpeedButton.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class TOpenDialog;

// The preferences: the settings file "bin\coconfig.fle", the links to Velmora and to four
// programs or files of the user's choosing ("bin\link0.txt" .. "bin\link4.txt"), and the icons
// of the four "Add ons" buttons ("bin\but1.bmp" .. "bin\but4.bmp"). Made at start-up, so the
// settings are read and the links loaded before the main window is used.
class Tpreference : public TForm {
public:
    explicit Tpreference(TComponent* AOwner = nullptr);

    TLabel* Label1; // "Click on a button to change its icon"
    TSpeedButton *butpref1, *butpref2, *butpref3, *butpref4;
    TEdit *eprog1, *eprog2, *eprog3, *eprog4;
    TSpeedButton *SpeedButton39, *SpeedButton34, *SpeedButton40, *SpeedButton41; // "Browse"
    TLabel* Label2;                                                              // "Install  Velmora "
    TSpeedButton* SpeedButton33;
    TBitBtn* BitBtn1; // "!   Clear all links"
    TCheckBox* chklowres;
    TCheckBox* chkmusic;
    TPanel* Panel1; // the information panel
    TLabel *Label3, *Label4;
    TSpeedButton* SpeedButton1; // "Close"
    // Hidden: the low-colour tick when the window was shown, the settings file's line buffer and
    // the work image of an icon change.
    TCheckBox* chklowres2;
    TListBox* ListBox1;
    TImage* Image1;
    TOpenDialog* OpenDialog1;
    TOpenDialog* OpenPictureDialog1;
    // Velmora, then links 1 to 4.
    std::unique_ptr<TOleContainer> OleContainer3, OleContainer4, OleContainer5, OleContainer6, OleContainer7;

    void FormCreate(TObject* Sender);
    void loadconfig();
    void saveconfig();
    void loadutilities();
    void FormShow(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    bool changebut();
    void butpref1Click(TObject* Sender);
    void butpref2Click(TObject* Sender);
    void butpref3Click(TObject* Sender);
    void butpref4Click(TObject* Sender);
    void SpeedButton39Click(TObject* Sender);
    void SpeedButton34Click(TObject* Sender);
    void SpeedButton40Click(TObject* Sender);
    void SpeedButton41Click(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
    void SpeedButton33Click(TObject* Sender);

    // The container of link n: 0 Velmora, 1..4 the user's links.
    TOleContainer* linkContainer(int n) const;

private:
    TSpeedButton* prefButton(int n) const; // butpref1..butpref4
    TEdit* nameBox(int n) const;           // eprog1..eprog4
    void changeIcon(int n);
    void createLink(int n);
};

extern Tpreference* preference;

// The settings file's lines: split at LF, a trailing CR dropped from each, no line after a final
// line break.
std::vector<std::string> settingsLines(const std::vector<std::uint8_t>& bytes);
