// A skinned control's binding: its skin section, its cached image and the state that decides when
// the image is rebuilt, and its answers to the skin commands.
#pragma once

#include "skin/paint/TParentImageInfo.h"

#include "skin/data/TsGeneralData.h"

#include "framework/Messages.h"
#include "framework/TPersistent.h"

#include <cstdint>
#include <memory>
#include <string>

class TBitmap;
class TComponent;
class TControl;
class TWinControl;
class TsSkinManager;
class TsSkinModel;
class TacManagerLink;

// Every skinned control owns one, published as its SkinData; a form's skinning component owns
// one for the form. The control paints into CacheBitmap and copies it to the screen; the binding
// keeps track of when that image no longer shows the control (CacheInvalid), answers the
// questions children ask about it, and follows the skin manager's commands.
//
// Life: created (indexes -1, CacheInvalid) → skinned (ApplySkin resolves the section; the
// manager's set-skin command clears PaintSuspended) → painting cycles → skin change (new-skin
// suspends painting and resolves again, set-skin resumes and invalidates) → unskinned
// (remove-skin: indexes -1, empty cache) → destroyed. A hidden control keeps no cached pixels.
class TsCommonData : public TPersistent {
public:
    // owner: the control (or the form's skinning component) the binding belongs to; kind: its
    // control kind code; withCache: the cached image is created (empty) at once, not on first use.
    TsCommonData(TComponent* owner, int controlKind, bool withCache = true);
    ~TsCommonData() override;
    TsCommonData(const TsCommonData&) = delete;
    TsCommonData& operator=(const TsCommonData&) = delete;
    std::string ClassName() const override { return "TsCommonData"; }
    // Section, manager and the two custom switches, as a form stores them.
    void Assign(const TPersistent* source) override;

    // --- published ---------------------------------------------------------------------------
    // Stored upper-cased; empty is stored as "UNKNOWN". A change resolves the section and tells
    // the control (set-skin when the skin has it, else remove-skin).
    const std::string& SkinSection() const { return FSkinSection; }
    void SetSkinSection(const std::string& section);
    // The manager in use: the one set, else the process-wide default (nullptr when none).
    TsSkinManager* SkinManager() const;
    // The one set; the default manager is stored as none.
    TsSkinManager* StoredSkinManager() const;
    void SetSkinManager(TsSkinManager* manager);
    // The background is the control's own Color, opaque; an edit keeps its Color.
    bool CustomColor() const { return FCustomColor; }
    void SetCustomColor(bool value);
    // The control keeps its font colour: no skin font colours, no contours.
    bool CustomFont() const { return FCustomFont; }
    void SetCustomFont(bool value);

    // --- owner and skin ------------------------------------------------------------------------
    TComponent* OwnerObject() const { return FOwnerObject; }
    // The owning control; nullptr for a form's skinning component.
    TControl* OwnerControl() const { return FOwnerControl; }
    // The control whose colour and painting the binding stands for: the owner, or the skinned
    // form of a form's skinning component.
    TControl* PaintedControl() const;
    int ControlKind() const { return FControlKind; }
    // The manager's skin model, nullptr without a manager.
    TsSkinModel* SkinModel() const;
    // The section's values in the current skin, nullptr while SkinSectionIndex is not valid.
    const TsGeneralData* Section() const;

    int SkinSectionIndex() const { return FSkinSectionIndex; }
    int BordersMaskIndex() const { return FBordersMaskIndex; }
    int PatternMaskIndex() const { return FPatternMaskIndex; }
    int HotPatternMaskIndex() const { return FHotPatternMaskIndex; }

    // The control's image; nullptr until created. PrepareCacheBitmap makes it as large as the
    // control.
    TBitmap* CacheBitmap() const { return FCacheBitmap.get(); }
    TBitmap& PrepareCacheBitmap();
    // Hidden or unskinned controls keep no pixels.
    void DropCachedPixels();

