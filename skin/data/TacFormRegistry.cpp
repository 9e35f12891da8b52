// Registering and unregistering skinned forms.
#include "skin/data/TacFormRegistry.h"

#include <algorithm>

std::vector<TCustomForm*> TacFormRegistry::FForms;

void TacFormRegistry::Register(TCustomForm* form) {
    if (form && !Contains(form)) FForms.push_back(form);
}

void TacFormRegistry::Unregister(TCustomForm* form) {
    FForms.erase(std::remove(FForms.begin(), FForms.end(), form), FForms.end());
}

bool TacFormRegistry::Contains(const TCustomForm* form) {
    return std::find(FForms.begin(), FForms.end(), form) != FForms.end();
}
