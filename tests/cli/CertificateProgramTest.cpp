// quillan-cli certificate as a program: the embedded data service and the real dictionary.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "CliProgram.h"

namespace quillan::cli {
namespace {

namespace fs = std::filesystem;

testing::ProgramResult certificateProgram(std::vector<std::string> args) {
  return testing::runCliProgram("certificate", std::move(args));
}

std::vector<std::string> birth(std::string hour, std::vector<std::string> more = {}) {
  std::vector<std::string> args{"--surname", "李",         "--given", "明华",
                                "--date",    "2013-05-20", "--hour",  std::move(hour)};
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(CertificateProgram, PrintsTheElevenSlots) {
  const auto result = certificateProgram(birth("10"));
  ASSERT_EQ(result.exitCode, 0) << result.err;
  // Slots 1-6 are fixed by the date, the hour and the name; 7-11 come from the dictionary's
  // records and are checked through the evaluation's own tests.
  EXPECT_TRUE(
      result.out.starts_with("1: 2013年5月20日\n2: 癸巳年 四月 十一\n3: 癸巳 丁巳 丙戌 癸巳\n"
                             "4: 本命属蛇   长流水命\n5: 长流水\n6: 李明华\n"))
      << result.out;
  EXPECT_NE(result.out.find("\n9: 大吉 大吉 凶 大吉 半吉\n"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("\n11: 84.5\n"), std::string::npos) << result.out;
  EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 11);
}

TEST(CertificateProgram, RefusesBadInputBeforeAnyService) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const Case cases[] = {
      {birth("24"), "出生时辰应为0到23之间的整数"},
      {birth("八"), "出生时辰应为0到23之间的整数"},
      {{"--surname", "Li", "--given", "明华", "--date", "2013-05-20", "--hour", "8"}, "姓氏只能是中文汉字"},
      {{"--surname", "李", "--given", "明华", "--date", "2013-02-30", "--hour", "8"}, "YYYY-MM-DD"},
      {{"--surname", "李", "--given", "明华", "--date", "1900-12-31", "--hour", "8"}, "1901-01-01"},
      {birth("8", {"--out", "certificate.webp"}), ".tiff"},
  };
  for (const auto& c : cases) {
    const auto result = certificateProgram(c.args);
    EXPECT_EQ(result.exitCode, 2) << c.message;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");
  }
  EXPECT_FALSE(fs::exists("certificate.webp"));
}

#ifdef QUILLAN_CLI_IMAGES
std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::uint32_t bigEndian(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = at; i < at + 4; ++i) {
    value = value << 8 | static_cast<unsigned char>(bytes[i]);
  }
  return value;
}

TEST(CertificateProgram, WritesTheImageWithoutADisplay) {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    unsetenv(name);
  }
  const fs::path dir = fs::temp_directory_path() / ("quillan-certificate-" + std::to_string(getpid()));
  fs::create_directories(dir);
  const fs::path photo = fs::path(QUILLAN_SOURCE_DIR) / "src/app/resources/images/default-photo.svg";
  const auto png = certificateProgram(birth("10", {"--out", (dir / "证书.png").string(), "--photo", photo.string()}));
  ASSERT_EQ(png.exitCode, 0) << png.err;
  EXPECT_EQ(png.err, "");
  const std::string bytes = readFile(dir / "证书.png");
  ASSERT_GT(bytes.size(), 24u);
  EXPECT_EQ(bytes.substr(1, 3), "PNG");
  EXPECT_EQ(bigEndian(bytes, 16), 1800u);  // twice the certificate's 900 x 620
  EXPECT_EQ(bigEndian(bytes, 20), 1240u);

  const auto gif = certificateProgram(birth("10", {"--out", (dir / "c.GIF").string()}));
  ASSERT_EQ(gif.exitCode, 0) << gif.err;
  EXPECT_EQ(readFile(dir / "c.GIF").substr(0, 3), "GIF");

  // A photo that is no picture and a folder that does not exist are said, not passed off as saved.
  const auto badPhoto = certificateProgram(birth("10", {"--out", (dir / "d.png").string(), "--photo", __FILE__}));
  EXPECT_EQ(badPhoto.exitCode, 1);
  EXPECT_NE(badPhoto.err.find("无法读取图片"), std::string::npos) << badPhoto.err;
  const auto noFolder = certificateProgram(birth("10", {"--out", (dir / "missing/e.png").string()}));
  EXPECT_EQ(noFolder.exitCode, 1);
  EXPECT_NE(noFolder.err.find("保存失败："), std::string::npos) << noFolder.err;
  EXPECT_FALSE(fs::exists(dir / "d.png"));
  fs::remove_all(dir);
}
#endif

}  // namespace
}  // namespace quillan::cli