    // --- state ---------------------------------------------------------------------------------
    bool PaintSuspended() const { return FPaintSuspended; }
    void SetPaintSuspended(bool value) { FPaintSuspended = value; }
    bool CacheInvalid() const { return FCacheInvalid; }
    void SetCacheInvalid(bool value) { FCacheInvalid = value; }
    bool UsesParentImage() const { return FUsesParentImage; }
    void SetUsesParentImage(bool value) { FUsesParentImage = value; }
    bool UpdateLocked() const { return FUpdateLocked; }
    void SetUpdateLocked(bool value) { FUpdateLocked = value; }
    bool HasFocus() const { return FHasFocus; }
    void SetHasFocus(bool value) { FHasFocus = value; }
    bool MouseInside() const { return FMouseInside; }
    void SetMouseInside(bool value) { FMouseInside = value; }
    // The graphic child repainting itself alone, for a form's skinning component.
    TControl* RepaintingChild() const { return FRepaintingChild; }
    void SetRepaintingChild(TControl* child) { FRepaintingChild = child; }

    // --- operations ----------------------------------------------------------------------------
    // The section's index and its borders mask and pattern indexes in the current skin.
    void ResolveSection();
    // ResolveSection, or with no section named, the default section of the kind.
    void ChooseSection();
    // After construction and after loading: the section is chosen; a skinned control on a parent
    // reports itself to its form, and an edit takes the section's colours unless custom.
    void ApplySkin();
    // The section is valid and the manager and owner are alive (and, when asked, a skin is in force).
    bool IsSkinned(bool checkActive = true) const;
    // Painting must wait: no skin in force, suspended, or the parent's image is not ready.
    bool IsPaintSuspended() const;
    // The control's image uses what lies behind it (true when unsure).
    bool DependsOnParentImage() const;
    // Focused, or the mouse is over a control of a kind with hover; never when disabled.
    bool IsHot() const;
    // What the parent says lies behind the control.
    TParentImageInfo GetParentCacheInfo() const;
    // The image must be rebuilt; the control repaints when it is ready to.
    void Invalidate();
    void SuspendPainting();
    void ResumePainting();

    // --- messages ------------------------------------------------------------------------------
    // Skin commands are handled here entirely (answers go into the result and, for the questions
    // a graphic control answers, into LParam); true means the message is finished and must not
    // reach the control's inherited handling. Platform messages of the binding's table are
    // handled after the control's own handling; only the user-interface state update of a
    // skinned control is finished here.
    bool HandleSkinMessage(TMessage& message);
    // The route of a control that only needs the common handling: skin commands end here, other
    // messages go to `inherited` and then to HandleSkinMessage (unless inherited freed the owner).
    void RouteMessage(TMessage& message, const TWndMethod& inherited);

    // The owner is an edit, or of the kind that keeps its colours like one.
    bool OwnerIsEditLike() const;
    // An edit-like owner takes the section's COLOR and FONTCOLOR, each unless custom.
    void TakeSectionColours();
    // A windowed owner tells its form's skinning component about itself.
    void ReportToForm();
    // Sends a command to the painted control with this binding's manager as second parameter.
    void TellOwner(std::uint16_t code);

    // The remove-skin command of a manager that is going: indexes and manager are forgotten.
    void ForgetIndexes();
    void ForgetManager();

private:
    bool OwnerBusy() const;
    void SectionOrManagerChanged();

    TComponent* FOwnerObject;
    TControl* FOwnerControl;
    int FControlKind;
    std::string FSkinSection;
    std::unique_ptr<TacManagerLink> FSkinManager;
    bool FCustomColor = false;
    bool FCustomFont = false;

    int FSkinSectionIndex = -1;
    int FBordersMaskIndex = -1;
    int FPatternMaskIndex = -1;
    int FHotPatternMaskIndex = -1;
    std::unique_ptr<TBitmap> FCacheBitmap;

    bool FPaintSuspended = false;
    bool FCacheInvalid = true;
    bool FUsesParentImage = true;
    bool FUpdateLocked = false;
    bool FHasFocus = false;
    bool FMouseInside = false;
    TControl* FRepaintingChild = nullptr;
};
