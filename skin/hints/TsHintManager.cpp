// The hint manager.
#include "skin/hints/TsHintManager.h"

#include "skin/hints/TsBalloonHintWindow.h"
#include "skin/hints/TsComicsHintWindow.h"
#include "skin/hints/TsEllipseHintWindow.h"
#include "skin/hints/TsSimplyHintWindow.h"

#include "framework/THintWindow.h"
#include "framework/TScreen.h"

TsHintManager* TsHintManager::FActive = nullptr;
std::optional<TPoint> TsHintManager::FRecordedPos;
bool TsHintManager::FLayeredWindows = true;

namespace {
constexpr int kHintPause = 500;
constexpr int kHintShortPause = 200;

// The manager whose window class the framework uses now: its factories point at it.
TsHintManager* ClassOwner = nullptr;

THintWindowFactory PlainHintWindow() {
    return [](TComponent* owner) { return new THintWindow(owner); };
}
} // namespace

TsHintManager::TsHintManager(TComponent* owner)
    : TComponent(owner), FHintKind(std::make_unique<TsHintKind>([this] { ChooseWindowClass(); })) {
    if (Application) {
        Application->SetHintPause(kHintPause);
        Application->SetHintShortPause(kHintShortPause);
        if (!ComponentState().Contains(csDesigning))
            Application->OnShowHint = [this](std::string& hint, bool& canShow, THintInfo& info) {
                ShowHint(hint, canShow, info);
            };
    }
    ChooseWindowClass();
}

TsHintManager::~TsHintManager() {
    if (FActive == this) FActive = nullptr;
    if (ClassOwner == this) {
        ClassOwner = nullptr;
        if (Application) {
            Application->SetHintWindowClass(PlainHintWindow());
            Application->OnShowHint = nullptr;
        }
    }
}

void TsHintManager::Loaded() {
    TComponent::Loaded();
    if (Application) Application->SetHintHidePause(FPauseHide);
    SetSkinSection(FSkinSection);
    ChooseWindowClass();
    if (!ComponentState().Contains(csDesigning)) ApplyPredefinitions();
}

void TsHintManager::SetPauseHide(int ms) {
    if (ms == FPauseHide) return;
    FPauseHide = ms;
    if (Application) Application->SetHintHidePause(ms);
}

void TsHintManager::SetSkinSection(const std::string& section) {
    FSkinSection = section.empty() ? "HINT" : section;
}

void TsHintManager::SetUseSkinData(bool value) {
    FUseSkinData = value;
    if (value || ComponentState().Contains(csDesigning)) return;
    ChooseWindowClass();
    ApplyPredefinitions();
}

void TsHintManager::ApplyPredefinitions() {
    ApplyHintPredefinition(*FHintKind, FPredefinitions, Screen ? Screen->HintFont() : nullptr);
}

// hsNone keeps a drawn class but no active manager: the windows then show nothing.
void TsHintManager::ChooseWindowClass() {
    THintWindowFactory factory;
    switch (FHintKind->Style()) {
    case hsSimply: factory = [this](TComponent* owner) { return new TsSimplyHintWindow(owner, this); }; break;
    case hsComics: factory = [this](TComponent* owner) { return new TsComicsHintWindow(owner, this); }; break;
    case hsEllipse: factory = [this](TComponent* owner) { return new TsEllipseHintWindow(owner, this); }; break;
    case hsBalloon: factory = [this](TComponent* owner) { return new TsBalloonHintWindow(owner, this); }; break;
    case hsStandard: factory = PlainHintWindow(); break;
    case hsNone: factory = [this](TComponent* owner) { return new TsSimplyHintWindow(owner, this); }; break;
    }
    const bool drawn = FHintKind->Style() != hsStandard && FHintKind->Style() != hsNone;
    if (drawn)
        FActive = this;
    else if (FActive == this)
        FActive = nullptr;
    ClassOwner = this;
    if (Application) Application->SetHintWindowClass(std::move(factory));
}

void TsHintManager::ShowHint(std::string& hint, bool& canShow, THintInfo& info) {
    FRecordedPos = info.HintPos;
    if (!OnShowHint) return;
    const TPoint before = info.HintPos;
    OnShowHint(hint, canShow, info);
    if (info.HintPos.X != before.X && info.HintPos.Y != before.Y) FRecordedPos = info.HintPos;
}
