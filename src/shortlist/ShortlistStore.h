#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "shortlist/ShortlistEntry.h"

namespace quillan::shortlist {

// What a read or a change of the shortlist gives: the list as the file now holds it, and what the
// user must be told.
struct StoreOutcome {
  bool ok = true;
  Shortlist list;
  std::string message;  // why the change was refused or not saved; empty when it was
  std::string notice;   // an unreadable file was kept aside, and where; empty otherwise
};

// The shortlist file, shared by every window and the command line. Each change locks the file,
// reads it as it is now, applies itself and writes the result atomically, so that two programs at
// once add to each other's list instead of writing over it. A file that cannot be read is moved
// aside under a dated name (never overwritten) and the user told; the list starts afresh.
class ShortlistStore {
 public:
  explicit ShortlistStore(std::filesystem::path file);

  // <user data folder>/shortlist.tsv.
  static std::filesystem::path defaultFile();
  const std::filesystem::path& file() const { return file_; }

  StoreOutcome read() const;
  // Refused with a message when the full name is on the list already.
  StoreOutcome add(ShortlistEntry entry) const;
  StoreOutcome remove(const std::string& fullName) const;
  // Moves the name to the place given (0 first); places past the end mean the end.
  StoreOutcome move(const std::string& fullName, int place) const;
  StoreOutcome setNote(const std::string& fullName, std::string note) const;

 private:
  // The change returns a refusal, or nothing when it applied.
  using Change = std::function<std::optional<std::string>(Shortlist&)>;
  StoreOutcome change(const Change& apply) const;
  StoreOutcome readUnlocked() const;

  std::filesystem::path file_;
};

}  // namespace quillan::shortlist
