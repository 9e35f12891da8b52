// A reference to a skin manager that becomes none when the manager is destroyed.
#pragma once

#include "framework/TComponent.h"

class TsSkinManager;

// A binding is no component itself; this small one stands in for it in the manager's free
// notifications, so a binding never holds a manager that is gone.
class TacManagerLink : public TComponent {
public:
    TacManagerLink() : TComponent(nullptr) {}
    ~TacManagerLink() override;
    std::string ClassName() const override { return "TacManagerLink"; }

    TsSkinManager* Manager() const { return FManager; }
    void SetManager(TsSkinManager* manager);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TsSkinManager* FManager = nullptr;
};
