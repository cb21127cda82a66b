#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "RegisterDump.h"
#include "allyledger/register/AtomicFile.h"
#include "allyledger/register/PactRegister.h"

namespace {

namespace fs = std::filesystem;
using allyledger::pacts::testing::DumpRegister;
using allyledger::pacts::testing::Row;
using Rows = std::vector<Row>;

constexpr const char* kOwner = "Alpha/Zorg";

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// A fresh folder per test, removed afterwards.
class PactFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "pactfile.XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
    }
    void TearDown() override { fs::remove_all(m_folder); }

    fs::path File(const char* name = "Allyledger.ini") const { return m_folder / name; }

    Rows LoadBytes(const std::string& bytes)
    {
        WriteBytes(File(), bytes);
        CPactRegister reg;
        reg.Load(File().c_str());
        return DumpRegister(reg);
    }

    std::vector<std::string> FolderEntries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path m_folder;
};

TEST_F(PactFile, PactLinesReadAsTheNumberRulesSay)
{
    struct Case {
        const char* line;
        Rows rows;
    } cases[] = {
        {"  Krell,10,20,N/T  ", {{"O", "Krell", "10", "20", "N/T"}}},
        {"\tKrell,10,20,N/T\v\f", {{"O", "Krell", "10", "20", "N/T"}}},
        {"Krell,10,20,", {{"O", "Krell", "10", "20", ""}}},
        {"Krell,10,20", {{"O", "Krell", "10", "20", ""}}},
        {"Krell,10", {}},
        {"Krell", {}},
        {"Krell, 10, 20, N/T", {{"O", "Krell", "10", "20", " N/T"}}},
        {"Krell,10;20,N/T", {{"O", "Krell", "10", "20", "N/T"}}},
        {"Krell,x,y,z", {{"O", "Krell", "0", "0", "y,z"}}},
        {"Krell,,,", {{"O", "Krell", "0", "0", ""}}},
        {",10,20,A", {{"O", "", "10", "20", "A"}}},
        {"Krell,+7,\t8,A", {{"O", "Krell", "7", "8", "A"}}},
        {"Krell,10,20,A,B", {{"O", "Krell", "10", "20", "A,B"}}},
        {"Krell,10,20x,A", {{"O", "Krell", "10", "20", "x,A"}}},
        {"Krell,0x10,5,", {{"O", "Krell", "0", "10", "5,"}}},
        {"Krell,- 3,5,", {{"O", "Krell", "0", "3", "5,"}}},
        {"Krell,20,10,A", {{"O", "Krell"}}},
        {"Krell,12abc,5", {{"O", "Krell"}}},
        {"Krell,-5,-1,A", {{"O", "Krell", "4294967291", "4294967295", "A"}}},
        {"Krell,99999999999,99999999999,", {{"O", "Krell", "2147483647", "2147483647", ""}}},
        {"Krell,-99999999999,-99999999999,", {{"O", "Krell", "2147483648", "2147483648", ""}}},
        {"Krell,4294967295,4294967295,", {{"O", "Krell", "2147483647", "2147483647", ""}}},
        {"Krell,123456789,2147483647,", {{"O", "Krell", "123456789", "2147483647", ""}}},
        {"Krell,0000000000012,-2147483648,", {{"O", "Krell", "12", "2147483648", ""}}},
        {"Krell,2147483648,1,", {{"O", "Krell"}}},
        {"Kr ell ,1,2, c d ", {{"O", "Kr ell ", "1", "2", " c d"}}},
        {"Kr\rell,1,2,a\rb", {{"O", "Kr\rell", "1", "2", "a\rb"}}},
        {"\xC0\xE1,1,2,\xE2", {{"O", "\xC0\xE1", "1", "2", "\xE2"}}},
        {"   ", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LoadBytes(std::string("@O\r\n") + c.line + "\r\n"), c.rows) << '"' << c.line << '"';
        EXPECT_EQ(LoadBytes(std::string("@O\n") + c.line), c.rows) << '"' << c.line << "\" without a line end";
    }
}

