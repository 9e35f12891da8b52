// A script line that cannot run or whose check fails; the runner reports it with the line number.
#pragma once

#include <stdexcept>

class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
