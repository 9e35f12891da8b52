// libFuzzer entry for the hint markup layout: any text is laid out on a small canvas.
// The platform keeps every font it was asked for until the program ends (its fonts are shared by
// pointer), so the face names in the input are folded onto three families: an endless stream of
// new names would otherwise be measured as growth of that table, not of the layout.
#include "skin/hints/TsHtml.h"

#include "framework/TCanvas.h"

#include <cctype>
#include <cstdint>
#include <string>

namespace {
std::string FoldFaceNames(std::string text) {
    static const char* const kFamilies[] = {"Tahoma", "Courier New", "Times New Roman"};
    std::string upper = text;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (std::size_t at = upper.find("FACE"); at != std::string::npos; at = upper.find("FACE", at + 1)) {
        const std::size_t open = text.find('"', at);
        const std::size_t close = open == std::string::npos ? open : text.find('"', open + 1);
        if (close == std::string::npos || close == open + 1) continue;
        const std::string family = kFamilies[(close - open) % 3];
        text.replace(open + 1, close - open - 1, family);
        upper.replace(open + 1, close - open - 1, family);
    }
    return text;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TBitmap* bitmap = new TBitmap(64, 32);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Font()->SetName("Tahoma");
    canvas->Font()->SetSize(8);
    canvas->Font()->SetStyle({});
    canvas->Font()->SetColor(clBlack);
    canvas->Brush()->SetStyle(bsClear);
    TsHtml html;
    html.Prepare(bitmap, FoldFaceNames(std::string(reinterpret_cast<const char*>(data), size)), {0, 0, 240, 0});
    const TRect used = html.Render();
    if (used.Right < 0 || used.Bottom < 0) __builtin_trap(); // a pen never moves left of its start
    return 0;
}
