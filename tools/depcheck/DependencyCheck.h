#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// The module check: every folder under src/ is one module, and a file may include the headers of
// its own module and of the modules its library links (directly or through them), nothing else.
namespace quillan::depcheck {

// Each module's direct dependencies, as the build declares them.
using ModuleGraph = std::map<std::string, std::set<std::string>>;

// The build's list, one module a line: "name: dep dep …". nullopt, with the line in `error`, for
// a line without ":" or a module listed twice.
std::optional<ModuleGraph> parseModuleList(std::string_view text, std::string& error);

struct CheckReport {
  std::vector<std::string> faults;  // "src/chars/CharRecord.cpp:4: includes dataservice/…, which chars does not link"
  int backEdges = 0;                // dependencies that close a cycle; 0 for a graph that points one way
  int includesChecked = 0;

  bool passed() const { return faults.empty() && backEdges == 0; }
};

// Checks every source and header under `sourceRoot` against the graph.
CheckReport checkTree(const std::filesystem::path& sourceRoot, const ModuleGraph& graph);

}  // namespace quillan::depcheck
