// Writing the recovery file of a 1 MiB text: the header and the text into a new file beside the
// old one, synced and renamed over it, as the editor does 2 seconds after typing stops.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <string>

#include "core/RecoveryFolder.h"

namespace {

using venkora::RecoveryFile;
using venkora::RecoveryFolder;

void BM_WriteRecoveryFile(benchmark::State& state) {
    char folderName[] = "/tmp/venkora-recovery-bench-XXXXXX";
    if (!mkdtemp(folderName)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const RecoveryFolder folder(folderName);
    RecoveryFile file;
    file.path = "/home/anna/Briefe/brief.txt";
    file.process = venkora::ProcessIdentity::Current();
    const std::string line = "Der Kassenstand beträgt 1.284,50 € – geprüft und für richtig befunden.\n";
    while (file.text.size() + line.size() <= 0xFFFFF) file.text += line;
    for (auto _ : state) {
        if (folder.Write(file)) state.SkipWithError("not written");
    }
    folder.RemoveOwn();
    rmdir(folderName);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file.text.size()));
}
BENCHMARK(BM_WriteRecoveryFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
