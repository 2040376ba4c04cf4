#include "service/DataStore.h"

#include <array>

#include "sqlite/Database.h"

namespace quillan::service {
namespace {

// Exact match, then containment, per kind (in QueryKind order).
constexpr std::array<std::array<std::string_view, 2>, 3> kStatements{{
    {"SELECT * FROM zzdcx WHERE zi = ?1 ORDER BY ID DESC LIMIT 1",
     "SELECT * FROM zzdcx WHERE instr(zi, ?1) > 0 ORDER BY ID DESC LIMIT 1"},
    {"SELECT * FROM z81 WHERE num = CAST(?1 AS INTEGER) LIMIT 1",
     "SELECT * FROM z81 WHERE instr(CAST(num AS TEXT), ?1) > 0 ORDER BY rowid LIMIT 1"},
    {"SELECT * FROM zsancai WHERE title = ?1 ORDER BY id LIMIT 1",
     "SELECT * FROM zsancai WHERE instr(title, ?1) > 0 ORDER BY id LIMIT 1"},
}};

constexpr std::array<std::string_view, 3> kTables{"zzdcx", "z81", "zsancai"};

}  // namespace

struct DataStore::Connection {
  sqlite::Database db;
  std::vector<std::array<sqlite::Statement, 2>> statements;

  explicit Connection(const std::filesystem::path& path) : db(path, sqlite::Database::Mode::ReadOnlyPrivate) {
    // The file is only read, and the builder replaces it whole rather than writing into it: holding
    // the shared lock spares every query its lock and hot-journal system calls.
    db.execute("PRAGMA locking_mode = EXCLUSIVE");
    for (const auto& [exact, containing] : kStatements) {
      statements.push_back({db.prepare(exact, true), db.prepare(containing, true)});
    }
  }
};

DataStore::DataStore(const std::filesystem::path& path) : path_(path) {
  if (!std::filesystem::is_regular_file(path)) {
    throw StoreError("the database " + path.string() + " does not exist");
  }
  try {
    giveBack(borrow());
  } catch (const sqlite::Error& error) {
    throw StoreError(std::string("the database lacks what the service needs: ") + error.what());
  }
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
  return std::make_unique<Connection>(path_);
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
    for (auto& statement : connection->statements[static_cast<std::size_t>(query.kind)]) {
      statement.bind(1, query.value);
      if (statement.step()) {
        std::vector<std::string> row;
        for (int c = 0; c < statement.columnCount(); ++c) {
          answer.columns.push_back(statement.columnName(c));
          row.push_back(statement.text(c));
        }
        answer.rows.push_back(std::move(row));
      }
      statement.reset();
      if (!answer.rows.empty()) {
        break;
      }
    }
  } catch (const sqlite::Error& error) {
    // A connection that failed is not given back; the next query opens a fresh one.
    throw StoreError(error.what());
  }
  giveBack(std::move(connection));
  return answer;
}

std::vector<TableRows> DataStore::rowCounts() const {
  std::vector<TableRows> counts;
  std::unique_ptr<Connection> connection;
  try {
    connection = borrow();
    for (const auto table : kTables) {
      auto statement = connection->db.prepare("SELECT count(*) FROM " + std::string(table));
      statement.step();
      counts.push_back({std::string(table), statement.integer(0)});
    }
  } catch (const sqlite::Error& error) {
    throw StoreError(error.what());
  }
  giveBack(std::move(connection));
  return counts;
}

}  // namespace quillan::service
