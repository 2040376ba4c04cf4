// quillan-cli lists [--gender boy|girl]: the built-in name list, one entry per line.
#include <iostream>
#include <map>

#include "chars/CharacterLists.h"
#include "cli/Commands.h"

namespace quillan::cli {

void addListsCommand(CLI::App& app) {
  auto* command = app.add_subcommand("lists", "Print a built-in given-name list, one entry per line");
  auto gender = std::make_shared<chars::Gender>(chars::Gender::Boy);
  const std::map<std::string, chars::Gender> genders{{"boy", chars::Gender::Boy}, {"girl", chars::Gender::Girl}};
  command->add_option("--gender", *gender, "boy or girl (default boy)")
      ->transform(CLI::CheckedTransformer(genders, CLI::ignore_case));
  command->callback([gender] {
    const auto lists = chars::loadBuiltInLists();
    for (const auto& entry : lists.forGender(*gender)) {
      std::cout << entry << '\n';
    }
  });
}

}  // namespace quillan::cli
