// One zlib inflater reused for every member of an archive, inflating into a buffer of known size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include <zlib.h>

// An archive may hold a great many small members; starting a fresh inflater for each one costs
// more than inflating it, so the state is kept and reset between members.
class TacZlibInflater {
public:
    TacZlibInflater();
    ~TacZlibInflater();
    TacZlibInflater(const TacZlibInflater&) = delete;
    TacZlibInflater& operator=(const TacZlibInflater&) = delete;

    // Inflates the zlib stream at the start of input into out, which must come to exactly
    // out.size() bytes. consumed is the stream's length, Adler-32 trailer included. Returns why
    // the stream is not sound, empty when it is.
    std::string Inflate(std::span<const std::uint8_t> input, std::span<std::uint8_t> out,
                        std::size_t& consumed);

private:
    std::string Run(std::span<std::uint8_t> out);

    z_stream FStream{};
    bool FReady = false;
};
