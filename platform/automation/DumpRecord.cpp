// Fields of a dump record.
#include "platform/automation/DumpRecord.h"

void TDumpRecord::Set(const std::string& key, TDumpValue value) {
    for (auto& f : Fields)
        if (f.first == key) {
            f.second = std::move(value);
            return;
        }
    Fields.emplace_back(key, std::move(value));
}

const TDumpValue* TDumpRecord::Get(const std::string& key) const {
    for (const auto& f : Fields)
        if (f.first == key) return &f.second;
    return nullptr;
}

std::string TDumpRecord::ToText(const TDumpValue& value) {
    if (const auto* s = std::get_if<std::string>(&value)) return *s;
    if (const auto* i = std::get_if<std::int64_t>(&value)) return std::to_string(*i);
    return std::get<bool>(value) ? "true" : "false";
}
