// The binding's properties, section lookup, state queries and what it tells its control.
#include "skin/paint/TsCommonData.h"

#include "skin/paint/ControlKinds.h"
#include "skin/paint/ParentQueries.h"
#include "skin/paint/TacBindingCommands.h"
#include "skin/paint/TacBindingEvents.h"
#include "skin/paint/TacManagerLink.h"

#include "skin/data/SkinBroadcast.h"
#include "skin/data/SkinText.h"
#include "skin/data/TacFormSkinner.h"
#include "skin/data/TsSkinManager.h"

#include "framework/TBitmap.h"
#include "framework/TCustomEdit.h"
#include "framework/TCustomForm.h"
#include "framework/TTabSheet.h"

namespace {

bool Destroying(const TComponent* component) {
    return component && component->ComponentState().Contains(csDestroying);
}

} // namespace

TsCommonData::TsCommonData(TComponent* owner, int controlKind, bool withCache)
    : FOwnerObject(owner), FOwnerControl(dynamic_cast<TControl*>(owner)), FControlKind(controlKind),
      FSkinManager(std::make_unique<TacManagerLink>()) {
    if (withCache) FCacheBitmap = std::make_unique<TBitmap>();
}

TsCommonData::~TsCommonData() = default;

void TsCommonData::Assign(const TPersistent* source) {
    auto* data = dynamic_cast<const TsCommonData*>(source);
    if (!data) return TPersistent::Assign(source);
    SetSkinManager(data->StoredSkinManager());
    SetSkinSection(data->FSkinSection);
    FCustomColor = data->FCustomColor;
    FCustomFont = data->FCustomFont;
}

// --- published ---------------------------------------------------------------------------------

void TsCommonData::SetSkinSection(const std::string& section) {
    const std::string stored = section.empty() ? std::string("UNKNOWN") : UpperCaseAscii(section);
    if (stored == FSkinSection) return;
    FSkinSection = stored;
    TsSkinManager* manager = SkinManager();
    if (manager && !manager->Model().GeneralData.empty()) {
        ResolveSection();
    } else {
        FSkinSectionIndex = -1;
    }
    if (!FOwnerControl) {
        FCacheInvalid = true;
        return;
    }
    SectionOrManagerChanged();
}

TsSkinManager* TsCommonData::SkinManager() const {
    TsSkinManager* manager = FSkinManager->Manager();
    return manager ? manager : TsSkinManager::DefaultManager();
}

TsSkinManager* TsCommonData::StoredSkinManager() const {
    return FSkinManager->Manager();
}

void TsCommonData::SetSkinManager(TsSkinManager* manager) {
    if (manager && manager->IsDefault()) manager = nullptr;
    if (manager == FSkinManager->Manager()) return;
    FSkinManager->SetManager(manager);
    if (FOwnerObject && FOwnerObject->ComponentState().Contains(csLoading)) return;
    TsSkinManager* used = SkinManager();
    if (used && !used->Model().GeneralData.empty()) {
        ResolveSection();
    } else {
        FSkinSectionIndex = -1;
    }
    if (FOwnerControl && FOwnerControl->Parent() && !Destroying(FOwnerControl)) SectionOrManagerChanged();
}

// The control hears whether it now has a section in the skin.
void TsCommonData::SectionOrManagerChanged() {
    const TComponentState state = FOwnerControl->ComponentState();
    if (state.Contains(csLoading) || state.Contains(csReading) || state.Contains(csDestroying)) return;
    if (!FOwnerControl->Parent()) return;
    TellOwner(FSkinSectionIndex >= 0 ? scSetSkin : scRemoveSkin);
}

void TsCommonData::SetCustomColor(bool value) {
    FCustomColor = value;
    if (!OwnerIsEditLike() || FOwnerControl->ComponentState().Contains(csLoading)) return;
    if (!value && IsSkinned()) TakeSectionColours();
    Invalidate();
}

void TsCommonData::SetCustomFont(bool value) {
    FCustomFont = value;
    Invalidate();
}

// --- owner and skin ----------------------------------------------------------------------------

