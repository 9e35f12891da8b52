// The error of a board that does not hold exactly 81 cells when a game starts.
#pragma once

#include <cstddef>
#include <stdexcept>

class EElementCount : public std::runtime_error {
public:
    EElementCount() : std::runtime_error("Элементов <>81") {}

    // Throws unless the board has exactly 81 cells.
    static void Check(std::size_t cellCount) {
        if (cellCount != 81) throw EElementCount();
    }
};
