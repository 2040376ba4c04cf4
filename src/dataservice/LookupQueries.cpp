#include "dataservice/LookupQueries.h"

namespace quillan::dataservice {
namespace {

std::string fill(const QueryForm& form, std::string_view value) {
  std::string out;
  out.reserve(form.prefix.size() + value.size() + form.suffix.size());
  out.append(form.prefix).append(value).append(form.suffix);
  return out;
}

}  // namespace

std::string characterLookupQuery(std::string_view character) { return fill(kCharacterLookupForm, character); }

std::string numberTextsQuery(std::string_view number) { return fill(kNumberTextsForm, number); }

std::string threeTalentsQuery(std::string_view elements) { return fill(kThreeTalentsForm, elements); }

}  // namespace quillan::dataservice
