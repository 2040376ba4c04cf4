#include "service/DataStore.h"

#include <sqlite3.h>

#include <array>
#include <stdexcept>

namespace quillan::service {
namespace {

struct DatabaseCloser {
  void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct StatementFinalizer {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using DatabasePtr = std::unique_ptr<sqlite3, DatabaseCloser>;
using StatementPtr = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

// Exact match, then containment, per kind (in QueryKind order).
constexpr std::array<std::array<const char*, 2>, 3> kStatements{{
    {"SELECT * FROM zzdcx WHERE zi = ?1 ORDER BY ID DESC LIMIT 1",
     "SELECT * FROM zzdcx WHERE instr(zi, ?1) > 0 ORDER BY ID DESC LIMIT 1"},
    {"SELECT * FROM z81 WHERE num = CAST(?1 AS INTEGER) LIMIT 1",
     "SELECT * FROM z81 WHERE instr(CAST(num AS TEXT), ?1) > 0 ORDER BY rowid LIMIT 1"},
    {"SELECT * FROM zsancai WHERE title = ?1 ORDER BY id LIMIT 1",
     "SELECT * FROM zsancai WHERE instr(title, ?1) > 0 ORDER BY id LIMIT 1"},
}};

std::string textOf(const unsigned char* text) {
  return text == nullptr ? std::string{} : reinterpret_cast<const char*>(text);
}

}  // namespace

struct DataStore::Connection {
  DatabasePtr db;
  std::array<std::array<StatementPtr, 2>, 3> statements;
};

DataStore::DataStore(const std::filesystem::path& path) : path_(path) {
  if (!std::filesystem::is_regular_file(path)) {
    throw std::runtime_error("the database " + path.string() + " does not exist");
  }
  giveBack(borrow());
}

DataStore::~DataStore() = default;

std::unique_ptr<DataStore::Connection> DataStore::borrow() const {
  {
    std::lock_guard lock(mutex_);
    if (!idle_.empty()) {
      auto connection = std::move(idle_.back());
      idle_.pop_back();
      return connection;
    }
  }
  auto connection = std::make_unique<Connection>();
  sqlite3* db = nullptr;
  const int opened = sqlite3_open_v2(path_.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
  connection->db.reset(db);
  if (opened != SQLITE_OK) {
    throw std::runtime_error("cannot open the database " + path_.string() + ": " +
                             (db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(opened)));
  }
  // The file is only read, and the builder replaces it whole rather than writing into it: holding
  // the shared lock spares every query its lock and hot-journal system calls.
  sqlite3_exec(db, "PRAGMA locking_mode = EXCLUSIVE", nullptr, nullptr, nullptr);
  for (std::size_t kind = 0; kind < kStatements.size(); ++kind) {
    for (std::size_t step = 0; step < 2; ++step) {
      sqlite3_stmt* statement = nullptr;
      if (sqlite3_prepare_v3(db, kStatements[kind][step], -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) !=
          SQLITE_OK) {
        throw std::runtime_error("the database " + path_.string() +
                                 " lacks what the service needs: " + sqlite3_errmsg(db));
      }
      connection->statements[kind][step].reset(statement);
    }
  }
  return connection;
}

void DataStore::giveBack(std::unique_ptr<Connection> connection) const {
  std::lock_guard lock(mutex_);
  idle_.push_back(std::move(connection));
}

StoreAnswer DataStore::answer(const AllowedQuery& query) const {
  StoreAnswer answer;
  std::unique_ptr<Connection> connection;
  try {
    connection = borrow();
  } catch (const std::runtime_error&) {
    return answer;  // the file went away after start-up: nothing found
  }
  for (auto& statementPtr : connection->statements[static_cast<std::size_t>(query.kind)]) {
    sqlite3_stmt* statement = statementPtr.get();
    sqlite3_reset(statement);
    sqlite3_bind_text(statement, 1, query.value.data(), static_cast<int>(query.value.size()), SQLITE_STATIC);
    if (sqlite3_step(statement) == SQLITE_ROW) {
      const int count = sqlite3_column_count(statement);
      std::vector<std::string> row;
      for (int c = 0; c < count; ++c) {
        answer.columns.emplace_back(sqlite3_column_name(statement, c));
        row.push_back(textOf(sqlite3_column_text(statement, c)));
      }
      answer.rows.push_back(std::move(row));
    }
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    if (!answer.rows.empty()) {
      break;
    }
  }
  giveBack(std::move(connection));
  return answer;
}

}  // namespace quillan::service
