// The base of the skinned labels: a transparent framework label that takes the skin's text
// colour, can paint a section behind its text and draws disabled text blended into its parent.
#pragma once

#include "framework/TLabel.h"

class TsSkinManager;

class TsCustomLabel : public TLabel {
public:
    explicit TsCustomLabel(TComponent* owner);
    std::string ClassName() const override { return "TsCustomLabel"; }

    // Empty: nothing is painted behind the text.
    const std::string& SkinSection() const { return FSkinSection; }
    void SetSkinSection(const std::string& section);

    // The font the label paints with: its Font, in the skin's text colour while a skin is in
    // force and that colour is set.
    virtual TFont* GetCurrentFont();

    // The default manager, when its skin is in force.
    static TsSkinManager* ManagerInForce();

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void DrawLabelText(HDC dc, const std::string& text, TRect& rect, unsigned flags) override;
    // The label follows the skin's text colour and goes back to the window-text colour.
    virtual bool FollowsSkinColor() const { return true; }

private:
    // The index of SkinSection in the skin in force; only above 0 is it used.
    int SectionIndex() const;
    // The working font takes the current font, and the section's font colour over it.
    void UpdateWorkingFont();

    // Process-wide, as a label replacing its own font must not lay itself out again meanwhile;
    // one thread paints.
    static bool FontUpdating;

    std::string FSkinSection;
};
