// Inflating one member's zlib stream into exactly its stated size, no more and no less.
#include "skin/data/TacZlibInflater.h"

#include <algorithm>
#include <climits>

TacZlibInflater::TacZlibInflater() {
    FReady = inflateInit(&FStream) == Z_OK;
}

TacZlibInflater::~TacZlibInflater() {
    if (FReady) inflateEnd(&FStream);
}

std::string TacZlibInflater::Inflate(std::span<const std::uint8_t> input, std::span<std::uint8_t> out,
                                     std::size_t& consumed) {
    consumed = 0;
    if (!FReady || inflateReset(&FStream) != Z_OK)
        return "could not be inflated (the inflater did not start)";
    FStream.next_in = const_cast<Bytef*>(input.data());
    FStream.avail_in = static_cast<uInt>(std::min<std::size_t>(input.size(), UINT_MAX));
    std::string error = Run(out);
    consumed = FStream.total_in;
    return error;
}

std::string TacZlibInflater::Run(std::span<std::uint8_t> out) {
    // Room for one byte beyond the stated size, to notice a stream that inflates past it.
    std::uint8_t beyond = 0;
    FStream.next_out = out.data();
    FStream.avail_out = static_cast<uInt>(out.size());
    bool full = out.empty();
    for (;;) {
        if (full) {
            FStream.next_out = &beyond;
            FStream.avail_out = 1;
        }
        int status = inflate(&FStream, Z_NO_FLUSH);
        if (full && FStream.avail_out == 0) return "inflates past its stated size";
        if (status == Z_STREAM_END) {
            return FStream.total_out == out.size() ? std::string()
                                                   : "inflates to fewer bytes than its stated size";
        }
        if (status != Z_OK && status != Z_BUF_ERROR) return "holds a broken zlib stream";
        if (!full && FStream.avail_out == 0) {
            full = true;
        } else if (FStream.avail_in == 0 || status == Z_BUF_ERROR) {
            return "is cut short";
        }
    }
}
