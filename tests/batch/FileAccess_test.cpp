// Reading whole files under a size limit, and replacing files only once they are complete.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "batch/FileReading.h"
#include "batch/ReplacingFile.h"

namespace nomvera::batch {
namespace {

class FileAccessTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("file_access_test_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string Contents(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::filesystem::path dir_;
};

TEST_F(FileAccessTest, ReadAllGivesTheBytesUpToTheLimit) {
    const auto path = dir_ / "a.txt";
    { std::ofstream(path, std::ios::binary) << std::string("a\0b", 3); }
    EXPECT_EQ(FileReading::ReadAll(path, 3), std::string("a\0b", 3));
    EXPECT_EQ(FileReading::ReadAll(path, 2), std::nullopt);
    EXPECT_EQ(FileReading::ReadAll(dir_ / "absent.txt", 100), std::nullopt);
    EXPECT_EQ(FileReading::ReadAll(dir_, 100), std::nullopt);  // a folder
    { std::ofstream(dir_ / "empty.txt"); }
    EXPECT_EQ(FileReading::ReadAll(dir_ / "empty.txt", 100), std::string());
}

TEST_F(FileAccessTest, ReplacesOnlyOnCommitAndKeepsPermissions) {
    const auto path = dir_ / "out.txt";
    { std::ofstream(path) << "old"; }
    ::chmod(path.c_str(), 0640);
    {
        ReplacingFile file(path);
        ASSERT_TRUE(file.Create());
        ASSERT_TRUE(file.Write("new"));
        EXPECT_EQ(Contents(path), "old");
        // Dropped without Commit: the old file stays, the temporary file goes.
    }
    EXPECT_EQ(Contents(path), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);

    EXPECT_TRUE(ReplacingFile::WriteWhole(path, "new"));
    EXPECT_EQ(Contents(path), "new");
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}

TEST_F(FileAccessTest, FailsWithoutTouchingAnythingWhenTheFolderIsMissing) {
    EXPECT_FALSE(ReplacingFile::WriteWhole(dir_ / "missing" / "out.txt", "x"));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "missing"));
}

}  // namespace
}  // namespace nomvera::batch
