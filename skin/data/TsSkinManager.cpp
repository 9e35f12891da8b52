// The skin manager's stored state and the process-wide default manager.
#include "skin/data/TsSkinManager.h"

TsSkinManager* TsSkinManager::FDefault = nullptr;

TsSkinManager::TsSkinManager(TComponent* owner) : TComponent(owner) {
    if (!FDefault) FDefault = this;
}

TsSkinManager::~TsSkinManager() {
    if (FDefault == this) FDefault = nullptr;
}

void TsSkinManager::SetSkinDirectory(const std::string& directory) {
    FSkinDirectory = directory.empty() ? DefaultSkinDirectory : directory;
}
