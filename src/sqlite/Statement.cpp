#include "sqlite/Statement.h"

#include <sqlite3.h>

#include "sqlite/Database.h"

namespace quillan::sqlite {

void Statement::Finalizer::operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }

Statement::Statement(sqlite3* db, sqlite3_stmt* statement) : db_(db), statement_(statement) {}

void Statement::bind(int index, std::string_view text) {
  sqlite3_bind_text(statement_.get(), index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void Statement::bind(int index, int value) { sqlite3_bind_int(statement_.get(), index, value); }

void Statement::bindNull(int index) { sqlite3_bind_null(statement_.get(), index); }

bool Statement::step() {
  const int result = sqlite3_step(statement_.get());
  if (result == SQLITE_ROW) {
    return true;
  }
  if (result == SQLITE_DONE) {
    return false;
  }
  throw Error(std::string(sqlite3_errmsg(db_)) + " in: " + sqlite3_sql(statement_.get()));
}

void Statement::reset() {
  sqlite3_reset(statement_.get());
  sqlite3_clear_bindings(statement_.get());
}

int Statement::columnCount() const { return sqlite3_column_count(statement_.get()); }

std::string Statement::columnName(int column) const { return sqlite3_column_name(statement_.get(), column); }

std::string Statement::text(int column) const {
  const auto* text = sqlite3_column_text(statement_.get(), column);
  if (text == nullptr) {
    return {};
  }
  return {reinterpret_cast<const char*>(text),
          static_cast<std::size_t>(sqlite3_column_bytes(statement_.get(), column))};
}

int Statement::integer(int column) const { return sqlite3_column_int(statement_.get(), column); }

}  // namespace quillan::sqlite
