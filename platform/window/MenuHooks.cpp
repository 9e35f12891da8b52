// The menu module's hooks into the default window procedure.
#include "platform/window/MenuHooks.h"

// Process-wide like the desktop's one menu module; set once by the controls library at start.
static TMenuHooks& Hooks() {
    static TMenuHooks hooks;
    return hooks;
}

void SetMenuHooks(TMenuHooks hooks) {
    Hooks() = std::move(hooks);
}

const TMenuHooks& GetMenuHooks() {
    return Hooks();
}
