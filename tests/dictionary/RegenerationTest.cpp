// The committed dictionary is exactly what the importer makes from Unihan 15.0 and OpenCC.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "CharacterTable.h"

namespace quillan::dictionary::test {
namespace {

constexpr const char* kUnihanDirectory = "/usr/share/unicode";
constexpr int kExitUnihanVersion = 3;  // the importer's answer to a Unihan other than 15.0

TEST(Regeneration, ImporterRewritesTheCommittedTableByteForByte) {
  ASSERT_TRUE(std::filesystem::exists(std::string(kUnihanDirectory) + "/Unihan_Readings.txt.bz2"))
      << "Unihan is not installed: scripts/setup installs it (Debian package unicode-data)";
  const std::string output = ::testing::TempDir() + "characters.regenerated.tsv";
  const std::string command = std::string("'") + QUILLAN_DICTIONARY_TOOL + "' --unihan " + kUnihanDirectory +
                              " --overrides '" QUILLAN_SOURCE_DIR
                              "/data/dictionary/overrides.tsv'"
                              " --radical-elements '" QUILLAN_SOURCE_DIR
                              "/data/dictionary/radical-elements.tsv'"
                              " --meaning-elements '" QUILLAN_SOURCE_DIR
                              "/data/dictionary/meaning-elements.tsv' --out '" +
                              output + "'";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status)) << command;
  ASSERT_NE(WEXITSTATUS(status), kExitUnihanVersion) << "the installed Unihan is not version 15.0";
  ASSERT_EQ(WEXITSTATUS(status), 0) << command;

  const auto committed = readLines(QUILLAN_SOURCE_DIR "/data/dictionary/characters.tsv");
  const auto regenerated = readLines(output);
  std::filesystem::remove(output);
  for (std::size_t i = 0; i < std::min(committed.size(), regenerated.size()); ++i) {
    ASSERT_EQ(regenerated[i], committed[i]) << "first difference at line " << i + 1;
  }
  EXPECT_EQ(regenerated.size(), committed.size());
}

}  // namespace
}  // namespace quillan::dictionary::test
