// The process-wide list of forms that carry a form skinning component, in registration order.
#pragma once

#include <vector>

class TCustomForm;

// Process-wide because the skinning components register themselves whichever manager they use,
// and every manager's broadcast reaches them all. A form is listed once however often it is
// registered.
class TacFormRegistry {
public:
    static void Register(TCustomForm* form);
    static void Unregister(TCustomForm* form);
    static bool Contains(const TCustomForm* form);
    static const std::vector<TCustomForm*>& Forms() { return FForms; }

private:
    static std::vector<TCustomForm*> FForms;
};
