// Forms, metrics and the active form of the screen.
#include "framework/TScreen.h"

#include "framework/Exception.h"
#include "framework/Format.h"
#include "framework/TCustomForm.h"

#include "platform/window/Win.h"

#include <algorithm>

TScreen* Screen = nullptr;

TScreen::TScreen(TComponent* owner)
    : TComponent(owner), FDefaultFont(std::make_unique<TFont>()), FHintFont(std::make_unique<TFont>()) {
    NONCLIENTMETRICS metrics;
    if (!SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return;
    FHintFont->SetName(metrics.lfStatusFont.FaceName);
    FHintFont->SetHeight(metrics.lfStatusFont.Height);
}

TScreen::~TScreen() = default;

TCustomForm* TScreen::Forms(int index) const {
    if (index < 0 || index >= FormCount()) throw EListError(Format("List index out of bounds (%d)", {index}));
    return FForms[static_cast<size_t>(index)];
}

int TScreen::Width() const {
    return GetSystemMetrics(SM_CXSCREEN);
}

int TScreen::Height() const {
    return GetSystemMetrics(SM_CYSCREEN);
}

TRect TScreen::WorkAreaRect() const {
    TRect r{0, 0, Width(), Height()};
    SystemParametersInfo(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}

void TScreen::SetCursor(TCursor cursor) {
    FCursor = cursor;
    if (cursor != crDefault) ::SetCursor(LoadCursor(nullptr, CursorToIdc(cursor)));
}

void TScreen::AddForm(TCustomForm* form) {
    if (std::find(FForms.begin(), FForms.end(), form) == FForms.end()) FForms.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
    FForms.erase(std::remove(FForms.begin(), FForms.end(), form), FForms.end());
    if (FActiveForm != form) return;
    FActiveForm = nullptr;
    FActiveControl = nullptr;
}
