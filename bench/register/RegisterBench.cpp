// The pact file and the lookups by turn, against the plainest work of the same size.
//
// The file: 1,000 owners x 50 races x 4 periods = 200,000 pact lines. Load is compared with
// reading the same file line by line with std::getline; Save with writing the same bytes through
// one buffered std::ofstream. Save syncs its temporary file before renaming it, so it is also
// shown with the sync left out, and the plain write with a sync added.
//
// The plug-in loads its file once, at its start, in a process whose memory is all new: each of
// the register's pages costs a page fault, which in a virtual machine is dear. So Load is timed
// in a new process each time, beside getline in a new process, and in this process, where
// the memory of one register is used again by the next and only reading, parsing and building
// are timed, beside getline in this process.
//
// Extra modes, for measuring outside the benchmark loop:
//   bench_register --write-file=PATH   writes the generated pact file to PATH
//   bench_register --load-peak=PATH    loads PATH once and prints the peak resident size
//   bench_register --once=load|getline PATH
//                                      does one load or plain read of PATH and prints its
//                                      time in nanoseconds (what the new-process runs use)
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "allyledger/register/AtomicFile.h"
#include "allyledger/register/PactRegister.h"

namespace {

constexpr int kOwners = 1000;
constexpr int kRaces = 50;
constexpr int kPeriods = 4;

void FillRegister(CPactRegister& reg)
{
    const char* conditions[] = {"", "N/T", "A/B/C", "T"};
    char owner[64];
    char race[32];
    for (int o = 0; o < kOwners; ++o) {
        std::snprintf(owner, sizeof owner, "Game%04d/Race%04d", o / 4, o);
        for (int r = 0; r < kRaces; ++r) {
            std::snprintf(race, sizeof race, "Race%04d", r * 37 % 1000);
            for (int p = 0; p < kPeriods; ++p)
                reg.AddPact(owner, race, 10 + p * 30 + r, 30 + p * 30 + r, conditions[(o + r + p) % 4]);
        }
    }
}

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A folder with the generated pact file, made once per run and removed at exit.
struct Fixture {
    std::string folder;
    std::string pactFile;
    std::string bytes;
    CPactRegister loaded;

    Fixture()
    {
        char pattern[] = "/tmp/pactbench.XXXXXX";
        if (!mkdtemp(pattern))
            std::abort();
        folder = pattern;
        pactFile = folder + "/Allyledger.ini";
        {
            CPactRegister filled;
            FillRegister(filled);
            filled.Save(pactFile.c_str());
        }
        // Saved as the plug-in saves it: a register read from its file, then changed.
        loaded.Load(pactFile.c_str());
        bytes = ReadAll(pactFile);
    }
    ~Fixture() { std::system(("rm -rf " + folder).c_str()); }
    std::string Out(const char* name) const { return folder + "/" + name; }
};

Fixture& Data()
{
    static Fixture fixture;
    return fixture;
}

void SetFileCounters(benchmark::State& state)
{
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(Data().bytes.size()));
    state.counters["lines"] = double(kOwners * (kRaces * kPeriods + 2));
}

size_t PlainGetline(const char* path)
{
    std::ifstream in(path);
    std::string line;
    size_t lines = 0;
    while (std::getline(in, line))
        ++lines;
    return lines;
}

void BM_PlainGetline(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(PlainGetline(Data().pactFile.c_str()));
    SetFileCounters(state);
}
BENCHMARK(BM_PlainGetline)->Unit(benchmark::kMillisecond);

// Loads in this process, one fresh register after another: the memory of each destroyed
// register is used again by the next, so only reading, parsing and building are timed. The
// allocator is told to keep what is freed, which it would otherwise give back to the system
// now and then, so that each load is timed alike. Destroying a register frees a great many
// small blocks, which the allocator sorts out lazily, at its next large allocation; a large
// allocation makes that happen while the timing is paused.
void BM_Load(benchmark::State& state)
{
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    for (auto _ : state) {
        auto reg = std::make_unique<CPactRegister>();
        reg->Load(Data().pactFile.c_str());
        benchmark::DoNotOptimize(reg.get());
        state.PauseTiming();
        reg.reset();
        void* large = std::malloc(64 * 1024);
        benchmark::DoNotOptimize(large);
        std::free(large);
        state.ResumeTiming();
    }
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024);
    malloc_trim(0);
    SetFileCounters(state);
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

