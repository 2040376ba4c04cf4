#include "sqlite/Database.h"

#include <sqlite3.h>

namespace quillan::sqlite {
namespace {

int flagsOf(Database::Mode mode) {
  switch (mode) {
    case Database::Mode::ReadOnly:
      return SQLITE_OPEN_READONLY;
    case Database::Mode::ReadOnlyPrivate:
      return SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX;
    case Database::Mode::Create:
      break;
  }
  return SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
}

}  // namespace

void Database::Closer::operator()(sqlite3* db) const { sqlite3_close_v2(db); }

Database::Database(const std::filesystem::path& path, Mode mode) : path_(path) {
  sqlite3* raw = nullptr;
  const int opened = sqlite3_open_v2(path.c_str(), &raw, flagsOf(mode), nullptr);
  db_.reset(raw);  // closed even when opening failed
  if (opened != SQLITE_OK) {
    throw Error("cannot open the database " + path.string() + ": " +
                (raw != nullptr ? sqlite3_errmsg(raw) : sqlite3_errstr(opened)));
  }
}

Database::~Database() = default;
Database::Database(Database&&) noexcept = default;
Database& Database::operator=(Database&&) noexcept = default;

void Database::execute(std::string_view sql) {
  const std::string text(sql);
  char* message = nullptr;
  if (sqlite3_exec(db_.get(), text.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
    const std::string reason = message != nullptr ? message : sqlite3_errmsg(db_.get());
    sqlite3_free(message);
    throw Error(path_.string() + ": " + reason + " in: " + text);
  }
}

Statement Database::prepare(std::string_view sql, bool persistent) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v3(db_.get(), sql.data(), static_cast<int>(sql.size()),
                         persistent ? SQLITE_PREPARE_PERSISTENT : 0, &statement, nullptr) != SQLITE_OK) {
    throw Error(path_.string() + ": " + sqlite3_errmsg(db_.get()) + " in: " + std::string(sql));
  }
  return Statement(db_.get(), statement);
}

}  // namespace quillan::sqlite
