#pragma once

#include <map>
#include <string>
#include <vector>

namespace quillan::calendar::test {

// One row of a fixture, by column name.
using TsvRow = std::map<std::string, std::string>;

// Reads tests/data/calendar/<name>: lines starting with '#' are comments, the first other line
// names the columns. Fails the calling test (through an exception) when the file is missing.
std::vector<TsvRow> readCalendarFixture(const std::string& name);

}  // namespace quillan::calendar::test
