// The skin manager's property setters and the load, apply, refresh and remove sequences.
#include "skin/data/TsSkinManager.h"

#include "skin/data/SkinBroadcast.h"
#include "skin/data/SkinPaths.h"
#include "skin/data/SkinText.h"
#include "skin/data/SkinWarning.h"
#include "skin/data/TacSkinSource.h"
#include "skin/data/TacWindowHook.h"

#include "framework/TApplication.h"
#include "framework/TStrings.h"
#include "platform/controls/DialogCodes.h"

#include <charconv>
#include <utility>

TsSkinManager* TsSkinManager::FDefault = nullptr;
bool TsSkinManager::FSkinChanging = false;
bool TsSkinManager::FNewSkin = false;
bool TsSkinManager::FRemovingSkin = false;

namespace {

// Sets a process-wide flag for a scope and puts its value back afterwards, so that an error on
// the way cannot leave it set and a nested change cannot clear it early.
class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : FFlag(flag), FOld(std::exchange(flag, true)) {}
    ~TFlagScope() { FFlag = FOld; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& FFlag;
    bool FOld;
};

// While a manager loads, a bad archive is reported to the user with a warning message box.
class TWarningBoxScope {
public:
    TWarningBoxScope() {
        FPrevious = SetSkinWarningHandler([this](const std::string& caption, const std::string& text) { Show(caption, text); });
    }
    ~TWarningBoxScope() { SetSkinWarningHandler(FPrevious); }
    TWarningBoxScope(const TWarningBoxScope&) = delete;
    TWarningBoxScope& operator=(const TWarningBoxScope&) = delete;

private:
    void Show(const std::string& caption, const std::string& text) {
        if (Application) {
            Application->MessageBox(text, caption, MB_OK | MB_ICONWARNING);
        } else {
            FPrevious(caption, text);
        }
    }

    TSkinWarningHandler FPrevious;
};

// The sizes of the model's lists: indexes that controls hold stay valid while they are equal.
struct TModelShape {
    std::size_t Sections, Masks, Patterns;
    explicit TModelShape(const TsSkinModel& model)
        : Sections(model.GeneralData.size()), Masks(model.Masks.size()), Patterns(model.Patterns.size()) {}
    friend bool operator==(const TModelShape&, const TModelShape&) = default;
};

} // namespace

TsSkinManager::TsSkinManager(TComponent* owner) : TComponent(owner), FRedraw(*this) {
    if (!FDefault) FDefault = this;
}

TsSkinManager::~TsSkinManager() {
    // Receivers of the remove-skin command can tell that the manager is going.
    Destroying();
    SetActive(false);
    RemoveWindowHook();
    if (FDefault == this) FDefault = nullptr;
    FThirdParty.StoreLists();
}

LPARAM TsSkinManager::AsParam() const { return reinterpret_cast<LPARAM>(this); }

void TsSkinManager::SetIsDefault(bool value) {
    if (value ? IsDefault() : FDefault != nullptr) return;
    // One window hook at a time: it follows the default manager.
    if (FDefault) FDefault->RemoveWindowHook();
    FDefault = this;
    if (FActive) {
        ApplyNewSkin();
        BroadcastRefresh();
    } else {
        RemoveSkin();
    }
}

void TsSkinManager::SetActive(bool value) {
    if (value == FActive) return;
    FActive = value;
    if (value) {
        SetSkinName(FSkinName);
        return;
    }
    if (!Loading()) RemoveSkin();
    FCachedIndexes.Reset();
}

void TsSkinManager::SetSkinName(const std::string& name) {
    FSkinName = name;
    if (FActive) ChangeSkin();
}

void TsSkinManager::SetSkinDirectory(const std::string& directory) {
    std::string value = directory.empty() ? DefaultSkinDirectory : directory;
    if (value == FSkinDirectory) return;
    FSkinDirectory = std::move(value);
    FModel.SkinData.SkinPath = ResolveSkinDirectory(FSkinDirectory);
}

void TsSkinManager::SetHueOffset(int degrees) {
    if (degrees == FHueOffset) return;
    FHueOffset = degrees;
    ReloadRecoloured();
}

void TsSkinManager::SetSaturation(int value) {
    if (value == FSaturation) return;
    FSaturation = value;
    ReloadRecoloured();
}

void TsSkinManager::SetCommonSections(std::string_view text) {
    FCommonSections = PrepareCommonSections(text);
    SetSkinName(FSkinName);
}

std::string TsSkinManager::SkinInfo() const {
    if (!FModel.SkinData.Active) return "N/A";
    char text[32];
    auto [end, error] = std::to_chars(text, text + sizeof text, FModel.SkinData.Version);
    return error == std::errc() ? std::string(text, end) : std::string("N/A");
}

void TsSkinManager::ListSkinNames(TStrings& list, TacSkinListMode mode, std::string& first) const {
    std::vector<std::string> names = TacSkinLister(FInternalSkins, FSkinDirectory).Names(mode, first);
    list.Clear();
    for (const std::string& name : names) list.Add(name);
}

void TsSkinManager::SetHotWindow(HWND window) {
    if (window == FHotWindow) return;
    HWND previous = std::exchange(FHotWindow, window);
    if (previous) SendSkinCommand(previous, scMouseLeft, AsParam());
    if (window) SendSkinCommand(window, scMouseEntered, AsParam());
}

