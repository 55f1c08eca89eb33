// Tables on disk: read back exactly, refused when cut, altered or of
// another setting, and solved afresh and rewritten then.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "TableCache.h"

namespace zarvel::solver {
namespace {

namespace fs = std::filesystem;

class TableCacheTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("zarvel-solver-cache-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // A table of chances that no solver would give, to tell reading from solving.
    static Table Made(const Rules& rules, double value) {
        const std::size_t slots = 1 + (rules.target - rules.breakIn) / kStep;
        return Table::FromValues(rules, std::vector<double>(slots * slots, value));
    }
    static std::vector<char> Bytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void Write(const std::string& path, const std::vector<char>& bytes) {
        std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
    }

    fs::path folder_;
};

TEST_F(TableCacheTest, ATableIsReadBackExactlyAndNothingIsLeftBeside) {
    const Rules rules{5000, 1000};
    const Table table = Made(rules, 0.3125);
    const std::string path = TablePath(folder_.string(), rules);
    ASSERT_TRUE(SaveTable(table, path));  // makes the folder too
    EXPECT_EQ(LoadTable(rules, path).Values(), table.Values());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator{}), 1);
    EXPECT_TRUE(LoadTable({10000, 1000}, path).Empty());
    EXPECT_TRUE(LoadTable(rules, path + ".missing").Empty());
}

TEST_F(TableCacheTest, ACutOrAlteredFileIsRefused) {
    const Rules rules{5000, 1000};
    const std::string path = TablePath(folder_.string(), rules);
    ASSERT_TRUE(SaveTable(Made(rules, 0.25), path));
    const std::vector<char> good = Bytes(path);

    std::vector<char> cut(good.begin(), good.end() - 9);
    Write(path, cut);
    EXPECT_TRUE(LoadTable(rules, path).Empty());

    std::vector<char> altered = good;
    altered[good.size() / 2] ^= 0x10;
    Write(path, altered);
    EXPECT_TRUE(LoadTable(rules, path).Empty());

    std::vector<char> longer = good;
    longer.push_back(0);
    Write(path, longer);
    EXPECT_TRUE(LoadTable(rules, path).Empty());

    Write(path, good);
    EXPECT_FALSE(LoadTable(rules, path).Empty());
}

TEST_F(TableCacheTest, TableForReadsTheFolderAndSolvesWhatItCannotRead) {
    const Rules kept{5000, 1000};
    ASSERT_TRUE(SaveTable(Made(kept, 0.375), TablePath(folder_.string(), kept)));
    const auto read = TableFor(kept, folder_.string());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Win(0, 0), 0.375);
    EXPECT_EQ(TableFor(kept, folder_.string()), read);  // once per process

    // A damaged file: solved, and the file replaced by the solved table.
    const Rules damaged{5000, 500};
    const std::string path = TablePath(folder_.string(), damaged);
    Write(path, {'Z', 'R', 'V'});
    const auto solved = TableFor(damaged, folder_.string());
    ASSERT_TRUE(solved);
    EXPECT_NEAR(solved->Win(0, 0), 0.5444, 1e-4);
    EXPECT_EQ(LoadTable(damaged, path).Values(), solved->Values());

    EXPECT_EQ(TableFor({5000, 275}, folder_.string()), nullptr);  // not in steps of 50
}

}  // namespace
}  // namespace zarvel::solver
