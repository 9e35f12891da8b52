// The hint manager component: the look of the program's hints. It stores the hint kind; hints
// show in the framework's plain window.
#pragma once

#include "framework/TComponent.h"

#include <string>

enum TsHintStyle { hsSimply, hsComics, hsEllipse, hsBalloon, hsStandard, hsNone };
enum TsHintsPredefinitions {
    shSimply,
    shGradient,
    shTransparent,
    shEllipse,
    shBalloon,
    shComicsGradient,
    shComicsTransparent,
    shStandard,
    shNone,
    shCustom,
};
enum TsMousePosition { mpLeftTop, mpLeftBottom, mpRightTop, mpRightBottom };

class TsHintManager : public TComponent {
public:
    explicit TsHintManager(TComponent* owner);
    std::string ClassName() const override { return "TsHintManager"; }

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
    void SetUseSkinData(bool value) { FUseSkinData = value; }

private:
    TsHintsPredefinitions FPredefinitions = shEllipse;
    bool FAnimated = true;
    TsMousePosition FDefaultMousePos = mpLeftTop;
    bool FHTMLMode = false;
    int FPauseHide = 5000;
    std::string FSkinSection = "HINT";
    bool FUseSkinData = false;
};
