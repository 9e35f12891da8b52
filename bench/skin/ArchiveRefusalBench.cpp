// Memory taken to refuse an archive whose members declare more than the unpacked-size cap: twenty
// members of 64 MiB of zeros in a file of 1.3 MB, and members a little smaller, of which two fit
// under the cap before the third is refused (the most a refusal can take).
#include "bench/skin/THeapCounter.h"
#include "skin/data/TacSkinConvertor.h"
#include "tests/skin/data/SkinTestKit.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

constexpr double MiB = 1024.0 * 1024.0;

std::vector<std::uint8_t> TwentyMembersOfZeros(std::int32_t memberSize) {
    const std::vector<std::uint8_t> zeros = ZerosStream(static_cast<std::size_t>(memberSize));
    TRawArchive archive;
    archive.Magic().Int32(20);
    for (int i = 0; i < 20; ++i) archive.Member("zeros" + std::to_string(i % 10) + ".bmp", memberSize, zeros);
    return archive.Bytes();
}

double PeakResidentMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024.0 / MiB;
}

void BM_RefuseArchivePastTheCap(benchmark::State& state) {
    const std::vector<std::uint8_t> archive = TwentyMembersOfZeros(static_cast<std::int32_t>(state.range(0)));
    TWarningRecorder quiet;
    const double residentBefore = PeakResidentMiB();
    std::size_t peak = 0;
    bool refused = true;
    for (auto _ : state) {
        THeapCounter::ResetPeak();
        const std::size_t before = THeapCounter::Live();
        TacSkinConvertor convertor;
        convertor.BorrowSource(archive);
        refused = !convertor.ReadPackedData() && convertor.Members().empty() && refused;
        peak = std::max(peak, THeapCounter::Peak() - before);
    }
    if (!refused) state.SkipWithError("the archive was not refused");
    if (peak > TacSkinConvertor::MaxUnpackedSize)
        state.SkipWithError("refusing took more memory than the cap");
    state.counters["archive_MiB"] = static_cast<double>(archive.size()) / MiB;
    state.counters["cap_MiB"] = static_cast<double>(TacSkinConvertor::MaxUnpackedSize) / MiB;
    state.counters["peak_heap_MiB"] = static_cast<double>(peak) / MiB;
    // The process's peak resident size, which also counts zlib's own memory.
    state.counters["resident_before_MiB"] = residentBefore;
    state.counters["peak_resident_MiB"] = PeakResidentMiB();
}
BENCHMARK(BM_RefuseArchivePastTheCap)
    ->Arg(TacSkinConvertor::MaxMemberSize)
    // Two of these, named "zerosN.bmp", come to within a few bytes of the cap.
    ->Arg(LargestMemberOfTwo(10))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace
