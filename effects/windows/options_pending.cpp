// Operations of the area options window, not built yet.
#include "options.h"

// Hides the steps panel `Panel5` while `RadioGroup1` shows one of the two morph choices.
void Toptions1::hideStepsForMorph() {}
