#include "DependencyCheck.h"

#include <gtest/gtest.h>

#include <fstream>

#include "TestFolder.h"

namespace quillan::depcheck {
namespace {

// A small source tree in a temporary folder: src/<module>/<file> with the given lines.
class DependencyCheckTest : public ::testing::Test {
 protected:
  void file(const std::string& path, const std::string& text) {
    std::filesystem::create_directories((root_ / path).parent_path());
    std::ofstream(root_ / path) << text;
  }

  CheckReport check(std::string_view modules) {
    std::string error;
    const auto graph = parseModuleList(modules, error);
    EXPECT_TRUE(graph) << error;
    return checkTree(root_, graph.value_or(ModuleGraph{}));
  }

  quillan::testing::TestFolder folder_{"depcheck"};
  std::filesystem::path root_ = folder_.path() / "src";
};

TEST_F(DependencyCheckTest, IncludesAlongTheDeclaredDependenciesPass) {
  file("common/Text.h", "#pragma once\n");
  file("chars/Record.h", "#include \"common/Text.h\"\n#include <string>\n#include \"ui_Form.h\"\n");
  file("generate/Run.cpp", "#include \"chars/Record.h\"\n#include \"common/Text.h\"  // through chars\n");
  const auto report = check("common: \nchars: common\ngenerate: chars\n");
  EXPECT_TRUE(report.passed()) << report.faults.front();
  EXPECT_EQ(report.includesChecked, 3);
  EXPECT_EQ(report.backEdges, 0);
}

TEST_F(DependencyCheckTest, AnIncludeOfAModuleNotLinkedFailsWithItsPlace) {
  file("common/Text.h", "#pragma once\n");
  file("dataservice/Table.h", "#include \"common/Text.h\"\n");
  file("chars/Record.cpp", "#include \"common/Text.h\"\n\n  #  include \"dataservice/Table.h\"\n");
  const auto report = check("common:\ndataservice: common\nchars: common\n");
  ASSERT_EQ(report.faults.size(), 1U);
  EXPECT_EQ(report.faults[0], "src/chars/Record.cpp:3: includes dataservice/…, which chars does not link");
  EXPECT_FALSE(report.passed());
}

TEST_F(DependencyCheckTest, ACycleCountsAsABackEdge) {
  file("content/Site.h", "#include \"service/Server.h\"\n");
  file("service/Server.h", "#include \"content/Site.h\"\n");
  const auto report = check("content: service\nservice: content\n");
  EXPECT_EQ(report.backEdges, 1);
  EXPECT_FALSE(report.passed());
}

TEST_F(DependencyCheckTest, EveryFolderIsAListedModuleAndEveryListedModuleAFolder) {
  file("common/Text.h", "\n");
  file("stray/Thing.h", "\n");
  const auto report = check("common:\nghost: common\n");
  EXPECT_EQ(report.faults, (std::vector<std::string>{"src/stray is no module the build lists",
                                                     "ghost is listed but has no folder under src/"}));
}

TEST(ModuleList, RefusesMalformedLines) {
  std::string error;
  EXPECT_FALSE(parseModuleList("common\n", error));
  EXPECT_EQ(error, "line 1: not \"module: dependencies\"");
  EXPECT_FALSE(parseModuleList("a: b\na: c\n", error));
  EXPECT_EQ(error, "line 2: a is listed twice");
  const auto graph = parseModuleList("a: b  c\n\nb:\nc:", error);
  ASSERT_TRUE(graph);
  EXPECT_EQ(graph->at("a"), (std::set<std::string>{"b", "c"}));
}

}  // namespace
}  // namespace quillan::depcheck
