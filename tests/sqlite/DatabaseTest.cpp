#include "sqlite/Database.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TestFolder.h"

namespace quillan::sqlite {
namespace {

class DatabaseTest : public ::testing::Test {
 protected:
  quillan::testing::TestFolder folder_{"sqlite"};
  std::filesystem::path path_ = folder_.path() / "wrapper.sqlite";
};

TEST_F(DatabaseTest, WritesThenReadsBackThroughPreparedStatements) {
  {
    Database db(path_, Database::Mode::Create);
    db.execute("CREATE TABLE t (id INTEGER, name TEXT)");
    auto insert = db.prepare("INSERT INTO t VALUES (?1, ?2)");
    const std::pair<int, std::string> rows[] = {{1, "华"}, {2, std::string("a\0b", 3)}};
    for (const auto& [id, name] : rows) {
      insert.bind(1, id);
      insert.bind(2, std::string(name));  // a temporary: the statement keeps its own copy
      EXPECT_FALSE(insert.step());
      insert.reset();
    }
    insert.bind(1, 3);
    insert.bindNull(2);
    EXPECT_FALSE(insert.step());
  }
  Database db(path_, Database::Mode::ReadOnly);
  auto select = db.prepare("SELECT id, name FROM t ORDER BY id", true);
  EXPECT_EQ(select.columnCount(), 2);
  EXPECT_EQ(select.columnName(1), "name");
  std::vector<std::pair<int, std::string>> read;
  while (select.step()) {
    read.emplace_back(select.integer(0), select.text(1));
  }
  EXPECT_EQ(read, (std::vector<std::pair<int, std::string>>{{1, "华"}, {2, std::string("a\0b", 3)}, {3, ""}}));
  // Reset runs it again from the start.
  select.reset();
  ASSERT_TRUE(select.step());
  EXPECT_EQ(select.integer(0), 1);
}

TEST_F(DatabaseTest, FailuresSayWhatWasTried) {
  try {
    Database missing(path_, Database::Mode::ReadOnly);
    FAIL() << "a missing file opened read-only";
  } catch (const Error& error) {
    EXPECT_NE(std::string(error.what()).find(path_.string()), std::string::npos) << error.what();
  }
  Database db(path_, Database::Mode::Create);
  try {
    db.execute("CREATE TABEL t (x)");
    FAIL() << "bad SQL ran";
  } catch (const Error& error) {
    EXPECT_NE(std::string(error.what()).find("CREATE TABEL t (x)"), std::string::npos) << error.what();
  }
  EXPECT_THROW(db.prepare("SELECT * FROM nowhere"), Error);
  db.execute("CREATE TABLE u (x INTEGER UNIQUE)");
  auto insert = db.prepare("INSERT INTO u VALUES (1)");
  EXPECT_FALSE(insert.step());
  insert.reset();
  EXPECT_THROW(insert.step(), Error);  // the constraint, not a silent "done"
}

TEST_F(DatabaseTest, AReadOnlyDatabaseRefusesWrites) {
  Database(path_, Database::Mode::Create).execute("CREATE TABLE t (x)");
  Database db(path_, Database::Mode::ReadOnlyPrivate);
  EXPECT_THROW(db.execute("INSERT INTO t VALUES (1)"), Error);
}

}  // namespace
}  // namespace quillan::sqlite
