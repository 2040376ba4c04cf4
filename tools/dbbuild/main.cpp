// quillan-dbbuild: builds the data service's SQLite database from the TSV files under data/.
// Run by the build; a missing or malformed input fails the build with the file and line.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "chartable/CharacterTable.h"
#include "common/GbkCodec.h"
#include "common/TextSplit.h"
#include "sqlite/Database.h"

namespace {

struct Column {
  std::string sqlName;
  std::string tsvName;  // empty: the row's position in the file, from 1
  bool integer = false;
};

struct Table {
  std::string name;
  std::vector<Column> columns;
  std::string index;  // column to index, if any
};

// Column order is the protocol's: callers read columns by position.
const std::vector<Table> kTables{
    {"zzdcx",
     {{"ID", "id", true},
      {"zi", "simplified", false},
      {"traditional", "traditional", false},
      {"pinyin", "pinyin", false},
      {"strokes", "kangxi_strokes", true},
      {"simplified_strokes", "simplified_strokes", true},
      {"radical", "radical", false},
      {"readings", "readings", false},
      {"element", "element", false}},
     "zi"},
    {"z81",
     {{"num", "num", true},
      {"title", "title", false},
      {"luck", "luck", false},
      {"hint", "hint", false},
      {"detail", "detail", false}},
     ""},
    {"zsancai",
     {{"id", "", true},
      {"title", "title", false},
      {"luck", "luck", false},
      {"detail", "detail", false},
      {"basic_text", "basic_text", false},
      {"basic_luck", "basic_luck", false},
      {"success_text", "success_text", false},
      {"success_luck", "success_luck", false},
      {"relation_text", "relation_text", false},
      {"relation_luck", "relation_luck", false},
      {"character_text", "character_text", false}},
     "title"},
};

void createTable(quillan::sqlite::Database& db, const Table& table) {
  std::string sql = "CREATE TABLE " + table.name + " (";
  for (std::size_t i = 0; i < table.columns.size(); ++i) {
    const auto& column = table.columns[i];
    sql += (i > 0 ? ", " : "") + column.sqlName + (column.integer ? " INTEGER" : " TEXT");
    if (i == 0) {
      sql += " PRIMARY KEY";
    }
  }
  db.execute(sql + ")");
  if (!table.index.empty()) {
    db.execute("CREATE INDEX " + table.name + "_" + table.index + " ON " + table.name + " (" + table.index + ")");
  }
}

bool isUnsigned(const std::string& text) {
  return !text.empty() && text.size() <= 9 && text.find_first_not_of("0123456789") == std::string::npos;
}

// A table file read into memory: its header and its rows with the line each stands on.
struct TableFile {
  std::vector<std::string> header;
  std::vector<std::pair<std::size_t, std::vector<std::string>>> rows;
};

[[noreturn]] void failAt(const std::filesystem::path& file, std::size_t line, const std::string& why) {
  throw std::runtime_error(file.string() + ":" + std::to_string(line) + ": " + why);
}

// A text file of the numerology tables: a header line, then tab-separated rows.
TableFile readTextTable(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    throw std::runtime_error("cannot read " + file.string());
  }
  TableFile table;
  std::string line;
  std::size_t lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (lineNumber == 1 && line.starts_with("\xEF\xBB\xBF")) {
      line.erase(0, 3);
    }
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    auto fields = quillan::common::splitText(line, "\t");
    if (lineNumber == 1) {
      table.header = std::move(fields);
    } else if (!line.empty()) {
      if (fields.size() != table.header.size()) {
        failAt(file, lineNumber,
               std::to_string(fields.size()) + " fields where the header has " + std::to_string(table.header.size()));
      }
      table.rows.emplace_back(lineNumber, std::move(fields));
    }
  }
  return table;
}

// The character dictionary, through its own reader.
TableFile readCharacterTable(const std::filesystem::path& file) {
  std::string error;
  const auto characters = quillan::chartable::CharacterTable::read(file, error);
  if (!characters) {
    throw std::runtime_error(error);
  }
  TableFile table;
  table.header.assign(quillan::chartable::kColumns.begin(), quillan::chartable::kColumns.end());
  std::size_t lineNumber = 1;
  for (const auto& row : characters->rows()) {
    table.rows.emplace_back(
        ++lineNumber, std::vector<std::string>{std::to_string(row.id), row.simplified, row.traditional, row.pinyin,
                                               std::to_string(row.kangxiStrokes), std::to_string(row.simplifiedStrokes),
                                               std::to_string(row.radical), row.element,
                                               quillan::common::joinText(row.readings, " ")});
  }
  return table;
}

