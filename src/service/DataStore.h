#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

#include "service/QueryWhitelist.h"

namespace quillan::service {

// The store could not be read: the database went away or broke after start-up.
class StoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The columns and rows a query found; no rows when it found nothing.
// How many rows one table of the database holds.
struct TableRows {
  std::string table;
  std::int64_t rows = 0;
};

struct StoreAnswer {
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;
};

// The service's SQLite database, opened read-only. Each allowed query runs the service's own
// prepared statements: the exact match first, then the containment match in the table's order
// (highest ID first for characters), as the statements on the wire ask with "like '%X%'".
// Safe to use from many threads: each thread borrows its own connection.
class DataStore {
 public:
  // Opens the file and prepares every statement; throws StoreError saying why it cannot.
  explicit DataStore(const std::filesystem::path& path);
  ~DataStore();
  DataStore(const DataStore&) = delete;
  DataStore& operator=(const DataStore&) = delete;

  // Throws StoreError when the database cannot be read, so that a broken store is never taken
  // for a character it does not know.
  StoreAnswer answer(const AllowedQuery& query) const;

  // The rows of each table the queries read, counted now: proof that the store can still be read.
  // Throws StoreError when it cannot.
  std::vector<TableRows> rowCounts() const;

 private:
  struct Connection;
  std::unique_ptr<Connection> borrow() const;
  void giveBack(std::unique_ptr<Connection> connection) const;

  std::filesystem::path path_;
  mutable std::mutex mutex_;
  mutable std::vector<std::unique_ptr<Connection>> idle_;
};

}  // namespace quillan::service