TEST_F(PactFile, AZeroByteEndsTheLineText)
{
    static constexpr char kText[] = "@O\nKrell,1\0,2,A\nVex,3,4,B\0C\n";
    EXPECT_EQ(LoadBytes(std::string(kText, sizeof kText - 1)),
              (Rows{{"O", "Vex", "3", "4", "B"}}));
}

TEST_F(PactFile, OwnerLinesDecideWhoseThePactLinesAre)
{
    struct Case {
        const char* behaviour;
        const char* text;
        Rows rows;
    } cases[] = {
        {"lines before the first owner line are skipped", "Krell,1,2,A\n@O\nVex,3,4,\n", {{"O", "Vex", "3", "4", ""}}},
        {"a bare @ sets an empty owner, whose lines are skipped", "@O\nKrell,1,2,\n@\nVex,3,4,\n@P\nZorn,5,6,\n",
         {{"O", "Krell", "1", "2", ""}, {"P", "Zorn", "5", "6", ""}}},
        {"an owner key keeps inner white space, not outer", "  @ Alpha/Zorg \t\r\nKrell,1,2,\n",
         {{" Alpha/Zorg", "Krell", "1", "2", ""}}},
        {"an owner line without pact lines creates nothing", "@O\n\n@P\nKrell,1,2,\n", {{"P", "Krell", "1", "2", ""}}},
        {"two blocks of one owner add up through Insert", "@O\nKrell,10,20,A\n@P\nVex,1,2,\n@O\nKrell,15,25,B\nZorn,1,1,\n",
         {{"O", "Krell", "10", "14", "A"}, {"O", "Krell", "15", "25", "B"}, {"O", "Zorn", "1", "1", ""}, {"P", "Vex", "1", "2", ""}}},
        {"a race's lines need not be together", "@O\nKrell,1,2,\nVex,1,2,\nKrell,5,6,\n",
         {{"O", "Krell", "1", "2", ""}, {"O", "Krell", "5", "6", ""}, {"O", "Vex", "1", "2", ""}}},
        {"an empty file is an empty register", "", {}},
        {"a line of only white space is skipped", "@O\n \t \r\nKrell,1,2,\n", {{"O", "Krell", "1", "2", ""}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LoadBytes(c.text), c.rows) << c.behaviour;
}

TEST_F(PactFile, LoadAddsToTheRegisterAndAnUnreadableFileChangesNothing)
{
    CPactRegister reg;
    reg.AddPact(kOwner, "Krell", 10, 20, "A");
    reg.Load(File("missing.ini").c_str());
    reg.Load(m_folder.c_str());
    EXPECT_EQ(DumpRegister(reg), (Rows{{kOwner, "Krell", "10", "20", "A"}}));
    WriteBytes(File(), "@Alpha/Zorg\r\nKrell,21,30,B\r\n\r\n");
    reg.Load(File().c_str());
    EXPECT_EQ(DumpRegister(reg), (Rows{{kOwner, "Krell", "10", "20", "A"}, {kOwner, "Krell", "21", "30", "B"}}));
}

// A file is read in pieces of some kilobytes: lines that cross from one piece into the next,
// and a line longer than a piece, come back whole, whether the register was empty or not.
TEST_F(PactFile, ALargeFileLoadsWholeAcrossItsReadPieces)
{
    CPactRegister expected;
    expected.AddPact("Before/Us", "Krell", 1, 2, "");
    std::string bytes;
    for (int owner = 0; owner < 40; ++owner) {
        const std::string key = "Game" + std::to_string(owner) + "/Us";
        bytes += "@" + key + (owner % 2 ? "\n" : "\r\n");
        for (int line = 0; line < 200; ++line) {
            const std::string race = "Race" + std::to_string(line % 7);
            const std::string conditions = owner == 17 && line == 3 ? std::string(150000, 'N') : std::string(line % 3, 'T');
            bytes += race + "," + std::to_string(line * 10) + "," + std::to_string(line * 10 + 5) + "," + conditions + "\r\n";
            expected.AddPact(key.c_str(), race.c_str(), line * 10, line * 10 + 5, conditions.c_str());
        }
    }
    bytes += "@Last/Us\r\nVex,1,2,N";
    expected.AddPact("Last/Us", "Vex", 1, 2, "N");
    ASSERT_GT(bytes.size(), 250000u);
    WriteBytes(File(), bytes);

    CPactRegister empty;
    empty.Load(File().c_str());
    CPactRegister holding;
    holding.AddPact("Before/Us", "Krell", 1, 2, "");
    holding.Load(File().c_str());
    EXPECT_EQ(DumpRegister(holding), DumpRegister(expected));
    Rows withoutFirst = DumpRegister(expected);
    withoutFirst.erase(withoutFirst.begin());
    EXPECT_EQ(DumpRegister(empty), withoutFirst);
}

TEST_F(PactFile, SaveWritesOwnerBlocksWithCrLf)
{
    CPactRegister reg;
    reg.AddPact(kOwner, "Krell", 10, 20, "N/T");
    reg.AddPact(kOwner, "Krell", 25, 30, "");
    reg.AddPact(kOwner, "Vex", 5, 15, "");
    reg.AddPact(kOwner, "Empty", 5, 1, "");
    reg.AddPact("Beta/Vex", "Krell", -6, -1, "X");
    reg.AddPact("Gamma/None", "Nobody", 2, 1, "");
    reg.Save(File().c_str());
    EXPECT_EQ(ReadBytes(File()), "@Alpha/Zorg\r\nKrell,10,20,N/T\r\nKrell,25,30,\r\nVex,5,15,\r\n\r\n"
                                 "@Beta/Vex\r\nKrell,-6,-1,X\r\n\r\n"
                                 "@Gamma/None\r\n\r\n");
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"Allyledger.ini"}));
}

