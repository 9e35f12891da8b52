// The error of a stored record whose time is not an integer (a hand-edited settings file).
#pragma once

#include <stdexcept>
#include <string>

class ERecordTimeError : public std::runtime_error {
public:
    explicit ERecordTimeError(const std::string& timeText)
        : std::runtime_error("'" + timeText + "' is not a valid integer value") {}
};
