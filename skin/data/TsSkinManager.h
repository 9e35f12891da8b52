// The skin manager component: which skin, from where, whether it is in force, and its hue and
// saturation. Today it stores these values; loading and applying skins come with the skin engine.
#pragma once

#include "framework/TComponent.h"
#include "skin/data/TsSkinModel.h"
#include "skin/data/TsStoredSkins.h"

#include <string>

// The first manager made is the process-wide default manager, used by every control that names
// none; when it goes, there is no default until another manager is made.
class TsSkinManager : public TComponent {
public:
    static constexpr const char* DefaultSkinDirectory = "Skins";

    explicit TsSkinManager(TComponent* owner);
    ~TsSkinManager() override;
    std::string ClassName() const override { return "TsSkinManager"; }

    static TsSkinManager* DefaultManager() { return FDefault; }
    bool IsDefault() const { return FDefault == this; }

    bool Active() const { return FActive; }
    void SetActive(bool value) { FActive = value; }
    const std::string& SkinName() const { return FSkinName; }
    void SetSkinName(const std::string& name) { FSkinName = name; }
    // Absolute, or relative to the program's folder; an empty value takes the default.
    const std::string& SkinDirectory() const { return FSkinDirectory; }
    void SetSkinDirectory(const std::string& directory);
    int HueOffset() const { return FHueOffset; }
    void SetHueOffset(int degrees) { FHueOffset = degrees; }
    int Saturation() const { return FSaturation; }
    void SetSaturation(int value) { FSaturation = value; }
    TsStoredSkins& InternalSkins() { return FInternalSkins; }
    const TsStoredSkins& InternalSkins() const { return FInternalSkins; }
    TsSkinModel& Model() { return FModel; }
    const TsSkinModel& Model() const { return FModel; }
    // The loaded skin's version while a skin is in force; none is loaded yet.
    std::string SkinInfo() const { return "N/A"; }

private:
    static TsSkinManager* FDefault;

    bool FActive = true;
    std::string FSkinName;
    std::string FSkinDirectory = DefaultSkinDirectory;
    int FHueOffset = 0;
    int FSaturation = 0;
    TsStoredSkins FInternalSkins;
    TsSkinModel FModel;
};
