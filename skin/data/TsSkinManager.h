// The skin manager component: which skin is in force, where it comes from, its hue and
// saturation, and the broadcast that tells every window of a skin change.
#pragma once

#include "skin/data/TacAnimEffects.h"
#include "skin/data/TacCachedIndexes.h"
#include "skin/data/TacFormRedraw.h"
#include "skin/data/TacMenuSupport.h"
#include "skin/data/TacSkinLister.h"
#include "skin/data/TacSkinningRules.h"
#include "skin/data/TacThirdPartyList.h"
#include "skin/data/TsSkinModel.h"
#include "skin/data/TsStoredSkins.h"

#include "framework/Events.h"
#include "framework/TComponent.h"
#include "platform/window/WinTypes.h"

#include <memory>
#include <string>

class TStrings;
class TacWindowHook;

// The first manager made is the process-wide default manager, used by every control that names
// none; when it goes, there is no default until another manager becomes it.
//
// A skin change runs: load (the skin changing flag set) → apply (the new skin flag set while the
// new-skin command goes out, then a refresh) → active; switching off runs remove (the removing
// skin flag set while the remove-skin command goes out, then the model is freed).
class TsSkinManager : public TComponent {
public:
    static constexpr const char* DefaultSkinDirectory = "Skins";
    static constexpr const char* EngineVersion = "5.53";

    explicit TsSkinManager(TComponent* owner);
    ~TsSkinManager() override;
    std::string ClassName() const override { return "TsSkinManager"; }

    static TsSkinManager* DefaultManager() { return FDefault; }
    bool IsDefault() const { return FDefault == this; }
    // True makes this the default (or false while there is none); it then applies or removes its
    // skin. False while another manager is the default changes nothing.
    void SetIsDefault(bool value);

    // Process-wide, read by the controls and windows while a skin changes.
    static bool SkinChanging() { return FSkinChanging; }
    static bool NewSkin() { return FNewSkin; }
    static bool RemovingSkin() { return FRemovingSkin; }

    // --- the skin in force ---------------------------------------------------------------
    bool Active() const { return FActive; }
    void SetActive(bool value);
    const std::string& SkinName() const { return FSkinName; }
    // Stores the name; while active, loads and applies it (also when it is the same name).
    void SetSkinName(const std::string& name);
    // Absolute, or relative to the program's folder; an empty value takes the default.
    const std::string& SkinDirectory() const { return FSkinDirectory; }
    void SetSkinDirectory(const std::string& directory);
    TsStoredSkins& InternalSkins() { return FInternalSkins; }
    const TsStoredSkins& InternalSkins() const { return FInternalSkins; }
    int HueOffset() const { return FHueOffset; }
    void SetHueOffset(int degrees);
    int Saturation() const { return FSaturation; }
    void SetSaturation(int value);
    // Extra INI sections merged into every skin; setting them reloads the skin.
    const std::string& CommonSections() const { return FCommonSections; }
    void SetCommonSections(std::string_view text);
    // The loaded skin's version ("5.41") while a skin is in force, else "N/A".
    std::string SkinInfo() const;
    std::string Version() const { return EngineVersion; }

    // --- options -------------------------------------------------------------------------
    bool SkinnedPopups() const { return FSkinnedPopups; }
    void SetSkinnedPopups(bool value) { FSkinnedPopups = value; }
    TacSkinningRules SkinningRules() const { return FSkinningRules; }
    void SetSkinningRules(TacSkinningRules rules) { FSkinningRules = rules; }
    TacMenuSupport& MenuSupport() { return FMenuSupport; }
    TacAnimEffects& AnimEffects() { return FAnimEffects; }
    const TacAnimEffects& AnimEffects() const { return FAnimEffects; }
    TacThirdPartyList& ThirdParty() { return FThirdParty; }
    const TacThirdPartyList& ThirdParty() const { return FThirdParty; }

