#pragma once

#include <memory>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace quillan::sqlite {

// A prepared statement of a Database, finalized when it goes. Made by Database::prepare; it must
// not outlive its database.
class Statement {
 public:
  // Binds parameter `index` (1-based). The text is copied, so it may go before the statement runs.
  void bind(int index, std::string_view text);
  void bind(int index, int value);
  void bindNull(int index);

  // Runs the statement to its next row: true when there is one, false when it is done. Throws Error.
  bool step();

  // Back to the start with every binding cleared, ready to run again.
  void reset();

  int columnCount() const;
  std::string columnName(int column) const;  // 0-based, like the columns below
  std::string text(int column) const;        // empty for NULL
  int integer(int column) const;

 private:
  friend class Database;
  Statement(sqlite3* db, sqlite3_stmt* statement);

  struct Finalizer {
    void operator()(sqlite3_stmt* statement) const;
  };
  sqlite3* db_;
  std::unique_ptr<sqlite3_stmt, Finalizer> statement_;
};

}  // namespace quillan::sqlite