// Runs this program again with --once=what on the pact file and returns the time it prints.
double SecondsInNewProcess(const char* what)
{
    int out[2];
    if (::pipe(out) != 0)
        std::abort();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::string once = std::string("--once=") + what;
    char* argv[] = {const_cast<char*>("bench_register"), once.data(), Data().pactFile.data(), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, "/proc/self/exe", &actions, nullptr, argv, environ) != 0)
        std::abort();
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    char text[64] = {};
    const ssize_t got = ::read(out[0], text, sizeof text - 1);
    ::close(out[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::abort();
    return std::strtod(text, nullptr) * 1e-9;
}

void InNewProcess(benchmark::State& state, const char* what)
{
    for (auto _ : state)
        state.SetIterationTime(SecondsInNewProcess(what));
    SetFileCounters(state);
}

void BM_PlainGetlineInNewProcess(benchmark::State& state) { InNewProcess(state, "getline"); }
BENCHMARK(BM_PlainGetlineInNewProcess)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);
void BM_LoadInNewProcess(benchmark::State& state) { InNewProcess(state, "load"); }
BENCHMARK(BM_LoadInNewProcess)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

void BM_PlainOfstream(benchmark::State& state)
{
    const std::string path = Data().Out("plain.ini");
    for (auto _ : state) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(Data().bytes.data(), std::streamsize(Data().bytes.size()));
    }
    SetFileCounters(state);
}
BENCHMARK(BM_PlainOfstream)->Unit(benchmark::kMillisecond);

