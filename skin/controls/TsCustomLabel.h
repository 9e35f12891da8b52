// The base of the skinned labels: a transparent framework label with a section to paint behind it.
#pragma once

#include "framework/TLabel.h"

class TsCustomLabel : public TLabel {
public:
    explicit TsCustomLabel(TComponent* owner);
    std::string ClassName() const override { return "TsCustomLabel"; }

    // Empty: nothing is painted behind the text.
    const std::string& SkinSection() const { return FSkinSection; }
    void SetSkinSection(const std::string& section) { FSkinSection = section; }

    // The font the label paints with.
    virtual TFont* GetCurrentFont() const { return Font(); }

private:
    std::string FSkinSection;
};
