#include "shortlist/ShortlistStore.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "common/AtomicFile.h"
#include "common/UserFolders.h"
#include "shortlist/ShortlistFile.h"

namespace quillan::shortlist {
namespace {

// Holds an exclusive lock on "<file>.lock" while a change reads and writes, so that changes of two
// programs follow each other. The lock file stays; it holds nothing.
class FileLock {
 public:
  explicit FileLock(const std::filesystem::path& file) {
    const std::string path = file.string() + ".lock";
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) {
      failure_ = std::strerror(errno);
      return;
    }
    while (::flock(fd_, LOCK_EX) != 0) {
      if (errno != EINTR) {
        failure_ = std::strerror(errno);
        return;
      }
    }
  }
  ~FileLock() {
    if (fd_ >= 0) {
      ::close(fd_);  // closing releases the lock
    }
  }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  const std::string& failure() const { return failure_; }

 private:
  int fd_ = -1;
  std::string failure_;
};

std::optional<ShortlistEntry*> find(Shortlist& list, const std::string& fullName) {
  const auto at = std::find_if(list.begin(), list.end(), [&](const auto& e) { return e.fullName() == fullName; });
  if (at == list.end()) {
    return std::nullopt;
  }
  return &*at;
}

std::string notOnList(const std::string& fullName) { return "「" + fullName + "」不在备选名单中"; }

}  // namespace

ShortlistStore::ShortlistStore(std::filesystem::path file) : file_(std::move(file)) {}

std::filesystem::path ShortlistStore::defaultFile() { return common::userDataFolder() / "shortlist.tsv"; }

StoreOutcome ShortlistStore::readUnlocked() const {
  StoreOutcome outcome;
  std::error_code error;
  if (!std::filesystem::exists(file_, error)) {
    return outcome;
  }
  std::ifstream in(file_, std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::string problem;
  if (!in.good() && !in.eof()) {
    problem = "读取失败";
  } else {
    auto parsed = parseShortlist(text);
    if (parsed.list) {
      outcome.list = std::move(*parsed.list);
      return outcome;
    }
    problem = parsed.problem;
  }
  const common::KeptAside aside = common::keepAside(file_);
  if (aside.movedTo.empty()) {
    // Not moved: nothing may be written over it.
    outcome.ok = false;
    outcome.message = "备选名单文件无法读取（" + problem + "），也无法移开（" + aside.failure + "）：" + file_.string();
    return outcome;
  }
  outcome.notice =
      "备选名单文件无法读取（" + problem + "），已原样保存为 " + aside.movedTo.string() + "，名单从空白开始。";
  return outcome;
}

StoreOutcome ShortlistStore::read() const {
  std::error_code error;
  if (!std::filesystem::exists(file_, error)) {
    return {};  // nothing to read, and no lock file left behind in a folder that may not be ours yet
  }
  const FileLock lock(file_);
  return readUnlocked();
}

StoreOutcome ShortlistStore::change(const Change& apply) const {
  if (auto failed = common::ensureFolder(file_.parent_path())) {
    return {false, {}, "备选名单无法保存：" + *failed, {}};
  }
  const FileLock lock(file_);
  if (!lock.failure().empty()) {
    return {false, readUnlocked().list, "备选名单无法保存：" + lock.failure(), {}};
  }
  StoreOutcome outcome = readUnlocked();
  if (!outcome.ok) {
    return outcome;
  }
  if (auto refusal = apply(outcome.list)) {
    outcome.ok = false;
    outcome.message = std::move(*refusal);
    return outcome;
  }
  if (auto failed = common::writeFileAtomically(file_, shortlistText(outcome.list))) {
    outcome.ok = false;
    outcome.message = "备选名单无法保存：" + *failed;
    outcome.list = readUnlocked().list;
  }
  return outcome;
}

StoreOutcome ShortlistStore::add(ShortlistEntry entry) const {
  return change([&](Shortlist& list) -> std::optional<std::string> {
    if (find(list, entry.fullName())) {
      return "「" + entry.fullName() + "」已在备选名单中";
    }
    list.push_back(entry);
    return std::nullopt;
  });
}

StoreOutcome ShortlistStore::remove(const std::string& fullName) const {
  return change([&](Shortlist& list) -> std::optional<std::string> {
    const auto before = list.size();
    std::erase_if(list, [&](const auto& e) { return e.fullName() == fullName; });
    if (list.size() == before) {
      return notOnList(fullName);
    }
    return std::nullopt;
  });
}

StoreOutcome ShortlistStore::move(const std::string& fullName, int place) const {
  return change([&](Shortlist& list) -> std::optional<std::string> {
    const auto at = std::find_if(list.begin(), list.end(), [&](const auto& e) { return e.fullName() == fullName; });
    if (at == list.end()) {
      return notOnList(fullName);
    }
    ShortlistEntry moved = std::move(*at);
    list.erase(at);
    const auto to = static_cast<std::size_t>(std::clamp(place, 0, static_cast<int>(list.size())));
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(to), std::move(moved));
    return std::nullopt;
  });
}

StoreOutcome ShortlistStore::setNote(const std::string& fullName, std::string note) const {
  return change([&](Shortlist& list) -> std::optional<std::string> {
    auto entry = find(list, fullName);
    if (!entry) {
      return notOnList(fullName);
    }
    (*entry)->note = std::move(note);
    return std::nullopt;
  });
}

}  // namespace quillan::shortlist
