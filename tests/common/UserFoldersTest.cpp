#include "common/UserFolders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace quillan::common {
namespace {

class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) {
      old_ = old;
    }
    value != nullptr ? setenv(name, value, 1) : unsetenv(name);
  }
  ~ScopedVariable() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(UserFoldersTest, FollowsXdgAndFallsBackToHomeForUnsetOrRelativeValues) {
  const ScopedVariable home("HOME", "/home/parent");
  {
    const ScopedVariable data("XDG_DATA_HOME", "/srv/data");
    const ScopedVariable config("XDG_CONFIG_HOME", "/srv/config");
    EXPECT_EQ(userDataFolder(), "/srv/data/quillan");
    EXPECT_EQ(userConfigFolder(), "/srv/config/quillan");
  }
  const ScopedVariable data("XDG_DATA_HOME", "relative/data");
  const ScopedVariable config("XDG_CONFIG_HOME", nullptr);
  EXPECT_EQ(userDataFolder(), "/home/parent/.local/share/quillan");
  EXPECT_EQ(userConfigFolder(), "/home/parent/.config/quillan");
}

TEST(UserFoldersTest, KeepAsideMovesTheFileToAFreshNameAndNeverOverwrites) {
  const auto folder = std::filesystem::path(testing::TempDir()) / "keep-aside";
  std::filesystem::remove_all(folder);
  ASSERT_FALSE(ensureFolder(folder).has_value());
  const auto file = folder / "shortlist.json";
  std::string previous;
  for (const char* content : {"first", "second"}) {
    std::ofstream(file) << content;
    const KeptAside kept = keepAside(file);
    ASSERT_TRUE(kept.failure.empty()) << kept.failure;
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_NE(kept.movedTo.string(), previous);
    EXPECT_NE(kept.movedTo.filename().string().find("shortlist.json.unreadable-"), std::string::npos);
    std::ifstream moved(kept.movedTo);
    std::string text;
    moved >> text;
    EXPECT_EQ(text, content);
    previous = kept.movedTo.string();
  }
  const KeptAside missing = keepAside(folder / "absent.json");
  EXPECT_TRUE(missing.movedTo.empty());
  EXPECT_FALSE(missing.failure.empty());
}

}  // namespace
}  // namespace quillan::common
