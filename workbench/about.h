#pragma once
#include "Forms.h"

#include <cstdint>
#include <string>

class TLabel;
class TLabel3d;

// The about box: the program's name and the machine's memory, read afresh at every showing.
class Taboutfrm1 : public TForm {
public:
    explicit Taboutfrm1(TComponent* AOwner = nullptr);

    TLabel3d* Label3d1; // "Orvanta", raised
    TLabel* Label1;     // "Memory Available"
    TLabel* Label2;     // "Memory in Use"
    TLabel* Physmem;    // total physical memory in KB
    TLabel* FreeRes;    // memory load in percent

    void FormCreate(TObject* Sender);
};

extern Taboutfrm1* aboutfrm1;

// A number of bytes as whole kilobytes grouped by thousands with "," whatever the locale:
// 67108864 gives "65,536 KB".
std::string kilobytesText(std::uint64_t bytes);
