// The skinned panel (the board's container): the framework's panel whose client area comes
// entirely from its skin section while a skin is in force.
#pragma once

#include "framework/TPanel.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/TacSkinnedControl.h"
#include "skin/paint/TsCommonData.h"

#include <functional>
#include <memory>

// Skinned, the panel keeps its image in SkinData's cached bitmap, copies it to the screen around
// its children and lets its graphic children (the cells) paint over copies of it. A panel is
// never hot. Without a skin it is the plain framework panel.
class TsPanel : public TPanel, public TacSkinnedControl {
public:
    static constexpr int ControlKindCode = ckPanel;

    explicit TsPanel(TComponent* owner);
    std::string ClassName() const override { return "TsPanel"; }

    TsCommonData* SkinData() const override { return FSkinData.get(); }
    void PrepareCache() override;
    // The skinned panel on a device (nullptr: its own window's), its children over it; with
    // notifyChildren the windowed children whose painting waited repaint now.
    void PaintPanel(HDC dc, bool notifyChildren);
    // The caption, one line centred vertically in r, into the cached image.
    void DrawCaption(TRect r);

    // After the image is built, with the cached bitmap's canvas (skinned) or the panel's own.
    std::function<void(TObject* sender, TCanvas* canvas)> OnPaint;

protected:
    // For the panel variants: the binding is made with their own kind.
    TsPanel(TComponent* owner, int controlKind);
    // What a variant draws over the panel's face (and caption) before OnPaint, skinned into the
    // cached image, unskinned onto the panel itself.
    virtual void PaintContent(TCanvas& canvas) { (void)canvas; }
    // The area inside the border and the bevels.
    TRect BevelledArea() const;
    void WndProc(TMessage& message) override;
    void Loaded() override;
    void Paint() override;
    void WMPaint(TMessage& message) override;
    void WMEraseBkgnd(TMessage& message) override;
    void WMPrintClient(TMessage& message) override;

private:
    bool Skinned() const;
    void HandleSkinCommand(TMessage& message);
    // True when the message is finished.
    bool BeforeMessage(TMessage& message);
    void AfterMessage(const TMessage& message);

    std::unique_ptr<TsCommonData> FSkinData;
};
