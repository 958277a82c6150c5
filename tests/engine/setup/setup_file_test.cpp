#include "engine/setup/setup_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace quillux::engine {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

struct Shown {
    MessageKind kind;
    std::string text;
};

class RecordingMessenger : public Messenger {
public:
    MessageAnswer ShowMessage(MessageKind kind, const std::string&, const std::string& text,
                              MessageButtons) override {
        shown.push_back({kind, text});
        return MessageAnswer::Ok;
    }
    std::vector<Shown> shown;
};

Bytes Pattern(std::size_t size, unsigned seed) {
    Bytes bytes(size);
    unsigned state = seed;
    for (auto& b : bytes) {
        state = state * 1103515245u + 12345u;
        b = static_cast<unsigned char>(state >> 16);
    }
    return bytes;
}

Bytes ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes RecordBytes(const TQxSetupData& record) {
    const auto* p = reinterpret_cast<const unsigned char*>(&record);
    return Bytes(p, p + sizeof(record));
}

std::vector<std::string> FolderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

constexpr std::size_t kRecord = TQxSetupData::kRecordBytes;

class SetupFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "quillux-setup-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        file_ = folder_ / "QxSetup.Qlx";
        std::memset(static_cast<void*>(&record_), 0x5A, sizeof(record_));
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
    fs::path file_;
    TQxSetupData record_;
    RecordingMessenger messenger_;
};

TEST_F(SetupFileTest, MissingFileGivesTheZeroRecordWrittenAtOnceWithoutAMessage) {
    EXPECT_EQ(LoadSetupFile(file_, record_, messenger_), SetupLoadOutcome::Created);
    EXPECT_EQ(RecordBytes(record_), Bytes(kRecord, 0));
    EXPECT_EQ(ReadFile(file_), Bytes(kRecord, 0));
    EXPECT_TRUE(messenger_.shown.empty());
}

TEST_F(SetupFileTest, EveryByteSurvivesALoadAndASave) {
    // Random bytes stand for every group, reserved ones and string tails included.
    const Bytes stored = Pattern(kRecord, 7);
    WriteFile(file_, stored);
    ASSERT_EQ(LoadSetupFile(file_, record_, messenger_), SetupLoadOutcome::Read);
    EXPECT_EQ(RecordBytes(record_), stored);
    ASSERT_TRUE(SaveSetupFile(file_, record_, messenger_));
    EXPECT_EQ(ReadFile(file_), stored);
    EXPECT_TRUE(messenger_.shown.empty());
}

TEST_F(SetupFileTest, LongerFileGivesItsFirstRecordAndLosesTheRestOnSave) {
    const Bytes stored = Pattern(kRecord + 100, 3);
    WriteFile(file_, stored);
    ASSERT_EQ(LoadSetupFile(file_, record_, messenger_), SetupLoadOutcome::Read);
    const Bytes first(stored.begin(), stored.begin() + kRecord);
    EXPECT_EQ(RecordBytes(record_), first);
    ASSERT_TRUE(SaveSetupFile(file_, record_, messenger_));
    EXPECT_EQ(ReadFile(file_), first);
    EXPECT_TRUE(messenger_.shown.empty());
}

struct ShortCase {
    const char* name;
    std::size_t size;
};

class ShortSetupFileTest : public SetupFileTest, public ::testing::WithParamInterface<ShortCase> {};

TEST_P(ShortSetupFileTest, KeepsWhatWasReadWarnsOnceAndMovesTheFileAside) {
    const Bytes stored = Pattern(GetParam().size, 11);
    WriteFile(file_, stored);

    EXPECT_EQ(LoadSetupFile(file_, record_, messenger_), SetupLoadOutcome::Damaged);
    Bytes expected(kRecord, 0);
    std::copy(stored.begin(), stored.end(), expected.begin());
    EXPECT_EQ(RecordBytes(record_), expected);

    ASSERT_EQ(messenger_.shown.size(), 1u);
    EXPECT_EQ(messenger_.shown[0].kind, MessageKind::Warning);
    EXPECT_NE(messenger_.shown[0].text.find(file_.string()), std::string::npos);
    EXPECT_NE(messenger_.shown[0].text.find("QxSetup.Qlx.bad"), std::string::npos);

    // The user's bytes are kept aside; the exit save writes a fresh file beside them.
    EXPECT_FALSE(fs::exists(file_));
    ASSERT_TRUE(SaveSetupFile(file_, record_, messenger_));
    EXPECT_EQ(ReadFile(folder_ / "QxSetup.Qlx.bad"), stored);
    EXPECT_EQ(ReadFile(file_), expected);
    EXPECT_EQ(messenger_.shown.size(), 1u);
}

