// A skinned control's binding to its skin section, as the controls store it.
#pragma once

#include "framework/TPersistent.h"

#include <string>

class TComponent;

// Holds what a form stores for a control's skinning: the section and the two "custom" switches;
// every control uses the process-wide default skin manager. The painting side of the binding (cached image, parent images, state
// and the skin commands) is not part of it: nothing reads these values to draw.
class TsCommonData : public TPersistent {
public:
    // owner: the control or provider the binding belongs to; kind: its control kind code, which
    // picks the default section while SkinSection is empty.
    TsCommonData(TComponent* owner, int controlKind);
    std::string ClassName() const override { return "TsCommonData"; }

    // Stored upper-cased; an empty name is stored as "UNKNOWN".
    const std::string& SkinSection() const { return FSkinSection; }
    void SetSkinSection(const std::string& section);
    bool CustomColor() const { return FCustomColor; }
    void SetCustomColor(bool value) { FCustomColor = value; }
    bool CustomFont() const { return FCustomFont; }
    void SetCustomFont(bool value) { FCustomFont = value; }

    TComponent* OwnerObject() const { return FOwner; }
    int ControlKind() const { return FControlKind; }

    void Assign(const TPersistent* source) override;

private:
    TComponent* FOwner;
    int FControlKind;
    std::string FSkinSection;
    bool FCustomColor = false;
    bool FCustomFont = false;
};