TControl* TsCommonData::PaintedControl() const {
    if (FOwnerControl) return FOwnerControl;
    auto* skinner = dynamic_cast<TacFormSkinner*>(FOwnerObject);
    return skinner ? skinner->SkinnedForm() : nullptr;
}

TsSkinModel* TsCommonData::SkinModel() const {
    TsSkinManager* manager = SkinManager();
    return manager ? &manager->Model() : nullptr;
}

const TsGeneralData* TsCommonData::Section() const {
    const TsSkinModel* skin = SkinModel();
    if (!skin || FSkinSectionIndex < 0 || FSkinSectionIndex >= static_cast<int>(skin->GeneralData.size()))
        return nullptr;
    return &skin->GeneralData[static_cast<std::size_t>(FSkinSectionIndex)];
}

TBitmap& TsCommonData::PrepareCacheBitmap() {
    if (!FCacheBitmap) FCacheBitmap = std::make_unique<TBitmap>();
    if (FCacheBitmap->PixelFormat() != pf24bit) FCacheBitmap->SetPixelFormat(pf24bit);
    if (const TControl* control = PaintedControl()) FCacheBitmap->SetSize(control->Width(), control->Height());
    return *FCacheBitmap;
}

void TsCommonData::DropCachedPixels() {
    if (FCacheBitmap) FCacheBitmap->SetSize(0, 0);
}

// --- operations --------------------------------------------------------------------------------

void TsCommonData::ResolveSection() {
    FCacheInvalid = true;
    TsSkinManager* manager = SkinManager();
    FSkinSectionIndex = manager ? manager->SectionIndex(FSkinSection) : -1;
    if (FSkinSectionIndex < 0) {
        FPatternMaskIndex = -1;
        FHotPatternMaskIndex = -1;
        return;
    }
    FBordersMaskIndex = manager->MaskIndex(FSkinSectionIndex, FSkinSection, "BORDERSMASK");
    FPatternMaskIndex = manager->TextureIndex(FSkinSectionIndex, FSkinSection, "PATTERN");
    FHotPatternMaskIndex = manager->TextureIndex(FSkinSectionIndex, FSkinSection, "HOTPATTERN");
}

void TsCommonData::ChooseSection() {
    if (!FSkinSection.empty()) return ResolveSection();
    std::string section = DefaultSectionOfKind(FControlKind);
    SetSkinSection(section.empty() && FOwnerObject ? FOwnerObject->ClassName() : section);
}

void TsCommonData::ApplySkin() {
    ChooseSection();
    if (!IsSkinned() || !FOwnerControl || !FOwnerControl->Parent()) return;
    if (FOwnerControl->ComponentState().Contains(csLoading)) return;
    ReportToForm();
    TakeSectionColours();
}

bool TsCommonData::IsSkinned(bool checkActive) const {
    if (Destroying(FOwnerObject)) return false;
    TsSkinManager* manager = SkinManager();
    if (!manager || Destroying(manager)) return false;
    if (checkActive && !manager->Model().SkinData.Active) return false;
    return Section() != nullptr;
}

bool TsCommonData::IsPaintSuspended() const {
    TsSkinManager* manager = SkinManager();
    if (!manager || !manager->Model().SkinData.Active) return true;
    if (FPaintSuspended) return true;
    // A form's skinning component has no parent to wait for.
    if (!FOwnerControl) return false;
    TWinControl* parent = FOwnerControl->Parent();
    return !parent || SkinCommandToControl(parent, scMayIPaint, 0) != 0;
}

bool TsCommonData::DependsOnParentImage() const {
    if (FUpdateLocked || !IsSkinned() || !FOwnerControl || dynamic_cast<TTabSheet*>(FOwnerControl)) return true;
    if (FOwnerControl->ControlState().Contains(csCreating) || !FOwnerControl->Visible()) return true;
    const TsGeneralData* section = Section();
    if (!section) return false;
    const bool seeThrough = !FOwnerControl->Enabled() || section->Transparency > 0;
    TWinControl* parent = FOwnerControl->Parent();
    if (seeThrough && parent && parent->HandleAllocated()) return ParentBackgroundIsNotUniform(*FOwnerControl);
    return seeThrough;
}

