#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <string>

// Benchmarks use the bundled database once the dictionary is in it, else the small fixture.
inline std::filesystem::path benchDatabase() {
  sqlite3* db = nullptr;
  int rows = 0;
  if (sqlite3_open_v2(QUILLAN_BUILT_DATABASE, &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
    sqlite3_exec(
        db, "SELECT count(*) FROM zzdcx WHERE zi IN ('华','李','明','小')",
        [](void* out, int, char** values, char**) {
          *static_cast<int*>(out) = std::stoi(values[0]);
          return 0;
        },
        &rows, nullptr);
  }
  sqlite3_close(db);
  return rows >= 4 ? std::filesystem::path(QUILLAN_BUILT_DATABASE) : std::filesystem::path(QUILLAN_BENCH_FIXTURE);
}