std::size_t loadTable(quillan::sqlite::Database& db, const Table& table, const std::filesystem::path& file) {
  const TableFile input = table.name == "zzdcx" ? readCharacterTable(file) : readTextTable(file);
  std::vector<int> sourceOf;  // field of every SQL column, -1 for the row number
  for (const auto& column : table.columns) {
    if (column.tsvName.empty()) {
      sourceOf.push_back(-1);
      continue;
    }
    const auto it = std::find(input.header.begin(), input.header.end(), column.tsvName);
    if (it == input.header.end()) {
      failAt(file, 1, "the header has no column \"" + column.tsvName + "\"");
    }
    sourceOf.push_back(static_cast<int>(it - input.header.begin()));
  }

  std::string sql = "INSERT INTO " + table.name + " VALUES (";
  for (std::size_t i = 0; i < table.columns.size(); ++i) {
    sql += i > 0 ? ", ?" : "?";
  }
  auto insert = db.prepare(sql + ")");
  std::size_t rows = 0;
  for (const auto& [lineNumber, fields] : input.rows) {
    ++rows;
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
      const auto& column = table.columns[c];
      const int bindAt = static_cast<int>(c) + 1;
      const std::string value = sourceOf[c] < 0 ? std::to_string(rows) : fields[static_cast<std::size_t>(sourceOf[c])];
      if (!quillan::common::utf8ToGbk(value)) {
        failAt(file, lineNumber, "\"" + column.tsvName + "\" holds a character GBK cannot carry: " + value);
      }
      if (column.integer && value.empty() && c > 0) {
        insert.bindNull(bindAt);
      } else if (column.integer) {
        if (!isUnsigned(value)) {
          failAt(file, lineNumber, "\"" + column.tsvName + "\" is not a whole number: \"" + value + "\"");
        }
        insert.bind(bindAt, std::stoi(value));
      } else {
        insert.bind(bindAt, value);
      }
    }
    try {
      insert.step();
    } catch (const quillan::sqlite::Error& error) {
      failAt(file, lineNumber, error.what());
    }
    insert.reset();
  }
  return rows;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Builds the data service's SQLite database from the TSV files under data/", "quillan-dbbuild"};
  std::filesystem::path out;
  std::map<std::string, std::filesystem::path> inputs;
  app.add_option("--out", out, "The database file to write (replaced as a whole)")->required();
  app.add_option("--characters", inputs["zzdcx"], "data/dictionary/characters.tsv (table zzdcx)")
      ->required()
      ->check(CLI::ExistingFile);
  app.add_option("--z81", inputs["z81"], "data/numerology/z81.tsv (table z81)")->required()->check(CLI::ExistingFile);
  app.add_option("--zsancai", inputs["zsancai"], "data/numerology/zsancai.tsv (table zsancai)")
      ->required()
      ->check(CLI::ExistingFile);
  CLI11_PARSE(app, argc, argv);

  const auto partial = std::filesystem::path(out.string() + ".partial");
  try {
    std::filesystem::create_directories(out.parent_path().empty() ? "." : out.parent_path());
    std::filesystem::remove(partial);
    {
      quillan::sqlite::Database db(partial, quillan::sqlite::Database::Mode::Create);
      db.execute("PRAGMA journal_mode = OFF");
      db.execute("BEGIN");
      for (const auto& table : kTables) {
        createTable(db, table);
        const auto& file = inputs[table.name];
        const auto rows = loadTable(db, table, file);
        if (rows == 0) {
          throw std::runtime_error(file.string() + " has no rows for table " + table.name);
        }
        std::cout << "quillan-dbbuild: table " << table.name << ": " << rows << " rows from " << file.string() << "\n";
      }
      db.execute("COMMIT");
    }
    std::filesystem::rename(partial, out);
  } catch (const std::exception& error) {
    std::cerr << "quillan-dbbuild: " << error.what() << "\n";
    std::error_code ignored;
    std::filesystem::remove(partial, ignored);
    return 1;
  }
  return 0;
}
