#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace quillan::testing {

// A folder of the running test's own under the temporary folder, empty at the start and removed at
// the end. The tests run as processes of their own, side by side, so the name carries the process
// and the test.
class TestFolder {
 public:
  explicit TestFolder(const std::string& name)
      : path_(std::filesystem::temp_directory_path() /
              ("quillan-" + name + "-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TestFolder() { std::filesystem::remove_all(path_); }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace quillan::testing
