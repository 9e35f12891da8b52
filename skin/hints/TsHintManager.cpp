// The hint manager's stored settings.
#include "skin/hints/TsHintManager.h"

#include "framework/TApplication.h"

TsHintManager::TsHintManager(TComponent* owner) : TComponent(owner) {
    SetPauseHide(FPauseHide);
}

void TsHintManager::SetPauseHide(int ms) {
    FPauseHide = ms;
    if (Application) Application->SetHintHidePause(ms);
}

void TsHintManager::SetSkinSection(const std::string& section) {
    FSkinSection = section.empty() ? "HINT" : section;
}
