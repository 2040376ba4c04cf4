// The build's join of name lists with the dictionary: a good list packs, a bad one stops the build.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "CharacterTable.h"
#include "TestFolder.h"
#include "chars/ListPacking.h"
#include "common/GbkCodec.h"

namespace quillan::dictionary::test {
namespace {

class ListPackJoin : public ::testing::Test {
 protected:
  void SetUp() override {
    // The dictionary's own format, with values of its own so that the entries can only come from here.
    write("dictionary.tsv",
          "id\tsimplified\ttraditional\tpinyin\tkangxi_strokes\tsimplified_strokes\tradical\telement\treadings\ttgh_"
          "level\telement_basis\n"
          "1\t明\t明\tmíng\t8\t8\t72\t火\tmíng\t1\tradical\n"
          "2\t云\t雲\tyún\t12\t4\t173\t水\tyún\t1\tradical\n");
  }

  std::string write(const std::string& name, const std::string& text) {
    const auto path = (directory_ / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  // Exit code of quillan-listpack on a boys' list; the generated source lands in `source`.
  int pack(const std::string& names, std::string& source) {
    const auto out = (directory_ / "lists.cpp").string();
    const std::string command = std::string("'") + QUILLAN_LISTPACK_TOOL + "' --out '" + out + "' --dictionary '" +
                                (directory_ / "dictionary.tsv").string() + "' --boys-names '" +
                                write("boys.txt", names) + "' 2>/dev/null";
    const int status = std::system(command.c_str());
    std::ifstream in(out);
    source.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  quillan::testing::TestFolder folder_{"listpack-join"};
  std::filesystem::path directory_ = folder_.path();
};

TEST_F(ListPackJoin, JoinsNamesIntoEntriesInListOrder) {
  std::string source;
  ASSERT_EQ(pack("# boys\n云\n\n明\n", source), 0);
  const auto gbk = common::utf8ToGbk("云,雲,yún,12,水|明,明,míng,8,火");
  ASSERT_TRUE(gbk);
  std::string joined;
  for (const auto& line : readLines((directory_ / "lists.cpp").string())) {
    if (const auto quote = line.find('"'); quote != std::string::npos && line.find("packed[]") == std::string::npos) {
      joined += line.substr(quote + 1, line.rfind('"') - quote - 1);
    }
  }
  EXPECT_NE(joined.find(chars::packList(*gbk)), std::string::npos) << source;
}

TEST_F(ListPackJoin, FailsOnANameMissingFromTheDictionary) {
  std::string source;
  EXPECT_NE(pack("明\n风\n", source), 0);
}

TEST_F(ListPackJoin, FailsOnALineThatIsNotOneCharacter) {
  std::string source;
  EXPECT_NE(pack("明云\n", source), 0);
}

TEST_F(ListPackJoin, FailsOnANameListedTwice) {
  std::string source;
  EXPECT_NE(pack("明\n云\n明\n", source), 0);
}

}  // namespace
}  // namespace quillan::dictionary::test
