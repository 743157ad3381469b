#pragma once
#include "Forms.h"

#include <string>

class TImage;
class TComboBox;

// The image browser: every picture file reaches the page through it.
class Tpicform1 : public TForm {
public:
    explicit Tpicform1(TComponent* AOwner = nullptr);

    TImage* Image1;   // the picture, always a bitmap once loaded
    TComboBox* Scale; // JPEG decoding scale: "1:1", "1:2", "1:4", "1:8"

    std::string captionname = "TEMP.BMP";
    std::string picname = "TEMP.BMP";

    // Loads a picture file into Image1 (JPEG at the Scale chosen). A file that is not a
    // valid picture empties the picture and gives false. An empty name loads nothing.
    bool openthefile(const std::string& name);
    // Puts the browser's picture on the page.
    void loadpic();
};

extern Tpicform1* picform1;
