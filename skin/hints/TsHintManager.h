// The hint manager component: replaces the framework's plain hint window by drawn hint windows
// (simple, comics, ellipse, balloon) whose look its HintKind holds, sets the application's hint
// pauses, and records where the framework puts each hint.
#pragma once

#include "skin/hints/HintPredefinitions.h"
#include "skin/hints/TacHintPlacement.h"
#include "skin/hints/TsHintKind.h"

#include "framework/TApplication.h"
#include "framework/TComponent.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>


class TsHintManager : public TComponent {
public:
    explicit TsHintManager(TComponent* owner);
    ~TsHintManager() override;
    std::string ClassName() const override { return "TsHintManager"; }

    TsHintKind* HintKind() const { return FHintKind.get(); }
    // Stored only; applied when the component has been loaded (and when UseSkinData goes off).
    TsHintsPredefinitions Predefinitions() const { return FPredefinitions; }
    void SetPredefinitions(TsHintsPredefinitions value) { FPredefinitions = value; }
    bool Animated() const { return FAnimated; }
    void SetAnimated(bool value) { FAnimated = value; }
    TsMousePosition DefaultMousePos() const { return FDefaultMousePos; }
    void SetDefaultMousePos(TsMousePosition value) { FDefaultMousePos = value; }
    bool HTMLMode() const { return FHTMLMode; }
    void SetHTMLMode(bool value) { FHTMLMode = value; }
    // How long a hint stays (ms); the application's hint hide pause follows it.
    int PauseHide() const { return FPauseHide; }
    void SetPauseHide(int ms);
    // An empty name is stored as "HINT".
    const std::string& SkinSection() const { return FSkinSection; }
    void SetSkinSection(const std::string& section);
    bool UseSkinData() const { return FUseSkinData; }
    void SetUseSkinData(bool value);

    // Called before each hint is shown; changing both coordinates of the hint position moves it.
    TShowHintEvent OnShowHint;

    // Sets the HintKind values of a predefinition (shCustom changes nothing).
    void ApplyPredefinitions();

    // The manager whose style is one of the drawn kinds, or nullptr (process-wide: the
    // framework has one hint window class).
    static TsHintManager* ActiveManager() { return FActive; }
    // The position the framework gave the hint being shown, until it is forgotten.
    static const std::optional<TPoint>& RecordedPos() { return FRecordedPos; }
    static void ForgetRecordedPos() { FRecordedPos.reset(); }
    // Whether the platform offers layered windows with per-pixel alpha (looked up once at start;
    // tests switch it off to reach the captured-screen path).
    static bool LayeredWindows() { return FLayeredWindows; }
    static void SetLayeredWindows(bool available) { FLayeredWindows = available; }

protected:
    void Loaded() override;

private:
    void ChooseWindowClass();
    void ShowHint(std::string& hint, bool& canShow, THintInfo& info);

    std::unique_ptr<TsHintKind> FHintKind;
    TsHintsPredefinitions FPredefinitions = shEllipse;
    bool FAnimated = true;
    TsMousePosition FDefaultMousePos = mpLeftTop;
    bool FHTMLMode = false;
    int FPauseHide = 5000;
    std::string FSkinSection = "HINT";
    bool FUseSkinData = false;

    static TsHintManager* FActive;
    static std::optional<TPoint> FRecordedPos;
    static bool FLayeredWindows;
};
