// Feeds arbitrary bytes to the pact file reader and checks what a save and a load keep.
//
// Guarantees checked on every input:
// 1. Load gives exactly the register that the plain line rules give (a slow reference reader
//    below, going through AddPact), and every history is sorted and disjoint.
// 2. Saving that register and loading the file back gives the same register less its empty
//    entries: owners and races without any period are written (or left out) but create nothing
//    when read. Nothing else may change: the reader already trimmed every line, cut it at a zero
//    byte and split it at line feeds, so no name or conditions string holds anything that the
//    file cannot carry back.
// 3. From then on save and load are a fixed point: the register and the file bytes repeat.
//
// Run it on a copy of the seeds, since libFuzzer adds what it finds to the folder it is given:
//   cp -r fuzz/register/corpus /tmp/pact-corpus
//   build-fuzz/bin/fuzz_pact_file -dict=fuzz/register/pact.dict -max_total_time=600 /tmp/pact-corpus
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "allyledger/register/AtomicFile.h"
#include "allyledger/register/PactRegister.h"
#include "platform/core/Convert.h"
#include "tests/allyledger/register/RegisterDump.h"

namespace {

using allyledger::pacts::testing::DumpRegister;
using allyledger::pacts::testing::Empties;

// Durability is not what is fuzzed here; skipping the syncs keeps the executions fast.
class UnsyncedFileSystem : public allyledger::pacts::FileSystem {
public:
    int Sync(int) override { return 0; }
};

void check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "pact file fuzz: %s\n", what);
        std::abort();
    }
}

const std::string& folder()
{
    static const std::string made = [] {
        std::string pattern = (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + std::string("/pactfuzz.XXXXXX");
        check(mkdtemp(pattern.data()) != nullptr, "no temporary folder");
        return pattern;
    }();
    return made;
}

void writeFile(const std::string& path, const uint8_t* data, size_t size)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    check(file != nullptr, "cannot write the input file");
    check(std::fwrite(data, 1, size, file) == size, "short write of the input file");
    std::fclose(file);
}

std::string readFile(const std::string& path)
{
    std::string bytes;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return bytes;
    char chunk[65536];
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;)
        bytes.append(chunk, got);
    std::fclose(file);
    return bytes;
}

// The line rules, followed one by one on copies of each line.
void referenceLoad(CPactRegister& reg, std::string_view bytes)
{
    std::string owner;
    while (!bytes.empty()) {
        const size_t lineFeed = bytes.find('\n');
        std::string line(bytes.substr(0, lineFeed));
        bytes.remove_prefix(lineFeed == std::string_view::npos ? bytes.size() : lineFeed + 1);
        line = line.c_str();  // a zero byte ends the text
        CString text(line);
        text.Trim(" \t\r\n\v\f");
        if (text.IsEmpty())
            continue;
        if (text[0] == '@') {
            owner = text.Mid(1).str();
            continue;
        }
        if (owner.empty())
            continue;
        const int first = text.Find(',');
        if (first < 0 || text.Find(',', first + 1) < 0)
            continue;
        const std::string rest = text.Mid(first + 1).str();
        const char* stop = nullptr;
        const int from = platform::ParseInt32(rest.c_str(), &stop);
        const int till = platform::ParseInt32(stop + 1, &stop);
        if (*stop == ',')
            ++stop;
        reg.AddPact(owner.c_str(), text.Left(first), from, till, stop);
    }
}

void checkHistories(const CPactRegister& reg)
{
    reg.GetOwners().ForEach([](const CString& owner, CObject* racePacts) {
        check(!owner.IsEmpty(), "an empty owner key was filed");
        static_cast<const CRacePacts*>(racePacts)->ForEach([](const CString&, CObject* object) {
            const auto* pact = static_cast<const CPact*>(object);
            for (int k = 0; k < pact->GetCount(); ++k) {
                const auto period = pact->GetPeriod(k);
                check(period.from <= period.till, "a period ends before it begins");
                check(k == 0 || pact->GetPeriod(k - 1).till < period.from, "periods overlap or are out of order");
            }
        });
    });
}

// Saves reg to path (removing any old file first) and returns the bytes written.
std::string saveFresh(const CPactRegister& reg, const std::string& path)
{
    static UnsyncedFileSystem fileSystem;
    unlink(path.c_str());
    reg.Save(path.c_str(), fileSystem);
    return readFile(path);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input = folder() + "/input.ini";
    const std::string saved = folder() + "/saved.ini";
    writeFile(input, data, size);

    CPactRegister first;
    first.Load(input.c_str());
    checkHistories(first);
    CPactRegister reference;
    referenceLoad(reference, std::string_view(reinterpret_cast<const char*>(data), size));
    check(DumpRegister(first) == DumpRegister(reference), "Load differs from the line rules");

    const std::string firstBytes = saveFresh(first, saved);
    check(first.GetOwners().IsEmpty() == (access(saved.c_str(), F_OK) != 0),
          "a save wrote a file for no owners, or none for some");
    CPactRegister second;
    second.Load(saved.c_str());
    check(DumpRegister(second) == DumpRegister(first, Empties::Drop), "a save and load changed more than the empties");

    const std::string secondBytes = saveFresh(second, saved);
    CPactRegister third;
    third.Load(saved.c_str());
    check(DumpRegister(third) == DumpRegister(second), "a second save and load changed the register");
    check(saveFresh(third, saved) == secondBytes, "a second save and load changed the file");
    return 0;
}
