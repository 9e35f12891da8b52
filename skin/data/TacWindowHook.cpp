// The registered maker of window hooks.
#include "skin/data/TacWindowHook.h"

#include <utility>

TacWindowHook::TFactory TacWindowHook::FFactory;

TacWindowHook::TFactory TacWindowHook::SetFactory(TFactory factory) { return std::exchange(FFactory, std::move(factory)); }

std::unique_ptr<TacWindowHook> TacWindowHook::Create(TsSkinManager& manager) {
    return FFactory ? FFactory(manager) : nullptr;
}
