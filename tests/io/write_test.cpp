// Whole-or-nothing writes: by extension, never partial, never over the input.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "test_documents.h"

namespace kelvo::io {
namespace {

namespace fs = std::filesystem;

class WriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("kelvo_io_write_" + std::to_string(::getpid()) + "_" +
                                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        testing::addRect(document_, 10, 10, 100, 100, testing::fillOnly({doc::kThree, {1, 0, 0, 0}, 0}));
    }
    void TearDown() override {
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }

    static std::string read(const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        std::stringstream buffer;
        buffer << file.rdbuf();
        return buffer.str();
    }

    std::size_t entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {})); }

    fs::path folder_;
    doc::Document document_;
};

TEST_F(WriteTest, ChoosesTheFormatByExtension) {
    struct Case {
        const char* name;
        std::string start;
    } cases[] = {{"a.svg", "<?xml"}, {"a.json", "{\"page\""}, {"a.PDF", "%PDF-"}, {"a.png", "\x89PNG"}};
    for (const auto& c : cases) {
        writeDocument(document_, (folder_ / c.name).string(), 72);
        EXPECT_EQ(read(folder_ / c.name).substr(0, c.start.size()), c.start) << c.name;
    }
    EXPECT_EQ(entries(), 4u);  // no temporary files left behind
}

TEST_F(WriteTest, UnknownExtensionWritesNothing) {
    EXPECT_THROW(writeDocument(document_, (folder_ / "a.bmp").string()), Error);
    EXPECT_THROW(writeDocument(document_, (folder_ / "noextension").string()), Error);
    EXPECT_EQ(entries(), 0u);
}

TEST_F(WriteTest, FailureLeavesTheOldFileAndNoTemporary) {
    fs::path target = folder_ / "out.png";
    std::ofstream(target) << "old";
    EXPECT_THROW(writeDocument(document_, target.string(), -1), Error);  // a bad resolution
    EXPECT_EQ(read(target), "old");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(WriteTest, UnwritablePlacesGiveAnErrorAndNoFile) {
    std::ofstream(folder_ / "plain.txt") << "x";
    fs::create_directory(folder_ / "folder.svg");
    std::vector<fs::path> paths = {folder_ / "missing" / "a.svg", folder_ / "plain.txt" / "a.svg", folder_ / "folder.svg"};
    fs::path locked = folder_ / "locked";
    fs::create_directory(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(locked.c_str(), W_OK) != 0) paths.push_back(locked / "a.svg");  // not when permissions are ignored
    for (const fs::path& path : paths) {
        try {
            writeDocument(document_, path.string());
            ADD_FAILURE() << path;
        } catch (const Error& error) {
            EXPECT_NE(std::string(error.what()).find(path.string()), std::string::npos) << error.what();
        }
    }
    EXPECT_EQ(entries(), 3u);
    EXPECT_TRUE(fs::is_empty(locked));
    EXPECT_TRUE(fs::is_empty(folder_ / "folder.svg"));
}

TEST_F(WriteTest, NeverWritesOverTheInput) {
    fs::path input = folder_ / "in.svg";
    std::ofstream(input) << "<svg xmlns=\"http://www.w3.org/2000/svg\"/>";
    fs::create_directory(folder_ / "sub");
    for (fs::path same : {input, folder_ / "sub" / ".." / "in.svg"}) {
        EXPECT_THROW(writeDocument(document_, same.string(), 72, input.string()), Error) << same;
        EXPECT_EQ(read(input), "<svg xmlns=\"http://www.w3.org/2000/svg\"/>");
    }
    fs::create_symlink(input, folder_ / "link.svg");
    EXPECT_THROW(writeDocument(document_, (folder_ / "link.svg").string(), 72, input.string()), Error);
    EXPECT_EQ(read(input), "<svg xmlns=\"http://www.w3.org/2000/svg\"/>");
    writeDocument(document_, (folder_ / "out.svg").string(), 72, input.string());  // another file is fine
    EXPECT_EQ(read(input), "<svg xmlns=\"http://www.w3.org/2000/svg\"/>");
}

TEST_F(WriteTest, ReplacesAnExistingFileWhole) {
    fs::path target = folder_ / "out.json";
    std::ofstream(target) << std::string(100000, 'x');
    writeDocument(document_, target.string());
    EXPECT_EQ(read(target), exportJson(document_));
    struct stat info{};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
}

}  // namespace
}  // namespace kelvo::io
