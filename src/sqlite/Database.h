#pragma once

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "sqlite/Statement.h"

struct sqlite3;

namespace quillan::sqlite {

// A failed SQLite call: what was tried and SQLite's own message.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One open SQLite database, closed when it goes.
class Database {
 public:
  enum class Mode {
    ReadOnly,         // the file must exist; nothing is ever written
    ReadOnlyPrivate,  // the same, for one thread at a time (no SQLite mutexes)
    Create,           // read and write, created when missing
  };

  // Opens the file; throws Error saying why it cannot.
  Database(const std::filesystem::path& path, Mode mode);
  ~Database();
  Database(Database&&) noexcept;
  Database& operator=(Database&&) noexcept;
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Runs statements that return no rows; throws Error naming the statement.
  void execute(std::string_view sql);

  // A prepared statement; `persistent` for one that is kept and run many times. Throws Error.
  Statement prepare(std::string_view sql, bool persistent = false);

  const std::filesystem::path& path() const { return path_; }

 private:
  struct Closer {
    void operator()(sqlite3* db) const;
  };
  std::filesystem::path path_;
  std::unique_ptr<sqlite3, Closer> db_;
};

}  // namespace quillan::sqlite
