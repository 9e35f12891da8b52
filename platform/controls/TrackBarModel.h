// A track bar's values: range, position, line and page sizes, tick positions and selection range.
#pragma once

#include "platform/window/WinTypes.h"

#include <vector>

class TrackBarModel {
public:
    // Automatic ticks beyond this many are thinned out (the frequency is raised), so that a huge
    // range with a small frequency cannot exhaust memory; a bar shows no more than that anyway.
    static constexpr int kMaxAutoTicks = 1000;

    int Min() const { return FMin; }
    int Max() const { return FMax; }
    int Pos() const { return FPos; }
    // A maximum below the minimum is raised to it; the position and selection stay inside.
    void SetRange(int min, int max);
    void SetMin(int min) { SetRange(min, FMax); }
    void SetMax(int max) { SetRange(FMin, max); }
    // Returns true when the position changed.
    bool SetPos(int pos);
    int Clamp(int pos) const { return pos < FMin ? FMin : (pos > FMax ? FMax : pos); }

    int LineSize() const { return FLineSize; }
    int PageSize() const { return FPageSize; }
    // Each returns the previous size. Until a page size is set it follows the range (a fifth).
    int SetLineSize(int size);
    int SetPageSize(int size);

    // Ticks between the ends, in ascending order (the ends always have one).
    const std::vector<DWORD>& Tics() const { return FTics; }
    void SetAutoTicks(bool on);
    void SetTicFreq(int freq);
    // Adds a tick at a value strictly inside the range; false otherwise.
    bool AddTic(int pos);
    void ClearTics() { FTics.clear(); }

    int SelStart() const { return FSelStart; }
    int SelEnd() const { return FSelEnd; }
    // The channel shows the selection while its end lies past its start.
    void SetSel(int start, int end);
    void SetSelStart(int start) { SetSel(start, FSelEnd); }
    void SetSelEnd(int end) { SetSel(FSelStart, end); }
    void ClearSel() { FSelStart = FSelEnd = 0; FHasSel = false; }
    bool HasSel() const { return FHasSel && FSelEnd > FSelStart; }

private:
    void MakeAutoTics();

    int FMin = 0;
    int FMax = 100;
    int FPos = 0;
    int FLineSize = 1;
    int FPageSize = 20;
    bool FPageSizeSet = false;
    bool FAutoTicks = false;
    int FTicFreq = 1;
    std::vector<DWORD> FTics;
    int FSelStart = 0;
    int FSelEnd = 0;
    bool FHasSel = false;
};
