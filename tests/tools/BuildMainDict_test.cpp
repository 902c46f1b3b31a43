// build-maindict's command line: a bad number is reported as a usage error.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

TEST(BuildMainDict, NonNumericArgumentsExitWithStatusTwo) {
  const fs::path dir = fs::temp_directory_path() / ("wx-build-maindict-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "words.txt") << "cat\ndog\n";
  const std::string tool = std::string(WX_BINARY_DIR) + "/build-maindict";
  const std::string words = (dir / "words.txt").string(), err = (dir / "err.txt").string();
  auto run = [&](const std::string& args) {
    const int st = std::system((tool + " " + args + " >/dev/null 2>" + err).c_str());
    std::ifstream in(err);
    std::stringstream text;
    text << in.rdbuf();
    return std::make_pair(WIFEXITED(st) ? WEXITSTATUS(st) : -1, text.str());
  };
  auto [status, text] = run("--language english " + words + " " + (dir / "a.qxm").string());
  EXPECT_EQ(status, 2);
  EXPECT_NE(text.find("--language"), std::string::npos) << text;
  EXPECT_NE(text.find("english"), std::string::npos) << text;
  EXPECT_FALSE(fs::exists(dir / "a.qxm"));
  std::tie(status, text) = run("--language 0x40c " + words + " " + (dir / "b.qxm").string());
  EXPECT_EQ(status, 0) << text;
  EXPECT_TRUE(fs::exists(dir / "b.qxm"));
  std::tie(status, text) = run("--measure " + words + " --prose " + words + " --top ten");
  EXPECT_EQ(status, 2);
  EXPECT_NE(text.find("--top"), std::string::npos) << text;
  fs::remove_all(dir);
}

}  // namespace