    TNotifyEvent OnBeforeChange; // before a skin named by SkinName is loaded
    TNotifyEvent OnAfterChange;  // after it has been applied
    TacGetExtraLineData OnGetMenuExtraLineData;

    // --- commands ------------------------------------------------------------------------
    // Every window repaints with the current skin.
    void BroadcastRefresh();
    // Fills list with the internal skins' names and, by mode, the skin folders and packed skin
    // files of the skins directory, sorted; first is the first name found.
    void ListSkinNames(TStrings& list, TacSkinListMode mode, std::string& first) const;
    // The skinned window under the mouse (nullptr when none): the previous one is told the mouse
    // left, the new one that it entered.
    void SetHotWindow(HWND window);
    HWND HotWindow() const { return FHotWindow; }
    bool HookInstalled() const { return FWindowHook != nullptr; }

    // --- the skin model and its lookups ----------------------------------------------------
    TsSkinModel& Model() { return FModel; }
    const TsSkinModel& Model() const { return FModel; }
    const TacCachedIndexes& CachedIndexes() const { return FCachedIndexes; }
    int SectionIndex(std::string_view sectionName) const { return FModel.SectionIndex(sectionName); }
    int MaskIndex(int sectionIndex, std::string_view sectionName, std::string_view propertyName) const {
        return FModel.MaskIndex(sectionIndex, sectionName, propertyName);
    }
    int TextureIndex(int sectionIndex, std::string_view sectionName, std::string_view propertyName) const {
        return FModel.TextureIndex(sectionIndex, sectionName, propertyName);
    }
    int PatternIndex(int sectionIndex, std::string_view sectionName, std::string_view propertyName) const {
        return FModel.PatternIndex(sectionIndex, sectionName, propertyName);
    }
    int MaskIndexExact(std::string_view sectionName, std::string_view propertyName) const {
        return FModel.MaskIndexExact(sectionName, propertyName);
    }
    TColor GlobalColor() const { return FModel.GlobalColor(); }
    TColor GlobalFontColor() const { return FModel.GlobalFontColor(); }
    TColor GlobalHotColor() const { return FModel.GlobalHotColor(); }
    // Frame piece widths and state size of the image entry at maskIndex; 0 for no entry.
    int BorderLeft(int maskIndex);
    int BorderTop(int maskIndex) const;
    int BorderRight(int maskIndex) const;
    int BorderBottom(int maskIndex) const;
    TSize MaskCellSize(int maskIndex) const;

protected:
    void Loaded() override;

private:
    // The second parameter of the manager's commands: the manager itself.
    LPARAM AsParam() const;
    bool Loading() const { return ComponentState().Contains(csLoading); }
    bool Designing() const { return ComponentState().Contains(csDesigning); }
    const TsMaskData* Mask(int maskIndex) const;
    // Loads the skin named by SkinName into the model (replacing SkinName by the fallback skin's
    // name); false when there was nothing to load, and the manager is then inactive.
    bool LoadSkin();
    void ChangeSkin();
    void ReloadRecoloured();
    void ApplyNewSkin();
    void RemoveSkin();
    void InstallWindowHook();
    void RemoveWindowHook();

    static TsSkinManager* FDefault;
    static bool FSkinChanging;
    static bool FNewSkin;
    static bool FRemovingSkin;

    bool FActive = true;
    std::string FSkinName;
    std::string FSkinDirectory = DefaultSkinDirectory;
    int FHueOffset = 0;
    int FSaturation = 0;
    std::string FCommonSections;
    TsStoredSkins FInternalSkins;
    bool FSkinnedPopups = true;
    TacSkinningRules FSkinningRules = AllSkinningRules;
    TacMenuSupport FMenuSupport;
    TacAnimEffects FAnimEffects{this};
    TacThirdPartyList FThirdParty;
    TsSkinModel FModel;
    TacCachedIndexes FCachedIndexes;
    TacFormRedraw FRedraw;
    std::unique_ptr<TacWindowHook> FWindowHook;
    HWND FHotWindow = nullptr;
};
