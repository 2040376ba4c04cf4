#include "DependencyCheck.h"

#include <fstream>
#include <functional>
#include <regex>

namespace quillan::depcheck {
namespace {

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\r')) {
    text.remove_prefix(1);
  }
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
    text.remove_suffix(1);
  }
  return text;
}

std::set<std::string> words(std::string_view text) {
  std::set<std::string> out;
  while (!(text = trimmed(text)).empty()) {
    const auto end = text.find_first_of(" \t");
    out.emplace(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end);
  }
  return out;
}

// Everything a module may include: itself and all it reaches.
std::set<std::string> reach(const ModuleGraph& graph, const std::string& module) {
  std::set<std::string> seen{module};
  std::vector<std::string> open{module};
  while (!open.empty()) {
    const auto current = open.back();
    open.pop_back();
    const auto it = graph.find(current);
    if (it == graph.end()) {
      continue;
    }
    for (const auto& dep : it->second) {
      if (seen.insert(dep).second) {
        open.push_back(dep);
      }
    }
  }
  return seen;
}

int countBackEdges(const ModuleGraph& graph, std::vector<std::string>& faults) {
  enum class Mark { None, Open, Done };
  std::map<std::string, Mark> marks;
  int backEdges = 0;
  std::function<void(const std::string&)> visit = [&](const std::string& module) {
    marks[module] = Mark::Open;
    if (const auto it = graph.find(module); it != graph.end()) {
      for (const auto& dep : it->second) {
        if (marks[dep] == Mark::Open) {
          ++backEdges;
          faults.push_back(module + " depends on " + dep + ", which depends on " + module + " again: a cycle");
        } else if (marks[dep] == Mark::None) {
          visit(dep);
        }
      }
    }
    marks[module] = Mark::Done;
  };
  for (const auto& [module, deps] : graph) {
    if (marks[module] == Mark::None) {
      visit(module);
    }
  }
  return backEdges;
}

bool isSource(const std::filesystem::path& path) {
  const auto extension = path.extension();
  return extension == ".h" || extension == ".cpp";
}

}  // namespace

std::optional<ModuleGraph> parseModuleList(std::string_view text, std::string& error) {
  ModuleGraph graph;
  int lineNumber = 0;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const auto line = trimmed(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    ++lineNumber;
    if (line.empty()) {
      continue;
    }
    const auto colon = line.find(':');
    const auto name = colon == std::string_view::npos ? std::string_view{} : trimmed(line.substr(0, colon));
    if (name.empty()) {
      error = "line " + std::to_string(lineNumber) + ": not \"module: dependencies\"";
      return std::nullopt;
    }
    if (!graph.emplace(std::string(name), words(line.substr(colon + 1))).second) {
      error = "line " + std::to_string(lineNumber) + ": " + std::string(name) + " is listed twice";
      return std::nullopt;
    }
  }
  return graph;
}

CheckReport checkTree(const std::filesystem::path& sourceRoot, const ModuleGraph& graph) {
  CheckReport report;
  std::set<std::string> folders;
  for (const auto& entry : std::filesystem::directory_iterator(sourceRoot)) {
    if (entry.is_directory()) {
      folders.insert(entry.path().filename().string());
    }
  }
  for (const auto& folder : folders) {
    if (!graph.contains(folder)) {
      report.faults.push_back("src/" + folder + " is no module the build lists");
    }
  }
  for (const auto& [module, deps] : graph) {
    if (!folders.contains(module)) {
      report.faults.push_back(module + " is listed but has no folder under src/");
    }
    for (const auto& dep : deps) {
      if (!graph.contains(dep)) {
        report.faults.push_back(module + " depends on " + dep + ", which is no module");
      }
    }
  }
  report.backEdges = countBackEdges(graph, report.faults);

  static const std::regex kInclude(R"(^\s*#\s*include\s*"([A-Za-z0-9_]+)/[^"]+")");
  for (const auto& module : folders) {
    if (!graph.contains(module)) {
      continue;
    }
    const auto allowed = reach(graph, module);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(sourceRoot / module)) {
      if (!entry.is_regular_file() || !isSource(entry.path())) {
        continue;
      }
      std::ifstream in(entry.path());
      std::string line;
      int lineNumber = 0;
      while (std::getline(in, line)) {
        ++lineNumber;
        std::smatch match;
        if (!std::regex_search(line, match, kInclude) || !folders.contains(match[1].str())) {
          continue;
        }
        ++report.includesChecked;
        if (!allowed.contains(match[1].str())) {
          report.faults.push_back(entry.path().lexically_relative(sourceRoot.parent_path()).generic_string() + ":" +
                                  std::to_string(lineNumber) + ": includes " + match[1].str() + "/…, which " + module +
                                  " does not link");
        }
      }
    }
  }
  return report;
}

}  // namespace quillan::depcheck
