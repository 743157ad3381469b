#pragma once
#include "Controls.h"

class QGroupBox;

// A framed container with a caption.
class TGroupBox : public TWinControl {
public:
    TGroupBox(TComponent* owner, TWinControl* parent);
    QGroupBox* Box() const;

protected:
    void CaptionChanged() override;
};
