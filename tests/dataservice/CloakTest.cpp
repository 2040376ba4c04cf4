#include "dataservice/Cloak.h"

#include <gtest/gtest.h>

#include "common/GbkCodec.h"
#include "common/RandomGenerator.h"
#include "dataservice/CloakStages.h"

namespace quillan::dataservice {
namespace {

const SubstitutionKey kKey = splitKeyText("q,w,e,r,t,y,u,i,o,p,a");

// The hex text behind a cloaked text: everything after P mapped back through P.
std::string hexBehind(std::string_view cloaked) {
  return unmapThroughPermutation(cloaked.substr(16), cloaked.substr(0, 16)).value_or("<not mapped>");
}

// A reply as the service builds it: P, then the hex of the GBK text mapped through P.
std::string replyFor(std::string_view utf8, std::string_view permutation) {
  return std::string(permutation) + mapThroughPermutation(hexStage(common::utf8ToGbk(utf8).value()), permutation);
}

TEST(CloakStages, PercentStageWritesNoLeadingZero) {
  EXPECT_EQ(percentStage("A"), "%41");
  EXPECT_EQ(percentStage("\n"), "%A");
  EXPECT_EQ(percentStage("\t"), "%9");
  EXPECT_EQ(percentStage(std::string(1, '\0')), "%0");
  EXPECT_EQ(percentStage("\xD5\xC5"), "%D5%C5");
}

TEST(CloakStages, CodeStageWritesDecimalCodes) { EXPECT_EQ(codeStage("%A"), "37:65:"); }

TEST(CloakStages, KeyStageReplacesDigitsThenColon) {
  EXPECT_EQ(keyStage("1234567890:", kKey), "qwertyuiopa");
  EXPECT_EQ(keyStage("37:65:", kKey), "euayta");
}

TEST(CloakStages, WrongKeyCountGivesNothing) {
  EXPECT_EQ(keyStage("37:", splitKeyText("q,w,e,r,t,y,u,i,o,p")), "");
  EXPECT_EQ(keyStage("37:", splitKeyText("q,w,e,r,t,y,u,i,o,p,a,s")), "");
}

TEST(CloakStages, HexStageAlwaysWritesTwoDigits) {
  EXPECT_EQ(hexStage("\n"), "0A");
  EXPECT_EQ(hexStage("qa"), "7161");
  EXPECT_EQ(bytesFromHex("0a0A"), std::string("\n\n"));
  EXPECT_FALSE(bytesFromHex("0A0"));
  EXPECT_FALSE(bytesFromHex("0G"));
}

TEST(CloakStages, PermutationsAreFreshAndComplete) {
  common::RandomGenerator random(12345);
  const auto first = drawPermutation(random);
  const auto second = drawPermutation(random);
  EXPECT_TRUE(isPermutation(first));
  EXPECT_TRUE(isPermutation(second));
  EXPECT_NE(first, second);
  common::RandomGenerator again(12345);
  EXPECT_EQ(drawPermutation(again), first);  // one seed, one sequence
  EXPECT_FALSE(isPermutation("ABCDEF012345678"));
  EXPECT_FALSE(isPermutation("ABCDEF0123456788"));
  EXPECT_FALSE(isPermutation("ABCDEF012345678a"));
}

TEST(Cloak, LineFeedIsPercentAButHex0A) {
  common::RandomGenerator random(7);
  const auto cloaked = cloakText("\n", kKey, std::nullopt, random);
  // "\n" -> "%A" -> "37:65:" -> "euayta" -> two hex digits per letter.
  EXPECT_EQ(hexBehind(cloaked), "657561797461");
}

TEST(Cloak, TwoCloaksDifferButMapBackToTheSameHex) {
  common::RandomGenerator random(2024);
  const std::string query = "select top 1  *  from z81 where `num` like '%8%' ";
  const auto first = cloakText(query, kKey, std::nullopt, random);
  const auto second = cloakText(query, kKey, std::nullopt, random);
  EXPECT_NE(first, second);
  EXPECT_EQ(hexBehind(first), hexBehind(second));
  EXPECT_EQ(hexBehind(first), hexStage(keyStage(codeStage(percentStage(query)), kKey)));
  EXPECT_EQ(first.find_first_not_of(kShuffleAlphabet), std::string::npos);  // needs no URL encoding
}

TEST(Cloak, ChineseTextGoesAsGbkBytes) {
  common::RandomGenerator random(3);
  const auto cloaked = cloakText("华", kKey, std::nullopt, random);
  EXPECT_EQ(hexBehind(cloaked), hexStage(keyStage(codeStage("%BB%AA"), kKey)));
}

TEST(Cloak, ClockPartFollowsThePermutation) {
  common::RandomGenerator random(11);
  const auto cloaked = cloakText("1", kKey, 1733800000, random);
  const std::string permutation = cloaked.substr(0, 16);
  EXPECT_EQ(unmapThroughPermutation(cloaked.substr(16, 20), permutation), hexStage("1733800000"));
  EXPECT_EQ(unmapThroughPermutation(cloaked.substr(36), permutation),
            hexStage(keyStage(codeStage(percentStage("1")), kKey)));
}

TEST(Cloak, NothingToSendGivesTheEmptyText) {
  common::RandomGenerator random(5);
  EXPECT_EQ(cloakText("select 1", splitKeyText("q,w,e"), 1733800000, random), "");  // wrong key count
  EXPECT_EQ(cloakText("", kKey, std::nullopt, random), "");
  EXPECT_EQ(cloakText("😀", kKey, std::nullopt, random), "");  // GBK lacks it: never a '?'
}

TEST(Uncloak, ReadsRepliesAndCutsTheTrailerOnlyWhenClockSynced) {
  const std::string permutation = "9876543210FEDCBA";
  const auto reply = replyFor("ID[xW|Col]华[xW|Row]3[xW|Col]華1733800000", permutation);
  EXPECT_EQ(uncloakText(reply, false), "ID[xW|Col]华[xW|Row]3[xW|Col]華1733800000");
  EXPECT_EQ(uncloakText(reply, true), "ID[xW|Col]华[xW|Row]3[xW|Col]華");
  EXPECT_EQ(uncloakText(replyFor("-1", permutation), true), "");  // shorter than a trailer
}

TEST(Uncloak, RemovesEveryCopyOfThePermutation) {
  const std::string permutation = "0123456789ABCDEF";
  const auto first = mapThroughPermutation(hexStage("ab"), permutation);
  const auto second = mapThroughPermutation(hexStage("cd"), permutation);
  EXPECT_EQ(uncloakText(permutation + first + permutation + second, false), "abcd");
}

TEST(Uncloak, BrokenRepliesGiveTheEmptyText) {
  const std::string permutation = "9876543210FEDCBA";
  for (const std::string& reply :
       {std::string(), std::string("9876543210"), permutation + "ABC", permutation + "zz",
        replyFor("x", permutation) + "x", permutation + mapThroughPermutation("C0", permutation)}) {
    EXPECT_EQ(uncloakText(reply, false), "") << reply;
  }
}

}  // namespace
}  // namespace quillan::dataservice
