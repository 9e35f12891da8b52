// The smallest and largest size a control may take; 0 means no limit.
#pragma once

#include "framework/Events.h"
#include "framework/TPersistent.h"

class TSizeConstraints : public TPersistent {
public:
    std::string ClassName() const override { return "TSizeConstraints"; }

    int MinWidth() const { return FMinWidth; }
    int MinHeight() const { return FMinHeight; }
    int MaxWidth() const { return FMaxWidth; }
    int MaxHeight() const { return FMaxHeight; }
    // Negative values count as 0; a maximum below the minimum raises the maximum to it.
    void SetMinWidth(int value);
    void SetMinHeight(int value);
    void SetMaxWidth(int value);
    void SetMaxHeight(int value);

    // The size limited to the constraints.
    int ConstrainWidth(int width) const;
    int ConstrainHeight(int height) const;

    void Assign(const TPersistent* source) override;

    // Fired after a limit changed, so the control can fit itself into it.
    TNotifyEvent OnChange;

private:
    void Set(int& field, int value);

    int FMinWidth = 0;
    int FMinHeight = 0;
    int FMaxWidth = 0;
    int FMaxHeight = 0;
};
