// The keys every skin section is read with: kind, default and the field each one fills.
#pragma once

#include "skin/data/TsGeneralData.h"

#include <span>
#include <string>

enum TacKeyKind {
    kkInt,     // integer with inheritance; -1 or a non-number counts as not given
    kkRawInt,  // integer from the section itself only
    kkText,    // text with inheritance; "?" counts as not given
    kkRawText, // text from the section itself only
    kkBool,    // text with inheritance, true when it is "TRUE" in any letter case
};

// Text and boolean keys default to an empty text (false).
struct TacSectionKey {
    const char* Key;
    TacKeyKind Kind;
    int IntDefault;
    void (*SetInt)(TsGeneralData&, int);
    void (*SetText)(TsGeneralData&, const std::string&);
};

std::span<const TacSectionKey> SectionKeys();

// Stores a value for the key: integers through SetInt (COLOR resolved from a system colour code,
// bevels outside the known styles read as none), texts and booleans through SetText.
void AssignInt(const TacSectionKey& key, TsGeneralData& data, int value);
void AssignText(const TacSectionKey& key, TsGeneralData& data, const std::string& value);
