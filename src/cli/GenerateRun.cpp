#include "cli/GenerateRun.h"

#include <vector>

#include "cli/Commands.h"
#include "cli/RowOutput.h"
#include "generate/Generate.h"
#include "generate/RequestCheck.h"
#include "generate/ResultExport.h"
#include "resultview/RowKeys.h"

namespace quillan::cli {
namespace {

constexpr int kExitWriteFailed = 1;

int exitCodeOf(generate::GenerationStatus status) {
  switch (status) {
    case generate::GenerationStatus::Completed:
      return kExitOk;
    case generate::GenerationStatus::Refused:
      return kExitBadInput;
    case generate::GenerationStatus::ServiceUnreachable:
      return kExitServiceUnreachable;
    case generate::GenerationStatus::CharacterNotFound:
      break;
  }
  return kExitNotFound;
}

}  // namespace

int runGenerateCommand(const GenerateOptions& options, const std::tm& now, const chars::CharacterLists& lists,
                       const LookupProvider& lookup, std::ostream& out, std::ostream& err) {
  const auto converted = requestFromOptions(options, now);
  if (!converted.error.empty()) {
    err << "quillan-cli: " << converted.error << '\n';
    return kExitBadInput;
  }
  const auto check = generate::checkRequest(converted.request, lists);
  if (!check.checked) {
    err << generate::kMessageCaption << "：" << generate::problemMessage(check.problem) << '\n';
    return kExitBadInput;
  }
  const auto filtered = filterFromOptions(options, static_cast<int>(check.checked->surnameCharacters.size()));
  if (!filtered.error.empty()) {
    err << "quillan-cli: " << filtered.error << '\n';
    return kExitBadInput;
  }

  std::vector<generate::ResultRow> rows;
  std::vector<std::string> notices;
  generate::GenerationSinks sinks;
  sinks.row = [&](generate::ResultRow row) { rows.push_back(std::move(row)); };
  sinks.notice = [&](std::string_view message) {
    notices.emplace_back(message);
    err << generate::kMessageCaption << "：" << message << '\n';
  };
  const auto outcome = generate::runGenerate(*check.checked, lists, lookup(), sinks);
  if (outcome.status != generate::GenerationStatus::Completed) {
    err << generate::kMessageCaption << "：" << outcome.message << '\n';
    return exitCodeOf(outcome.status);
  }

  // The rows the window would show with the same filter and header: those go out.
  const auto column = resultview::sortColumnNamed(options.sort);
  if (!filtered.filter.empty() || column) {
    const auto order = options.descending ? resultview::SortOrder::Descending : resultview::SortOrder::Ascending;
    std::vector<generate::ResultRow> shown;
    for (std::size_t i : resultview::shownRows(rows, filtered.filter, column, order)) {
      shown.push_back(std::move(rows[i]));
    }
    rows = std::move(shown);
  }

  if (!options.out.empty()) {
    const auto written = generate::exportResultList(options.out, rows);
    if (!written.ok) {
      err << "quillan-cli: " << written.message << '\n';
      return kExitWriteFailed;
    }
    err << "已导出 " << rows.size() << " 个名字到：" << options.out << '\n';
  } else {
    writeRows(out, options.format, rows, outcome.summary, notices);
  }
  if (!outcome.summary.empty() && (options.format != RowFormat::Json || !options.out.empty())) {
    err << outcome.summary << '\n';
  }
  return kExitOk;
}

}  // namespace quillan::cli
