#include "Pbook.h"
#include "ToolCodes.h"
#include "Toolpal.h"
#include "animcap.h"

void TPbook1::SpeedButton53Click(TObject*) {
    if (tools::isMover(Form3->toolcode)) donepv();
    AnimCap1->Show();
}
