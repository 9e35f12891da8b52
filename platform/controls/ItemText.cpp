// Case-blind comparison of item texts.
#include "platform/controls/ItemText.h"

#include "platform/system/LetterCase.h"

int ItemText::Compare(std::string_view a, std::string_view b) {
    return CompareIgnoreCase(a, b);
}

bool ItemText::StartsWith(std::string_view text, std::string_view prefix) {
    return StartsWithIgnoreCase(text, prefix);
}