const TsMaskData* TsSkinManager::Mask(int maskIndex) const {
    if (maskIndex < 0 || maskIndex >= static_cast<int>(FModel.Masks.size())) return nullptr;
    return &FModel.Masks[static_cast<std::size_t>(maskIndex)];
}

int TsSkinManager::BorderLeft(int maskIndex) {
    const TsMaskData* mask = Mask(maskIndex);
    return mask ? FModel.Masks[static_cast<std::size_t>(maskIndex)].BorderLeft() : 0;
}

int TsSkinManager::BorderTop(int maskIndex) const {
    const TsMaskData* mask = Mask(maskIndex);
    return mask ? mask->BorderTop() : 0;
}

int TsSkinManager::BorderRight(int maskIndex) const {
    const TsMaskData* mask = Mask(maskIndex);
    return mask ? mask->BorderRight() : 0;
}

int TsSkinManager::BorderBottom(int maskIndex) const {
    const TsMaskData* mask = Mask(maskIndex);
    return mask ? mask->BorderBottom() : 0;
}

TSize TsSkinManager::MaskCellSize(int maskIndex) const {
    const TsMaskData* mask = Mask(maskIndex);
    return mask ? mask->MaskCellSize() : TSize{};
}

void TsSkinManager::Loaded() {
    TComponent::Loaded();
    if (FMenuSupport.IcoLineSkin.empty()) FMenuSupport.IcoLineSkin = TacMenuSupport::DefaultIcoLineSkin;
    FThirdParty.FillLists();
    if (FActive && !FSkinName.empty() && FModel.SkinData.Active) ApplyNewSkin();
}

// --- the sequences -----------------------------------------------------------------------------

bool TsSkinManager::LoadSkin() {
    TacSkinOptions common(FCommonSections);
    TacSkinRequest request{FSkinName, FSkinDirectory, &FInternalSkins, {}};
    request.Settings.CommonSections = common.Empty() ? nullptr : &common;
    request.Settings.HueOffset = FHueOffset;
    request.Settings.Saturation = FSaturation;
    TWarningBoxScope warnings;
    std::optional<std::string> loaded = LoadNamedSkin(FModel, request);
    if (!loaded) {
        FActive = false;
        return false;
    }
    FSkinName = *loaded;
    return true;
}

void TsSkinManager::ChangeSkin() {
    if (OnBeforeChange) OnBeforeChange(this);
    {
        TFlagScope changing(FSkinChanging);
        FModel.SkinData.Active = false;
        if (LoadSkin()) {
            ApplyNewSkin();
        } else {
            RemoveSkin();
            FCachedIndexes.Reset();
        }
    }
    if (OnAfterChange) OnAfterChange(this);
}

// A new hue or saturation reloads the skin from its source, so adjustments never accumulate.
// Controls keep their indexes unless the source now gives another skin (a fallback, a changed
// folder): that is applied as a new skin, so that no control holds an index past a list's end.
void TsSkinManager::ReloadRecoloured() {
    if (!FModel.SkinData.Active) return;
    const std::string name = FSkinName;
    const TModelShape shape(FModel);
    {
        TFlagScope changing(FSkinChanging);
        FModel.SkinData.Active = false;
        if (!LoadSkin()) {
            RemoveSkin();
            FCachedIndexes.Reset();
            return;
        }
        if (FSkinName != name || !(TModelShape(FModel) == shape)) {
            ApplyNewSkin();
            return;
        }
        FModel.SkinData.Active = true;
    }
    if (!Loading() && !ComponentState().Contains(csReading)) BroadcastRefresh();
}

void TsSkinManager::ApplyNewSkin() {
    if (!Designing() && !Loading()) FRedraw.Lock();
    FModel.SkinData.Active = false;
    {
        TFlagScope newSkin(FNewSkin);
        FCachedIndexes.Compute(FModel);
        Broadcast(MakeSkinCommand(scNewSkin, AsParam()));
    }
    FModel.SkinData.Active = true;
    if (IsDefault() && !Designing()) InstallWindowHook();
    BroadcastRefresh();
}

void TsSkinManager::BroadcastRefresh() {
    if (!Designing()) Broadcast(MakeSkinCommand(scStopFading, AsParam()));
    if (!Loading()) FRedraw.Lock();
    Broadcast(MakeSkinCommand(scSetSkin, AsParam()));
    if (!Loading()) FRedraw.Unlock();
}

void TsSkinManager::RemoveSkin() {
    TFlagScope removing(FRemovingSkin);
    RemoveWindowHook();
    FModel.SkinData.Active = false;
    Broadcast(MakeSkinCommand(scRemoveSkin, AsParam()));
    FModel.Clear();
}

void TsSkinManager::InstallWindowHook() {
    if (FWindowHook) return;
    FWindowHook = TacWindowHook::Create(*this);
    if (FWindowHook) FWindowHook->Install();
}

void TsSkinManager::RemoveWindowHook() {
    if (!FWindowHook) return;
    std::unique_ptr<TacWindowHook> hook = std::move(FWindowHook);
    hook->Remove();
}
