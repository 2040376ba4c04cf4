// quillan-cli certificate --surname 李 --given 明华 --date 2013-05-20 --hour 10 [--photo FILE]
// [--out FILE] [--json]: the certificate's eleven texts, one per line ("1: …"), and with --out the
// certificate image in the format the file's extension names.
#include <algorithm>
#include <iostream>
#include <memory>
#include <string>

#include "calendar/CalendarRange.h"
#include "certificate/CertificateImageFile.h"
#include "cli/CommandFailure.h"
#include "cli/Commands.h"
#include "cli/EvaluationCheck.h"
#include "cli/JsonText.h"
#include "cli/ServiceConnection.h"
#include "common/RandomGenerator.h"
#include "evaluate/BirthDateTexts.h"
#include "evaluate/Certificate.h"
#include "sources/ServiceCharacterLookup.h"

namespace quillan::cli {
namespace {

struct CertificateOptions {
  std::string surname;
  std::string given;
  std::string date;
  std::string hour;
  std::string photo;
  std::string out;
  bool json = false;
};

std::string certificateJson(const evaluate::EvaluationResult& texts, const std::string& number) {
  std::string slots;
  for (const auto& text : evaluate::certificateSlots(texts)) {
    slots += (slots.empty() ? "" : ",") + jsonString(text);
  }
  return "{\"texts\":[" + slots + "],\"number\":" + jsonString(number) + "}";
}

struct Birth {
  calendar::Date date;
  int hour;
};

// Everything that can be refused is refused before a service is started.
Birth checkedInputs(const CertificateOptions& options) {
  if (const auto problem = evaluate::nameInputProblem(options.surname, options.given)) {
    failCommand(kExitBadInput, problem->message);
  }
  const auto hour = evaluate::parseBirthHour(options.hour);
  if (!hour) {
    failCommand(kExitBadInput, evaluate::kBirthHourProblem);
  }
  const auto date = calendar::parseDate(options.date);
  if (!date) {
    failCommand(kExitBadInput, "--date wants a day written YYYY-MM-DD, got \"" + options.date + "\"");
  }
  if (!calendar::inCalendarRange(*date)) {
    failCommand(kExitBadInput, "--date must lie from " + calendar::formatDate(calendar::kFirstDate) + " to " +
                                   calendar::formatDate(calendar::kLastDate) + ", the calendar's range");
  }
  if (!options.out.empty() && !certificate::isCertificateImagePath(options.out)) {
    failCommand(kExitBadInput, "--out must end in .bmp, .jpg, .gif, .png or .tiff: " + options.out);
  }
  return {*date, *hour};
}

void writeImage(const CertificateOptions& options, const evaluate::EvaluationResult& texts, const std::string& number) {
  const certificate::CertificateImageRequest request{texts, number, options.photo};
  if (const auto problem = certificate::saveCertificateImage(request, options.out)) {
    failCommand(1, "保存失败：" + *problem);
  }
}

}  // namespace

void addCertificateCommand(CLI::App& app, std::shared_ptr<ServiceOptions> service) {
  auto* command = app.add_subcommand("certificate", "Make the naming certificate of a name and birth date");
  auto options = std::make_shared<CertificateOptions>();
  command->add_option("--surname", options->surname, "姓: one or two Chinese characters")->required();
  command->add_option("--given", options->given, "名: one or two Chinese characters")->required();
  command->add_option("--date", options->date, "Birth date, YYYY-MM-DD (China Standard Time), 1901-2100")->required();
  command->add_option("--hour", options->hour, "Birth hour, 0-23")->required();
  command->add_option("--photo", options->photo, "The baby's photo for the certificate's frame")
      ->check(CLI::ExistingFile);
  command->add_option("--out", options->out, "Write the certificate image here (.bmp .jpg .gif .png .tiff)");
  command->add_flag("--json", options->json, "Print the texts and the certificate number as JSON");
  command->callback([options, service] {
    const Birth birth = checkedInputs(*options);
    ServiceConnection connection(*service);
    sources::ServiceCharacterLookup lookup(connection.client());
    const auto evaluation =
        evaluate::certificateEvaluation(options->surname, options->given, birth.date, birth.hour, lookup);
    requireEvaluated(evaluation, connection);
    common::RandomGenerator random(common::RandomGenerator::tickSeed());
    const std::string number = evaluate::certificateNumber(random);
    if (!options->out.empty()) {
      writeImage(*options, evaluation.result, number);
    }
    if (options->json) {
      std::cout << certificateJson(evaluation.result, number) << '\n';
      return;
    }
    const auto slots = evaluate::certificateSlots(evaluation.result);
    for (std::size_t i = 0; i < slots.size(); ++i) {
      std::cout << i + 1 << ": " << slots[i] << '\n';
    }
  });
}

}  // namespace quillan::cli
