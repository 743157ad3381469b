#pragma once
// The look of the platform's controls over Qt: the designed faces (see Faces.h) and disabled
// text drawn etched. Runs once per application object; every control's constructor calls it.
void ApplyPlatformLook();