void BM_PlainOfstreamThenSync(benchmark::State& state)
{
    const std::string path = Data().Out("plain.ini");
    for (auto _ : state) {
        {
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out.write(Data().bytes.data(), std::streamsize(Data().bytes.size()));
        }
        const int fd = ::open(path.c_str(), O_WRONLY);
        ::fsync(fd);
        ::close(fd);
    }
    SetFileCounters(state);
}
BENCHMARK(BM_PlainOfstreamThenSync)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State& state)
{
    const std::string path = Data().Out("saved.ini");
    for (auto _ : state)
        Data().loaded.Save(path.c_str());
    SetFileCounters(state);
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

class UnsyncedFileSystem : public allyledger::pacts::FileSystem {
public:
    int Sync(int) override { return 0; }
};

void BM_SaveWithoutSync(benchmark::State& state)
{
    const std::string path = Data().Out("saved.ini");
    UnsyncedFileSystem fileSystem;
    for (auto _ : state)
        Data().loaded.Save(path.c_str(), fileSystem);
    SetFileCounters(state);
}
BENCHMARK(BM_SaveWithoutSync)->Unit(benchmark::kMillisecond);

// A race with the given number of periods, with a turn between each two so that none is
// adjacent. The turns asked about are spread over the whole history at random, the worst case
// for the processor's caches and branch prediction; or they are one turn, as when the race
// table asks about every race at the current turn.
//
// The plug-in asks through the register (owner key and race looked up first), so the register's
// GetExpiry is the lookup that counts. The bare CPact::GetExpiry and a plain std::lower_bound
// over one array of as many turns are shown beside it: with random turns, a search of 100,000
// periods waits for memory at most of its last steps, and the plain search shows how much of
// that no code over sorted arrays can avoid.
constexpr DWORD kTurnsPerPeriod = 3;

void FillPact(CPact& pact, DWORD periods)
{
    for (DWORD k = 0; k < periods; ++k)
        pact.Insert(kTurnsPerPeriod * k + 1, kTurnsPerPeriod * k + 2, "N");
}

std::vector<DWORD> RandomTurns(DWORD periods)
{
    std::mt19937 random(7);
    std::vector<DWORD> turns(4096);
    for (DWORD& turn : turns)
        turn = random() % (kTurnsPerPeriod * periods + kTurnsPerPeriod);
    return turns;
}

// The same turn every time, or the next of the random ones.
class Turns {
public:
    Turns(const benchmark::State& state, bool random)
        : m_turns(random ? RandomTurns(DWORD(state.range(0))) : std::vector<DWORD>(1, kTurnsPerPeriod * DWORD(state.range(0)) / 2 + 1))
    {
    }
    DWORD Next()
    {
        const DWORD turn = m_turns[m_next];
        m_next = (m_next + 1) & (m_turns.size() - 1);
        return turn;
    }

private:
    std::vector<DWORD> m_turns;
    size_t m_next = 0;
};

void RegisterGetExpiry(benchmark::State& state, bool random)
{
    CPactRegister reg;
    FillRegister(reg);
    const DWORD periods = DWORD(state.range(0));
    for (DWORD k = 0; k < periods; ++k)
        reg.AddPact("Game0100/Race0400", "Krell", int(kTurnsPerPeriod * k + 1), int(kTurnsPerPeriod * k + 2), "N");
    Turns turns(state, random);
    for (auto _ : state)
        benchmark::DoNotOptimize(reg.GetExpiry("Game0100/Race0400", "Krell", int(turns.Next())));
}

void BM_RegisterGetExpiryRandomTurns(benchmark::State& state) { RegisterGetExpiry(state, true); }
BENCHMARK(BM_RegisterGetExpiryRandomTurns)->Arg(10)->Arg(100000);
void BM_RegisterGetExpiryOneTurn(benchmark::State& state) { RegisterGetExpiry(state, false); }
BENCHMARK(BM_RegisterGetExpiryOneTurn)->Arg(10)->Arg(100000);

void PactGetExpiry(benchmark::State& state, bool random)
{
    CPact pact;
    FillPact(pact, DWORD(state.range(0)));
    Turns turns(state, random);
    for (auto _ : state)
        benchmark::DoNotOptimize(pact.GetExpiry(turns.Next()));
}

void BM_PactGetExpiryRandomTurns(benchmark::State& state) { PactGetExpiry(state, true); }
BENCHMARK(BM_PactGetExpiryRandomTurns)->Arg(10)->Arg(100000);
void BM_PactGetExpiryOneTurn(benchmark::State& state) { PactGetExpiry(state, false); }
BENCHMARK(BM_PactGetExpiryOneTurn)->Arg(10)->Arg(100000);

void BM_PlainLowerBoundRandomTurns(benchmark::State& state)
{
    std::vector<DWORD> tills(size_t(state.range(0)));
    for (size_t k = 0; k < tills.size(); ++k)
        tills[k] = kTurnsPerPeriod * DWORD(k) + 2;
    Turns turns(state, true);
    for (auto _ : state)
        benchmark::DoNotOptimize(std::lower_bound(tills.begin(), tills.end(), turns.Next()));
}
BENCHMARK(BM_PlainLowerBoundRandomTurns)->Arg(10)->Arg(100000);

long PeakResidentKiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double MillisecondsSince(const std::chrono::steady_clock::time_point& start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// One load in a fresh process, as the plug-in does it at start: the register's memory is new
// to the process, so its page faults count. The same file read by getline is timed after it.
int LoadPeak(const char* path)
{
    const long before = PeakResidentKiB();
    auto start = std::chrono::steady_clock::now();
    CPactRegister reg;
    reg.Load(path);
    const double loadMs = MillisecondsSince(start);
    const long after = PeakResidentKiB();

    start = std::chrono::steady_clock::now();
    std::ifstream in(path);
    std::string line;
    size_t lines = 0;
    while (std::getline(in, line))
        ++lines;
    const double getlineMs = MillisecondsSince(start);

    std::printf("owners %d, lines %zu: load %.1f ms, getline %.1f ms; peak resident before load %ld KiB, "
                "after %ld KiB, growth %ld KiB\n",
                reg.GetOwners().GetCount(), lines, loadMs, getlineMs, before, after, after - before);
    return 0;
}

// One load or one plain read, timed, in a process that has done nothing else.
int Once(const char* what, const char* path)
{
    const auto start = std::chrono::steady_clock::now();
    if (std::strcmp(what, "load") == 0) {
        CPactRegister reg;
        reg.Load(path);
        benchmark::DoNotOptimize(&reg);
    } else {
        benchmark::DoNotOptimize(PlainGetline(path));
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed).count()));
    return 0;
}

int WriteFile(const char* path)
{
    CPactRegister reg;
    FillRegister(reg);
    reg.Save(path);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strncmp(argv[1], "--load-peak=", 12) == 0)
        return LoadPeak(argv[1] + 12);
    if (argc > 1 && std::strncmp(argv[1], "--write-file=", 13) == 0)
        return WriteFile(argv[1] + 13);
    if (argc > 2 && std::strncmp(argv[1], "--once=", 7) == 0)
        return Once(argv[1] + 7, argv[2]);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
