#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include <unistd.h>

#include "chars/MemoryCharacterLookup.h"
#include "cli/GenerateOptions.h"
#include "cli/GenerateRun.h"
#include "common/GbkCodec.h"
#include "common/TextSplit.h"
#include "generate/Generate.h"
#include "generate/ResultExport.h"
#include "resultview/RowKeys.h"

namespace quillan::cli {
namespace {

namespace fs = std::filesystem;

const chars::CharacterLists kLists{
    {"明,明,míng,8,火", "华,華,huá,14,水", "浩,浩,hào,11,水", "宇,宇,yǔ,6,土", "轩,軒,xuān,10,土", "杰,傑,jié,12,木",
     "文,文,wén,4,水", "博,博,bó,12,水"},
    {"婷,婷,tíng,12,火", "雅,雅,yǎ,12,木", "思,思,sī,9,金", "雨,雨,yǔ,8,水"},
};

chars::MemoryCharacterLookup dictionary() {
  return chars::MemoryCharacterLookup({{"李", "李", "lǐ", "7", "木"},
                                       {"成", "成", "chéng", "7", "金"},
                                       {"明", "明", "míng", "8", "火"},
                                       {"华", "華", "huá", "14", "水"}});
}

// 2013-05-20 10:xx, the date and hour the window would preselect.
std::tm now() {
  std::tm tm{};
  tm.tm_year = 113;
  tm.tm_mon = 4;
  tm.tm_mday = 20;
  tm.tm_hour = 10;
  return tm;
}

struct Invocation {
  int exitCode = -1;
  bool lookupOpened = false;
  std::string out;
  std::string err;
};

// Parses the arguments as `quillan-cli generate` does and runs the command in-process.
Invocation invoke(std::vector<std::string> args, chars::CharacterLookup* lookup = nullptr) {
  CLI::App app;
  GenerateOptions options;
  addGenerateOptions(app, options);
  std::vector<const char*> argv{"generate"};
  for (const auto& arg : args) {
    argv.push_back(arg.c_str());
  }
  Invocation result;
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::ParseError& error) {
    result.exitCode = error.get_exit_code() == 0 ? 0 : 2;
    result.err = error.what();
    return result;
  }
  auto own = dictionary();
  bool opened = false;
  const LookupProvider provider = [&]() -> chars::CharacterLookup& {
    opened = true;
    return lookup ? *lookup : own;
  };
  std::ostringstream out;
  std::ostringstream err;
  result.exitCode = runGenerateCommand(options, now(), kLists, provider, out, err);
  result.lookupOpened = opened;
  result.out = out.str();
  result.err = err.str();
  return result;
}

TEST(GenerateCommandLine, OptionsMirrorTheWindowsSelections) {
  // The same selections through the window's request give the same rows.
  generate::GenerationRequest request;
  request.surname = "李";
  request.gender = chars::Gender::Girl;
  request.nameLength = generate::NameLength::Two;
  request.birthday = {"未知", "2012", "2", "29", "未知"};
  std::vector<generate::ResultRow> rows;
  auto lookup = dictionary();
  generate::runGenerate(request, kLists, lookup, {.row = [&](generate::ResultRow row) { rows.push_back(row); }});
  ASSERT_EQ(rows.size(), 100u);

  const auto result = invoke({"--surname", "李", "--gender", "girl", "--length", "2", "--birthday", "unknown", "--year",
                              "2012", "--month", "2", "--day", "29", "--hour", "unknown"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, generate::exportText(rows));

  // Defaults: classic, boy, three characters, the preselected date and hour.
  request = {};
  request.surname = "李";
  request.birthday = {"生日", "2013", "5", "20", "10"};
  rows.clear();
  generate::runGenerate(request, kLists, lookup, {.row = [&](generate::ResultRow row) { rows.push_back(row); }});
  EXPECT_EQ(invoke({"--surname", "李"}).out, generate::exportText(rows));
}

TEST(GenerateCommandLine, FiltersAndOrderAreTheWindows) {
  const std::vector<std::string> base{"--surname", "李", "--mode", "high-score", "--format", "tsv"};
  const auto all = invoke(base);
  ASSERT_EQ(all.exitCode, 0) << all.err;
  const std::string header = all.out.substr(0, all.out.find('\n') + 1);
  // The rows of the whole run, as the window's list holds them.
  std::vector<generate::ResultRow> rows;
  std::istringstream lines(all.out.substr(header.size()));
  for (std::string line; std::getline(lines, line) && !line.empty();) {
    const auto cells = common::splitText(line, "\t");
    generate::ResultRow row;
    std::copy(cells.begin(), cells.begin() + 7, row.cells.begin());
    rows.push_back(row);
  }
  ASSERT_FALSE(rows.empty());

  struct Case {
    std::vector<std::string> options;
    resultview::RowFilter filter;
    std::optional<resultview::SortColumn> column;
    resultview::SortOrder order;
  };
  resultview::RowFilter scoreAndCharacters;
  scoreAndCharacters.minScore = 90;
  scoreAndCharacters.exclude = {"杰", "明"};
  scoreAndCharacters.elements = {"水"};
  resultview::RowFilter secondPlace;
  secondPlace.mustContain = "华";
  secondPlace.containPosition = 2;
  const Case cases[] = {
      {{"--sort", "score", "--desc", "--min-score", "90", "--exclude", "杰,明", "--elements", "水"},
       scoreAndCharacters,
       resultview::SortColumn::Score,
       resultview::SortOrder::Descending},
      {{"--contain", "华", "--contain-at", "2", "--sort", "number", "--desc"},
       secondPlace,
       resultview::SortColumn::Number,
       resultview::SortOrder::Descending},
      {{"--sort", "score", "--asc"}, {}, resultview::SortColumn::Score, resultview::SortOrder::Ascending},
  };
  for (const Case& c : cases) {
    auto args = base;
    args.insert(args.end(), c.options.begin(), c.options.end());
    const auto shown = invoke(args);
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    std::string expected = header;
    for (std::size_t i : resultview::shownRows(rows, c.filter, c.column, c.order)) {
      expected += common::joinText({rows[i].cells.begin(), rows[i].cells.end()}, "\t") + "\n";
    }
    EXPECT_EQ(shown.out.substr(0, expected.size()), expected) << c.options.front();
    EXPECT_NE(shown.out.substr(0, expected.size()), all.out.substr(0, expected.size())) << c.options.front();
  }

  for (const auto& refused : {std::vector<std::string>{"--surname", "李", "--contain", "子子"},
                              std::vector<std::string>{"--surname", "李", "--elements", "风"}}) {
    const auto result = invoke(refused);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_FALSE(result.lookupOpened);
  }
}

TEST(GenerateCommandLine, FormatsAndExportFile) {
  const auto exported = invoke({"--surname", "李", "--mode", "self-chosen", "--chars", "明华"});
  ASSERT_EQ(exported.exitCode, 0) << exported.err;
  EXPECT_NE(exported.out.find("\r\n2★李明华★"), std::string::npos);

  const auto tsv = invoke({"--surname", "李", "--mode", "self-chosen", "--chars", "明华", "--format", "tsv"});
  EXPECT_EQ(tsv.out.substr(0, tsv.out.find('\n')),
            "编号\t姓名\t五行\t天格,人格,地格,外格,总格\t五格吉凶\t三才\t综合评分");
  EXPECT_NE(tsv.out.find("\n2\t李明华\t木火水\t8,15,22,15,29\t"), std::string::npos);

  const auto json = invoke({"--surname", "李", "--mode", "high-score", "--format", "json"});
  ASSERT_EQ(json.exitCode, 0) << json.err;
  EXPECT_EQ(json.out.substr(0, 10), "{\"rows\":[\n");
  EXPECT_NE(json.out.find("{\"number\":\"1\",\"name\":\"李"), std::string::npos);
  EXPECT_NE(json.out.find("\"summary\":\"本次共生成高分名字"), std::string::npos);

  // --out writes what the window's export writes: the GBK form of the export layout.
  const auto file = fs::temp_directory_path() / ("quillan-cli-export-" + std::to_string(::getpid()) + ".txt");
  const auto written = invoke({"--surname", "李", "--mode", "self-chosen", "--chars", "明华", "--out", file.string()});
  ASSERT_EQ(written.exitCode, 0) << written.err;
  EXPECT_TRUE(written.out.empty());
  std::ifstream in(file, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_EQ(bytes, *common::utf8ToGbk(exported.out));
  fs::remove(file);

  const auto unwritable = invoke({"--surname", "李", "--out", "/nonexistent-folder/names.txt"});
  EXPECT_EQ(unwritable.exitCode, 1);
  EXPECT_NE(unwritable.err.find("导出失败"), std::string::npos);
}

TEST(GenerateCommandLine, BadOptionsExitTwoWithAMessage) {
  const std::vector<std::vector<std::string>> cases{
      {},  // no surname
      {"--surname", "李", "--gender", "other"},
      {"--surname", "李", "--length", "4"},
      {"--surname", "李", "--mode", "best"},
      {"--surname", "李", "--birthday", "maybe"},
      {"--surname", "李", "--year", "1999"},
      {"--surname", "李", "--month", "13"},
      {"--surname", "李", "--day", "0"},
      {"--surname", "李", "--month", "2", "--year", "2013", "--day", "29"},
      {"--surname", "李", "--hour", "24"},
      {"--surname", "李", "--pattern", "AB"},
      {"--surname", "李", "--algorithm", "fast"},
      {"--surname", "李", "--format", "xml"},
      {"--surname", "李", "--generation-char", "4:成"},
      {"--surname", "李", "--generation-char", "成"},
      {"--surname", "li"},
      {"--surname", "欧阳修"},
      {"--surname", "李", "--generation-char", "2:"},
      {"--surname", "李", "--mode", "self-chosen"},
      {"--surname", "李", "--avoid", "国a"},
      {"--surname", "李", "--avoid-sound", "guo,xx"},
  };
  for (const auto& args : cases) {
    const auto result = invoke(args);
    std::string joined;
    for (const auto& arg : args) {
      joined += arg + " ";
    }
    EXPECT_EQ(result.exitCode, 2) << joined;
    EXPECT_FALSE(result.err.empty()) << joined;
    EXPECT_TRUE(result.out.empty()) << joined;
    EXPECT_FALSE(result.lookupOpened) << joined;  // no service is started for refused input
  }
  EXPECT_EQ(invoke({"--surname", "li"}).err, "温馨提示：姓氏只能是中文汉字\n");
  EXPECT_EQ(invoke({"--surname", "李", "--generation-char", "2:"}).err, "温馨提示：请输入一个辈份字\n");
  EXPECT_EQ(invoke({"--surname", "李", "--avoid-sound", "guo,xx"}).err,
            "quillan-cli: --avoid or --avoid-sound: 要避开的读音「xx」不是一个拼音音节（例如 guo、hua）\n");
}

TEST(GenerateCommandLine, AdvancedRowsCarryTheirReadingScoreAndTheAvoidListApplies) {
  const auto advanced = invoke(
      {"--surname", "李", "--mode", "high-score", "--algorithm", "advanced", "--avoid", "华", "--format", "json"});
  ASSERT_EQ(advanced.exitCode, 0) << advanced.err;
  EXPECT_NE(advanced.out.find("\"euphony\":"), std::string::npos);
  EXPECT_EQ(advanced.out.find("\"euphony\":null"), std::string::npos);
  EXPECT_NE(advanced.out.find("\"gates\":[],\"warnings\":["), std::string::npos);
  EXPECT_EQ(advanced.out.find("华"), std::string::npos);
  EXPECT_NE(advanced.out.find("筛选去掉了"), std::string::npos);

  const auto plain = invoke({"--surname", "李", "--mode", "high-score", "--format", "json"});
  EXPECT_NE(plain.out.find("\"euphony\":null,\"gates\":null,\"warnings\":null"), std::string::npos);
  EXPECT_EQ(plain.out.find("筛选去掉了"), std::string::npos);
}

TEST(GenerateCommandLine, LookupFailuresHaveTheirOwnExitCodes) {
  auto down = dictionary();
  down.setReachable(false);
  const auto unreachable = invoke({"--surname", "李"}, &down);
  EXPECT_EQ(unreachable.exitCode, 3);
  EXPECT_EQ(unreachable.err, "温馨提示：无法连接数据服务\n");

  const auto unknown = invoke({"--surname", "李", "--generation-char", "3:龘"});
  EXPECT_EQ(unknown.exitCode, 4);
  EXPECT_EQ(unknown.err, "温馨提示：未找到汉字「龘」的笔划数据\n");
  EXPECT_TRUE(unknown.out.empty());

  const auto skipped = invoke({"--surname", "李", "--mode", "self-chosen", "--chars", "明龘"});
  EXPECT_EQ(skipped.exitCode, 0);
  EXPECT_EQ(skipped.err, "温馨提示：未找到汉字「龘」的笔划数据，组合名字时已跳过\n");
  EXPECT_NE(skipped.out.find("\r\n1★李明明★"), std::string::npos);
}

}  // namespace
}  // namespace quillan::cli
