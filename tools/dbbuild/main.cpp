// quillan-dbbuild: builds the data service's SQLite database from the TSV files under data/.
// Run by the build; a missing or malformed input fails the build with the file and line.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <set>
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
      {"element", "element", false},
      // Added after the columns callers have always read by position.
      {"element_basis", "element_basis", false},
      {"tgh_level", "tgh_level", true},
      {"surname_reading", "surname_reading", false},
      {"compound_surnames", "compound_surnames", false},
      {"meaning", "meaning", false}},
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

// What the dictionary's rows are joined with: the surname readings and the meanings, by character.
struct CharacterExtras {
  std::map<std::string, std::string> surnameReading;    // a one-character surname's reading
  std::map<std::string, std::string> compoundSurnames;  // "司马:sī mǎ|司徒:sī tú" by first character
  std::map<std::string, std::string> meaning;
};

// The field of a text table's row by its column name.
const std::string& fieldOf(const TableFile& table, const std::vector<std::string>& row, const std::string& name,
                           const std::filesystem::path& file) {
  const auto it = std::find(table.header.begin(), table.header.end(), name);
  if (it == table.header.end()) {
    failAt(file, 1, "the header has no column \"" + name + "\"");
  }
  return row[static_cast<std::size_t>(it - table.header.begin())];
}

CharacterExtras readExtras(const std::filesystem::path& surnamesFile, const std::filesystem::path& meaningsFile) {
  CharacterExtras extras;
  const TableFile surnames = readTextTable(surnamesFile);
  for (const auto& [line, row] : surnames.rows) {
    const auto& surname = fieldOf(surnames, row, "surname", surnamesFile);
    const auto& reading = fieldOf(surnames, row, "reading", surnamesFile);
    const auto characters = quillan::common::splitCharacters(surname);
    if (characters.size() != quillan::common::splitText(reading, " ").size()) {
      failAt(surnamesFile, line, "one reading per character of " + surname);
    }
    if (characters.size() == 1) {
      extras.surnameReading[surname] = reading;
    } else if (characters.size() == 2) {
      auto& compounds = extras.compoundSurnames[characters.front()];
      compounds += (compounds.empty() ? "" : "|") + surname + ":" + reading;
    } else {
      failAt(surnamesFile, line, "a surname has one or two characters");
    }
  }
  const TableFile meanings = readTextTable(meaningsFile);
  for (const auto& [line, row] : meanings.rows) {
    if (!extras.meaning
             .emplace(fieldOf(meanings, row, "character", meaningsFile),
                      fieldOf(meanings, row, "meaning", meaningsFile))
             .second) {
      failAt(meaningsFile, line, "a character stands twice");
    }
  }
  return extras;
}

std::string extraOf(const std::map<std::string, std::string>& extras, const std::string& character) {
  const auto it = extras.find(character);
  return it == extras.end() ? std::string() : it->second;
}

// The character dictionary, through its own reader, joined with the extras.
TableFile readCharacterTable(const std::filesystem::path& file, const CharacterExtras& extras) {
  std::string error;
  const auto characters = quillan::chartable::CharacterTable::read(file, error);
  if (!characters) {
    throw std::runtime_error(error);
  }
  TableFile table;
  table.header.assign(quillan::chartable::kColumns.begin(), quillan::chartable::kColumns.end());
  table.header.insert(table.header.end(), {"surname_reading", "compound_surnames", "meaning"});
  std::size_t lineNumber = 1;
  for (const auto& row : characters->rows()) {
    table.rows.emplace_back(
        ++lineNumber, std::vector<std::string>{
                          std::to_string(row.id), row.simplified, row.traditional, row.pinyin,
                          std::to_string(row.kangxiStrokes), std::to_string(row.simplifiedStrokes),
                          std::to_string(row.radical), row.element, quillan::common::joinText(row.readings, " "),
                          row.tghLevel > 0 ? std::to_string(row.tghLevel) : std::string(), row.elementBasis,
                          extraOf(extras.surnameReading, row.simplified),
                          extraOf(extras.compoundSurnames, row.simplified), extraOf(extras.meaning, row.simplified)});
  }
  return table;
}

std::size_t loadTable(quillan::sqlite::Database& db, const Table& table, const std::filesystem::path& file,
                      const CharacterExtras& extras) {
  const TableFile input = table.name == "zzdcx" ? readCharacterTable(file, extras) : readTextTable(file);
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
  // Checked after the rows, so that a malformed row is reported at its line first.
  if (table.name == "zzdcx") {
    std::set<std::string> present;
    for (const auto& [lineNumber, fields] : input.rows) {
      present.insert(fields[1]);
    }
    for (const auto* joined : {&extras.surnameReading, &extras.meaning}) {
      for (const auto& [character, value] : *joined) {
        if (!present.contains(character)) {
          throw std::runtime_error(character + " has a surname reading or a meaning but no row in " + file.string());
        }
      }
    }
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
  std::filesystem::path surnames;
  std::filesystem::path meanings;
  app.add_option("--surnames", surnames, "data/folk/surnames.tsv (the surname readings of zzdcx)")
      ->required()
      ->check(CLI::ExistingFile);
  app.add_option("--meanings", meanings, "data/names/meanings.tsv (the meanings of zzdcx)")
      ->required()
      ->check(CLI::ExistingFile);
  CLI11_PARSE(app, argc, argv);

  const auto partial = std::filesystem::path(out.string() + ".partial");
  try {
    std::filesystem::create_directories(out.parent_path().empty() ? "." : out.parent_path());
    std::filesystem::remove(partial);
    const CharacterExtras extras = readExtras(surnames, meanings);
    {
      quillan::sqlite::Database db(partial, quillan::sqlite::Database::Mode::Create);
      db.execute("PRAGMA journal_mode = OFF");
      db.execute("BEGIN");
      for (const auto& table : kTables) {
        createTable(db, table);
        const auto& file = inputs[table.name];
        const auto rows = loadTable(db, table, file, extras);
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