const ShortCase kShortCases[] = {
    {"empty", 0},
    {"part_of_the_record", 1000},
    {"one_byte_short", kRecord - 1},
};

INSTANTIATE_TEST_SUITE_P(Sizes, ShortSetupFileTest, ::testing::ValuesIn(kShortCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SetupFileTest, UnreadableFileIsReportedAndMovedAside) {
    // A folder where the file should be cannot be read as a file, even by root.
    fs::create_directory(file_);
    fs::create_directory(folder_ / "QxSetup.Qlx.bad");  // an earlier damaged copy stays

    EXPECT_EQ(LoadSetupFile(file_, record_, messenger_), SetupLoadOutcome::Damaged);
    EXPECT_EQ(RecordBytes(record_), Bytes(kRecord, 0));
    ASSERT_EQ(messenger_.shown.size(), 1u);
    EXPECT_NE(messenger_.shown[0].text.find(file_.string()), std::string::npos);
    EXPECT_TRUE(fs::is_directory(folder_ / "QxSetup.Qlx.bad"));
    EXPECT_TRUE(fs::is_directory(folder_ / "QxSetup.Qlx.bad2"));

    ASSERT_TRUE(SaveSetupFile(file_, record_, messenger_));
    EXPECT_EQ(fs::file_size(file_), kRecord);
}

TEST_F(SetupFileTest, SavingOverAShortFileMovesItAsideFirst) {
    const Bytes stored = Pattern(500, 5);
    WriteFile(file_, stored);
    record_.Clear();
    ASSERT_TRUE(SaveSetupFile(file_, record_, messenger_));
    EXPECT_EQ(ReadFile(folder_ / "QxSetup.Qlx.bad"), stored);
    EXPECT_EQ(ReadFile(file_), Bytes(kRecord, 0));
}

TEST_F(SetupFileTest, FailedWriteKeepsTheLastGoodFileAndSaysSo) {
    const Bytes good = Pattern(kRecord, 1);
    WriteFile(file_, good);
    record_.Clear();
    record_.DataVersion = 1;

    // A file size limit makes the write fail part way, as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = SaveSetupFile(file_, record_, messenger_);
    ::setrlimit(RLIMIT_FSIZE, &previous);

    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadFile(file_), good);
    EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"QxSetup.Qlx"});
    ASSERT_EQ(messenger_.shown.size(), 1u);
    EXPECT_EQ(messenger_.shown[0].kind, MessageKind::Error);
    EXPECT_NE(messenger_.shown[0].text.find(file_.string()), std::string::npos);
}

TEST_F(SetupFileTest, SaveIntoAMissingFolderReportsAnError) {
    const fs::path nowhere = folder_ / "Data" / "QxSetup.Qlx";
    EXPECT_FALSE(SaveSetupFile(nowhere, record_, messenger_));
    ASSERT_EQ(messenger_.shown.size(), 1u);
    EXPECT_EQ(messenger_.shown[0].kind, MessageKind::Error);
    EXPECT_NE(messenger_.shown[0].text.find(nowhere.string()), std::string::npos);
}

TEST_F(SetupFileTest, SuccessfulSaveLeavesNoTemporaryFileAndKeepsPermissions) {
    WriteFile(file_, Pattern(kRecord, 2));
    fs::permissions(file_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(SaveSetupFile(file_, record_, messenger_));
    EXPECT_EQ(ReadFile(file_), RecordBytes(record_));
    EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"QxSetup.Qlx"});
    EXPECT_EQ(fs::status(file_).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

}  // namespace
}  // namespace quillux::engine