bool TsCommonData::IsHot() const {
    if (!FOwnerControl || OwnerBusy() || !FOwnerControl->Enabled()) return false;
    if (FHasFocus) return true;
    auto* windowed = dynamic_cast<const TWinControl*>(FOwnerControl);
    if (windowed && windowed->Focused()) return true;
    return FMouseInside && KindHasHover(FControlKind);
}

TParentImageInfo TsCommonData::GetParentCacheInfo() const {
    return FOwnerControl ? AskParentCacheInfo(*FOwnerControl) : TParentImageInfo{};
}

void TsCommonData::Invalidate() {
    TControl* control = PaintedControl();
    if (!FOwnerObject || Destroying(FOwnerObject) || FOwnerObject->ComponentState().Contains(csLoading)) return;
    FCacheInvalid = true;
    if (control && IsReadyToPaint(*control)) control->Invalidate();
}

void TsCommonData::SuspendPainting() {
    FPaintSuspended = true;
    if (TControl* control = PaintedControl()) SkinCommandToControl(control, scBeginUpdate, 0);
}

void TsCommonData::ResumePainting() {
    FPaintSuspended = false;
    if (TControl* control = PaintedControl()) SkinCommandToControl(control, scEndUpdate, 0);
}

// --- messages ----------------------------------------------------------------------------------

bool TsCommonData::HandleSkinMessage(TMessage& message) {
    if (message.Msg == SM_SKINCMD) {
        TacBindingCommands(*this).Handle(message);
        return true;
    }
    return TacBindingEvents(*this).Handle(message);
}

void TsCommonData::RouteMessage(TMessage& message, const TWndMethod& inherited) {
    if (message.Msg == SM_SKINCMD || TacBindingEvents(*this).Swallows(message)) {
        HandleSkinMessage(message);
        return;
    }
    // A handler may free the control (or the form of a form's skinning component), and the
    // binding with it.
    TControl* painted = PaintedControl();
    std::weak_ptr<int> alive = painted ? painted->AliveToken() : std::weak_ptr<int>();
    inherited(message);
    if (painted && alive.expired()) return;
    HandleSkinMessage(message);
}

bool TsCommonData::OwnerIsEditLike() const {
    return FOwnerControl && (dynamic_cast<TCustomEdit*>(FOwnerControl) || FControlKind == ckEditLike);
}

void TsCommonData::TakeSectionColours() {
    const TsGeneralData* section = Section();
    if (!section || !OwnerIsEditLike()) return;
    if (!FCustomColor && FOwnerControl->Color() != section->Color) FOwnerControl->SetColor(section->Color);
    TFont* font = FOwnerControl->Font();
    if (!FCustomFont && font->Color() != section->FontColor[0]) font->SetColor(section->FontColor[0]);
}

void TsCommonData::ReportToForm() {
    auto* windowed = dynamic_cast<TWinControl*>(FOwnerControl);
    if (!windowed) return;
    TCustomForm* form = windowed->GetParentForm();
    if (form && form != windowed && form->HandleAllocated())
        SendSkinCommand(form->Handle(), scSkinnedControl, reinterpret_cast<LPARAM>(FOwnerControl));
}

void TsCommonData::TellOwner(std::uint16_t code) {
    if (TControl* control = PaintedControl())
        SkinCommandToControl(control, code, reinterpret_cast<LPARAM>(SkinManager()));
}

bool TsCommonData::OwnerBusy() const {
    return Destroying(FOwnerControl) || FOwnerControl->ComponentState().Contains(csDesigning);
}

void TsCommonData::ForgetManager() {
    FSkinManager->SetManager(nullptr);
}

void TsCommonData::ForgetIndexes() {
    FSkinSectionIndex = -1;
    FBordersMaskIndex = -1;
    FPatternMaskIndex = -1;
    FHotPatternMaskIndex = -1;
}