TEST_F(PactFile, SavingARegisterWithoutOwnersLeavesTheFileAlone)
{
    CPactRegister reg;
    reg.BreakPact(kOwner, "Krell", 10);
    reg.Save(File().c_str());
    EXPECT_FALSE(fs::exists(File()));
    WriteBytes(File(), "@Old\r\nKrell,1,2,\r\n\r\n");
    reg.Save(File().c_str());
    EXPECT_EQ(ReadBytes(File()), "@Old\r\nKrell,1,2,\r\n\r\n");
}

TEST_F(PactFile, ASavedRegisterLoadsBackTheSame)
{
    CPactRegister reg;
    const char* races[] = {"Krell", "Vex", "\xC0\xE1", "Kr ell", ""};
    for (int owner = 0; owner < 5; ++owner)
        for (int race = 0; race < 5; ++race)
            for (int period = 0; period < 4; ++period)
                reg.AddPact(("Game" + std::to_string(owner) + "/Own").c_str(), races[race], period * 10 - 15,
                            period * 10 - 8 + race, period % 2 ? "N/T" : "");
    reg.AddPact("Top", "Krell", -10, -1, "A b");
    reg.Save(File().c_str());
    const std::string bytes = ReadBytes(File());

    CPactRegister loaded;
    loaded.Load(File().c_str());
    EXPECT_EQ(DumpRegister(loaded), DumpRegister(reg));
    loaded.Save(File().c_str());
    EXPECT_EQ(ReadBytes(File()), bytes);
}

TEST_F(PactFile, ReadingBackLosesOnlyWhatTheFileCannotHold)
{
    CPactRegister reg;
    reg.AddPact("Empty owner", "Krell", 2, 1, "");
    reg.AddPact(kOwner, "Empty race", 2, 1, "");
    reg.AddPact(kOwner, " Krell", 1, 2, "N ");
    reg.AddPact(kOwner, "Kr,ell", 1, 2, "");
    reg.Save(File().c_str());
    CPactRegister loaded;
    loaded.Load(File().c_str());
    EXPECT_EQ(DumpRegister(loaded), (Rows{{kOwner, "Krell", "1", "2", "N"}, {kOwner, "Kr", "0", "0", "ll,1,2,"}}));
}

