// Record values split at their first "#".
#include "app/logic/SplitRecord.h"

#include "app/logic/TrimText.h"

TRecordParts SplitRecord(std::string_view value) {
    const std::size_t hash = value.find('#');
    if (hash == std::string_view::npos) return {std::string(), std::string(TrimText(value))};
    return {std::string(value.substr(0, hash)), std::string(TrimText(value.substr(hash + 1)))};
}
