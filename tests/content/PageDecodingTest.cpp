#include <gtest/gtest.h>

#include "common/GbkCodec.h"
#include "content/PageDecoding.h"

namespace quillan::content {
namespace {

TEST(PageDecoding, CharsetFromTheHeaderThenTheMeta) {
  EXPECT_EQ(declaredCharset("", "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=GBK\r\n"), "gbk");
  EXPECT_EQ(declaredCharset("<meta charset=\"utf-8\">", "Content-Type: text/html\r\n"), "utf-8");
  EXPECT_EQ(declaredCharset("<META http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">", ""), "gb2312");
  EXPECT_EQ(declaredCharset("<html>", "Content-Type: text/html\r\n"), "");
}

TEST(PageDecoding, DecodesByTheDeclaredCharset) {
  const std::string text = "<h1>第1天</h1>";
  const auto gbk = *common::utf8ToGbk(text);
  EXPECT_EQ(decodePage(gbk, "Content-Type: text/html; charset=gbk\r\n"), text);
  EXPECT_EQ(decodePage(gbk, ""), text);  // no charset: the program's GBK
  EXPECT_EQ(decodePage(text, "Content-Type: text/html; charset=utf-8\r\n"), text);
  EXPECT_FALSE(decodePage("\x81\x20", "Content-Type: text/html; charset=gbk\r\n"));
  EXPECT_FALSE(decodePage(gbk, "Content-Type: text/html; charset=utf-8\r\n"));
  EXPECT_FALSE(decodePage(text, "Content-Type: text/html; charset=koi8-r\r\n"));
}

}  // namespace
}  // namespace quillan::content