TEST_F(PactFile, ASaveThatCannotCreateItsFileChangesNothing)
{
    WriteBytes(File("regular"), "not a folder");
    CPactRegister reg;
    reg.AddPact(kOwner, "Krell", 1, 2, "");
    const fs::path underFile = File("regular") / "Allyledger.ini";
    const fs::path underMissing = m_folder / "missing" / "Allyledger.ini";
    reg.Save(underFile.c_str());
    reg.Save(underMissing.c_str());
    EXPECT_EQ(ReadBytes(File("regular")), "not a folder");
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"regular"}));
}

TEST_F(PactFile, ASaveOverAFolderFailsAndRemovesItsTemporary)
{
    fs::create_directories(File() / "inside");
    CPactRegister reg;
    reg.AddPact(kOwner, "Krell", 1, 2, "");
    reg.Save(File().c_str());
    EXPECT_TRUE(fs::is_directory(File() / "inside"));
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"Allyledger.ini"}));
}

// File system calls that fail at a chosen point, after doing part of the work for real.
class FailingFileSystem : public allyledger::pacts::FileSystem {
public:
    enum class Failure { WriteHalfWay, Sync, Close, Rename };
    explicit FailingFileSystem(Failure failure) : m_failure(failure) {}

    ssize_t Write(int fd, const void* data, size_t size) override
    {
        if (m_failure != Failure::WriteHalfWay)
            return FileSystem::Write(fd, data, size);
        if (m_written > 0) {
            errno = ENOSPC;
            return -1;
        }
        const ssize_t written = FileSystem::Write(fd, data, size / 2);
        m_written += written;
        return written;
    }
    int Sync(int fd) override { return fails(Failure::Sync, EIO) ? -1 : FileSystem::Sync(fd); }
    int Close(int fd) override
    {
        const int closed = FileSystem::Close(fd);
        return fails(Failure::Close, EIO) ? -1 : closed;
    }
    int Rename(const char* from, const char* to) override
    {
        return fails(Failure::Rename, EXDEV) ? -1 : FileSystem::Rename(from, to);
    }

    ssize_t m_written = 0;

private:
    bool fails(Failure failure, int error) const
    {
        if (m_failure != failure)
            return false;
        errno = error;
        return true;
    }
    Failure m_failure;
};

TEST_F(PactFile, AFailedSaveLeavesTheOldFileByteForByte)
{
    const std::string old = "@Alpha/Zorg\r\nKrell,1,2,\r\n\r\n";
    CPactRegister reg;
    for (int race = 0; race < 100; ++race)
        reg.AddPact(kOwner, ("Race" + std::to_string(race)).c_str(), 10, 20, "N/T");

    using Failure = FailingFileSystem::Failure;
    for (Failure failure : {Failure::WriteHalfWay, Failure::Sync, Failure::Close, Failure::Rename}) {
        WriteBytes(File(), old);
        FailingFileSystem failing(failure);
        reg.Save(File().c_str(), failing);
        EXPECT_EQ(ReadBytes(File()), old) << "failure " << int(failure);
        EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"Allyledger.ini"})) << "failure " << int(failure);
        if (failure == Failure::WriteHalfWay) {
            EXPECT_GT(failing.m_written, 0) << "the write stopped half way, not before it began";
        }
    }

    reg.Save(File().c_str());
    EXPECT_NE(ReadBytes(File()), old);
}

TEST_F(PactFile, ASaveKeepsTheOldFilesPermissions)
{
    WriteBytes(File(), "old");
    ASSERT_EQ(::chmod(File().c_str(), 0640), 0);
    CPactRegister reg;
    reg.AddPact(kOwner, "Krell", 1, 2, "");
    reg.Save(File().c_str());
    struct stat info {};
    ASSERT_EQ(::stat(File().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadBytes(File()), "@Alpha/Zorg\r\nKrell,1,2,\r\n\r\n");
}

} // namespace
