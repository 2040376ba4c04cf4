#include "quality/NameQuality.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/TextSplit.h"

namespace quillan::quality {
namespace {

// A full name from "杜 子腾" and its readings "dù zǐ téng"; every given character is in the
// character table unless listed in `outside`.
SoundedName sounded(const QualityChecker& checker, std::string_view surname, std::string_view given,
                    std::string_view readings, std::string_view outside = {}) {
  const auto syllables = common::splitText(readings, " ");
  std::vector<std::string> characters;
  std::size_t surnameLength = 0;
  for (std::string_view part : {surname, given}) {
    for (std::size_t i = 0; i < part.size(); i += 3) {  // three UTF-8 bytes per Han character here
      characters.emplace_back(part.substr(i, 3));
    }
    if (surnameLength == 0) {
      surnameLength = characters.size();
    }
  }
  std::vector<SoundedChar> name;
  for (std::size_t i = 0; i < characters.size(); ++i) {
    const bool given_ = i >= surnameLength;
    const int level = outside.find(characters[i]) != std::string_view::npos ? 0 : 1;
    name.push_back(checker.sound(characters[i], syllables.at(i), given_, level));
  }
  return SoundedName(std::move(name));
}

std::vector<std::string> gateIds(const Assessment& assessment, bool blocking) {
  std::vector<std::string> ids;
  for (const Finding& finding : assessment.findings) {
    if (finding.blocking == blocking) {
      ids.emplace_back(gateId(finding.gate));
    }
  }
  return ids;
}

struct GateCase {
  const char* surname;
  const char* given;
  const char* readings;
  std::vector<std::string> gates;     // blocking
  std::vector<std::string> warnings;  // not blocking
  const char* outside = "";
};

TEST(NameQualityTest, GatesOfATableOfNames) {
  const auto user = std::get<UserAvoidance>(parseUserAvoidance("", "guo"));
  const QualityChecker checker(AvoidTables::builtIn(), user);
  const GateCase cases[] = {
      {"杜", "子腾", "dù zǐ téng", {"G4"}, {}},
      {"范", "统", "fàn tǒng", {"G4"}, {}},
      {"李", "丽丽", "lǐ lì lì", {"G3"}, {}},  // 丽丽 repeats a character and is exempt
      {"王", "芳", "wáng fāng", {"G3"}, {}},
      {"张", "书天", "zhāng shū tiān", {"G2"}, {}},
      {"李", "明昊", "lǐ míng hào", {}, {}},
      {"李", "晖", "lǐ huī", {}, {}},              // level 3 of the table: registrable
      {"王", "䶮", "wáng yǎn", {"G1"}, {}, "䶮"},  // outside the table
      {"李", "国安", "lǐ guó ān", {"G5"}, {}},     // the family avoids the sound guo
      {"李", "亡", "lǐ wáng", {"G5"}, {}},
      {"李", "劲松", "lǐ jìng sōng", {}, {"G6"}},  // read jìng in names, jìn first by most
      {"杨", "薇", "yáng wēi", {}, {"G4"}},        // 阳痿 only with other tones: a warning
      {"欧阳", "明", "ōu yáng míng", {}, {}},      // ōu yáng share no initial and no final anyway
  };
  for (const auto& c : cases) {
    const auto name = sounded(checker, c.surname, c.given, c.readings, c.outside);
    const Assessment assessment = checker.assess(name.view());
    const std::string full = std::string(c.surname) + c.given;
    EXPECT_EQ(gateIds(assessment, true), c.gates) << full;
    EXPECT_EQ(gateIds(assessment, false), c.warnings) << full;
    EXPECT_EQ(checker.judge(name.view()).passes(), c.gates.empty()) << full;
  }
}

TEST(NameQualityTest, FindingsSayWhatSoundsWrong) {
  const QualityChecker checker;
  const auto texts = [&](const char* surname, const char* given, const char* readings) {
    std::vector<std::string> all;
    for (const auto& finding : checker.assess(sounded(checker, surname, given, readings).view()).findings) {
      all.push_back(finding.text);
    }
    return all;
  };
  EXPECT_EQ(texts("杜", "子腾", "dù zǐ téng"), std::vector<std::string>{"「杜子腾」读音近「肚子疼」（谐音笑话）"});
  EXPECT_EQ(texts("王", "芳", "wáng fāng"), std::vector<std::string>{"「王芳」叠韵：韵母都是 ang"});
  EXPECT_EQ(texts("李", "丽", "lǐ lì"), std::vector<std::string>{"「李丽」双声：声母都是 l"});
  EXPECT_EQ(texts("张", "书天", "zhāng shū tiān"),
            std::vector<std::string>{"全名「张书天」每个字都读第一声，读来没有起伏"});
}

TEST(NameQualityTest, TheSurnameIsNeverFaultedForItself) {
  const QualityChecker checker(AvoidTables::builtIn(), std::get<UserAvoidance>(parseUserAvoidance("司", "ma")));
  // 澹台 tán tái is 双声 inside the surname; the family's list applies to the given name only.
  const Assessment assessment = checker.assess(sounded(checker, "澹台", "明", "tán tái míng").view());
  for (const Finding& finding : assessment.findings) {
    EXPECT_NE(finding.gate, Gate::Alliteration) << finding.text;
  }
  EXPECT_TRUE(checker.judge(sounded(checker, "司马", "昭", "sī mǎ zhāo").view()).passes());
  EXPECT_FALSE(checker.judge(sounded(checker, "司马", "昭", "sī mǎ zhāo").view()).userAvoided);
  EXPECT_TRUE(checker.judge(sounded(checker, "王", "司", "wáng sī").view()).userAvoided);
}

struct EuphonyCase {
  const char* surname;
  const char* given;
  const char* readings;
  int score;
  std::vector<EuphonyRule> rules;
};

TEST(NameQualityTest, EuphonyAddsTheRulesThatApply) {
  const QualityChecker checker;
  using R = EuphonyRule;
  const EuphonyCase cases[] = {
      // 3 2 2: change, repeat; 平 after 平 no contrast; ends on an open final
      {"李", "明华", "lǐ míng huá", 74, {R::ToneChange, R::ToneRepeat, R::OpenEnding}},
      // 1 2 4: two changes, 仄 after two 平: contrast and cadence; 志 zhì ends open; zh … zh
      {"张",
       "宏志",
       "zhāng hóng zhì",
       92,
       {R::ToneChange, R::ToneChange, R::EndingContrast, R::Cadence, R::OpenEnding, R::InitialEcho}},
      // 3 3: sandhi; ends open
      {"李", "雨", "lǐ yǔ", 67, {R::ThirdTones, R::OpenEnding}},
      // 2 2 2 and three nasal finals
      {"王", "成林", "wáng chéng lín", 52, {R::ToneRepeat, R::ToneRepeat, R::NasalRun}},
  };
  for (const auto& c : cases) {
    const auto name = sounded(checker, c.surname, c.given, c.readings);
    const EuphonyScore euphony = explainEuphony(name.view());
    std::vector<EuphonyRule> rules;
    for (const auto& step : euphony.steps) {
      rules.push_back(step.rule);
    }
    const std::string full = std::string(c.surname) + c.given;
    EXPECT_EQ(rules, c.rules) << full;
    EXPECT_EQ(euphony.score, c.score) << full;
    EXPECT_EQ(euphonyOf(name.view()), euphony.score) << full;
    EXPECT_EQ(checker.judge(name.view()).euphony, euphony.score) << full;
  }
  EXPECT_EQ(explainEuphony(sounded(checker, "李", "明华", "lǐ míng huá").view()).steps[0].text,
            "「李明」lǐ míng：相邻两字声调不同，读来有起伏（+5）");
}

TEST(NameQualityTest, UserAvoidanceParsesWhatAParentTypes) {
  const auto parsed = parseUserAvoidance("国、华 国", "Guó, hua3 lü");
  ASSERT_TRUE(std::holds_alternative<UserAvoidance>(parsed));
  const auto& avoidance = std::get<UserAvoidance>(parsed);
  EXPECT_EQ(avoidance.charactersText(), "华国");
  EXPECT_EQ(avoidance.soundsText(), "guo,hua,lv");
  EXPECT_EQ(std::get<std::string>(parseUserAvoidance("国a", "")), "要避开的字只能是汉字：「a」不是汉字");
  EXPECT_EQ(std::get<std::string>(parseUserAvoidance("", "guo,xx")),
            "要避开的读音「xx」不是一个拼音音节（例如 guo、hua）");
  EXPECT_TRUE(std::get<UserAvoidance>(parseUserAvoidance(" ", "")).empty());
}

}  // namespace
}  // namespace quillan::quality
