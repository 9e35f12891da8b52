// The fontconfig configuration fonts are matched in: the system's, plus the program's own
// substitutions for the families it asks for.
#pragma once

#include <fontconfig/fontconfig.h>

class FontConfiguration {
public:
    // fontconfig's current configuration, with our substitutions added to it the first time it
    // is used. A family we state is answered by the family the install step provides (Liberation,
    // then DejaVu) even where fontconfig's own aliases rank another installed family first, so
    // that a machine with more fonts draws with the same faces as every other; a family we do
    // not state, or whose stand-ins are missing, is matched as fontconfig would.
    static FcConfig* Current();
};
