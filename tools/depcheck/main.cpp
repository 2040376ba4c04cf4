// quillan-depcheck: holds every include under src/ to the module dependencies the build declares.
// Exit code 0 when all is well, 1 with one line per fault otherwise.
#include <fstream>
#include <iostream>
#include <iterator>

#include "DependencyCheck.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: quillan-depcheck <src folder> <build>/quillan-modules.txt\n";
    return 2;
  }
  std::ifstream in(argv[2], std::ios::binary);
  if (!in) {
    std::cerr << "quillan-depcheck: cannot read " << argv[2] << "\n";
    return 2;
  }
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::string error;
  const auto graph = quillan::depcheck::parseModuleList(text, error);
  if (!graph) {
    std::cerr << "quillan-depcheck: " << argv[2] << ": " << error << "\n";
    return 2;
  }
  const auto report = quillan::depcheck::checkTree(argv[1], *graph);
  for (const auto& fault : report.faults) {
    std::cout << fault << "\n";
  }
  std::cout << "quillan-depcheck: " << graph->size() << " modules, " << report.includesChecked << " includes checked, "
            << report.faults.size() << " faults, " << report.backEdges << " back-edges\n";
  return report.passed() ? 0 : 1;
}
