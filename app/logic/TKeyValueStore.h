// Where the records table keeps its values: the settings file in the game, memory in tests.
#pragma once

#include <string>

class TKeyValueStore {
public:
    virtual ~TKeyValueStore() = default;

    // The value of the key, or the default when the section or key is missing.
    virtual std::string ReadString(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) = 0;
    // Stores the value at once. A store that cannot write throws (the settings file raises
    // "Unable to write to %s"), so that a lost record never passes for a kept one.
    virtual void WriteString(const std::string& section, const std::string& key, const std::string& value) = 0;
};
