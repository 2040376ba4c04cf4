#include "app/EvaluationCommands.h"

#include <QDateEdit>
#include <QDir>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>
#include <variant>

#include "app/BackgroundRunner.h"
#include "app/CertificateWindow.h"
#include "app/CompareWindow.h"
#include "app/GenerationPage.h"
#include "app/ReportWindow.h"
#include "app/ResultListModel.h"
#include "app/ScoringPage.h"
#include "app/ShortlistEntries.h"
#include "common/RandomGenerator.h"
#include "evaluate/BirthDateTexts.h"
#include "evaluate/Certificate.h"
#include "evaluate/ReportOutput.h"
#include "generate/BirthdayChart.h"

namespace quillan::app {
namespace {

// A comparison, or the evaluation that stopped it (a character not found, the service down).
using Compared = std::variant<compare::Comparison, evaluate::Evaluation>;

evaluate::Evaluation unreachable(const std::string& problem) {
  evaluate::Evaluation evaluation;
  evaluation.status = evaluate::EvaluationStatus::ServiceUnreachable;
  evaluation.message = "无法连接数据服务";
  if (!problem.empty()) {
    evaluation.message += "：" + problem;
  }
  return evaluation;
}

}  // namespace

EvaluationCommands::EvaluationCommands(ScoringPage* scoring, GenerationPage* generation, BackgroundRunner* background,
                                       const DialogHooks* hooks, QWidget* window)
    : QObject(window),
      scoring_(scoring),
      generation_(generation),
      background_(background),
      hooks_(hooks),
      window_(window),
      reportFolder_(QDir::tempPath()) {
  connect(scoring_->scoreButton(), &QPushButton::clicked, this, &EvaluationCommands::scoreName);
  connect(scoring_->certificateButton(), &QPushButton::clicked, this, &EvaluationCommands::buildCertificate);
  connect(scoring_->addPhotoButton(), &QPushButton::clicked, this, &EvaluationCommands::addPhoto);
  connect(scoring_->removePhotoButton(), &QPushButton::clicked, this, &EvaluationCommands::removePhoto);
  connect(generation_, &GenerationPage::rowActivated, this, &EvaluationCommands::reportRow);
  scoring_->commandsReady();
}

void EvaluationCommands::setBusy(bool busy) {
  scoring_->setBusy(busy);
  // The generation page's commands get back the state they had, not simply "enabled".
  QPushButton* generate = generation_->generateButton();
  QPushButton* exportList = generation_->exportButton();
  if (busy) {
    generateWasEnabled_ = generate->isEnabled();
    exportWasEnabled_ = exportList->isEnabled();
    generation_->setBusy(true);
  } else {
    generation_->setBusy(false);
    generate->setEnabled(generateWasEnabled_);
    exportList->setEnabled(exportWasEnabled_);
  }
}

void EvaluationCommands::setSources(DataSources sources, std::string problem) {
  sources_ = std::move(sources);
  problem_ = std::move(problem);
}

void EvaluationCommands::evaluate(Run run, bool wantFields, std::function<void(const Outcome&)> then) {
  if (!sources_.lookup || (wantFields && !sources_.texts)) {
    then({unreachable(problem_), std::nullopt});
    return;
  }
  setBusy(true);
  background_->run<Outcome>(
      this,
      [run = std::move(run), wantFields, sources = sources_] {
        Outcome outcome{run(*sources.lookup), std::nullopt};
        if (wantFields && outcome.evaluation.status == evaluate::EvaluationStatus::Done) {
          outcome.fields = evaluate::reportFields(outcome.evaluation, *sources.texts);
        }
        return outcome;
      },
      [this, then = std::move(then)](BackgroundOutcome<Outcome> done) {
        setBusy(false);
        if (!done.result) {
          // The wait has its end: the service's time-out, or a failure that says what it was.
          then({unreachable(done.ending == BackgroundOutcome<Outcome>::Ending::TimedOut ? "等待超时" : done.failure),
                std::nullopt});
          return;
        }
        then(*done.result);
      },
      BackgroundRunner::kServiceTimeout);
}

void EvaluationCommands::refuse(const evaluate::Evaluation& evaluation) {
  hooks_->inform(window_, tr("温馨提示"), QString::fromStdString(evaluation.message), DialogHooks::Tone::Warning);
  if (evaluation.focus == evaluate::InputFocus::Surname) {
    scoring_->surnameBox()->setFocus();
  } else if (evaluation.focus == evaluate::InputFocus::Given) {
    scoring_->givenBox()->setFocus();
  }
}

void EvaluationCommands::showReport(const Outcome& outcome) {
  if (outcome.evaluation.status != evaluate::EvaluationStatus::Done) {
    refuse(outcome.evaluation);
    return;
  }
  const auto page = std::filesystem::path(reportFolder_.toStdU16String()) / "1.htm";
  if (const auto problem = evaluate::writeHtmlReport(page, *outcome.fields)) {
    hooks_->inform(window_, tr("温馨提示"), tr("报告文件无法写入：") + QString::fromStdString(*problem),
                   DialogHooks::Tone::Warning);
    return;
  }
  // The commands stay disabled until the modal report window is closed.
  setBusy(true);
  ReportWindow report(page, *outcome.fields, hooks_, window_);
  connect(&report, &ReportWindow::keepRequested, this,
          [this, entry = shortlistEntryOf(outcome.evaluation, reportEuphony_)] { emit shortlistRequested(entry); });
  report.exec();
  setBusy(false);
}

std::optional<bazi::BirthChart> EvaluationCommands::certificateChart() const {
  // The certificate page's birth date, with its hour when the box holds one.
  const QDate date = scoring_->dateBox()->date();
  bool hourRead = false;
  const int hour = scoring_->hourBox()->text().trimmed().toInt(&hourRead);
  bazi::BirthMoment birth{{date.year(), date.month(), date.day()}, std::nullopt, 0, std::nullopt};
  if (hourRead && hour >= 0 && hour <= 23) {
    birth.hour = hour;
  }
  return bazi::birthChart(birth);
}

void EvaluationCommands::scoreName() {
  const std::string surname = scoring_->surnameBox()->text().trimmed().toStdString();
  const std::string given = scoring_->givenBox()->text().trimmed().toStdString();
  if (const auto problem = evaluate::nameInputProblem(surname, given)) {
    refuse(*problem);
    return;
  }
  reportEuphony_ = -1;
  evaluate(
      [surname, given, avoidance = generation_->avoidance(),
       chart = certificateChart()](chars::CharacterLookup& lookup) {
        auto evaluation = evaluate::evaluateName(surname, given, lookup, avoidance);
        evaluation.inputs.chart = chart;
        return evaluation;
      },
      true, [this](const Outcome& outcome) { showReport(outcome); });
}

void EvaluationCommands::keepScoredName() {
  const std::string surname = scoring_->surnameBox()->text().trimmed().toStdString();
  const std::string given = scoring_->givenBox()->text().trimmed().toStdString();
  if (const auto problem = evaluate::nameInputProblem(surname, given)) {
    refuse(*problem);
    return;
  }
  evaluate([surname, given](chars::CharacterLookup& lookup) { return evaluate::evaluateName(surname, given, lookup); },
           false,
           [this](const Outcome& outcome) {
             if (outcome.evaluation.status != evaluate::EvaluationStatus::Done) {
               return refuse(outcome.evaluation);
             }
             emit shortlistRequested(shortlistEntryOf(outcome.evaluation));
           });
}

void EvaluationCommands::compareNames(std::vector<std::pair<std::string, std::string>> names,
                                      std::vector<int> euphonies) {
  if (!sources_.lookup) {
    refuse(unreachable(problem_));
    return;
  }
  setBusy(true);
  background_->run<Compared>(
      this,
      [names = std::move(names), euphonies = std::move(euphonies), sources = sources_]() -> Compared {
        std::vector<compare::ComparedName> compared;
        for (std::size_t i = 0; i < names.size(); ++i) {
          auto evaluation = evaluate::evaluateName(names[i].first, names[i].second, *sources.lookup);
          if (evaluation.status != evaluate::EvaluationStatus::Done) {
            return evaluation;
          }
          compared.push_back({std::move(evaluation), i < euphonies.size() ? euphonies[i] : -1});
        }
        return compare::compareNames(compared, sources.texts.get());
      },
      [this](BackgroundOutcome<Compared> done) {
        setBusy(false);
        if (!done.result) {
          return refuse(
              unreachable(done.ending == BackgroundOutcome<Compared>::Ending::TimedOut ? "等待超时" : done.failure));
        }
        if (const auto* refused = std::get_if<evaluate::Evaluation>(&*done.result)) {
          return refuse(*refused);
        }
        auto* window = new CompareWindow(std::get<compare::Comparison>(*done.result), hooks_, window_);
        window->show();
      },
      BackgroundRunner::kServiceTimeout);
}

void EvaluationCommands::reportRow(int row) {
  const ResultListModel& list = generation_->results();
  if (row < 0 || row >= list.rowCount()) {
    return;
  }
  using generate::ResultColumn;
  const auto& cells = list.row(row);
  const std::string name = cells[ResultColumn::Name];
  const std::string grids = cells[ResultColumn::Grids];
  const std::string score = cells[ResultColumn::Score];
  reportEuphony_ = cells.details.euphony;
  evaluate(
      [name, grids, score, avoidance = generation_->avoidance(),
       chart = generate::birthdayChart(generation_->request().birthday)](chars::CharacterLookup& lookup) {
        auto evaluation = evaluate::evaluateRow(name, grids, score, lookup, avoidance);
        evaluation.inputs.chart = chart;
        return evaluation;
      },
      true, [this](const Outcome& outcome) { showReport(outcome); });
}

void EvaluationCommands::buildCertificate() {
  const std::string surname = scoring_->surnameBox()->text().trimmed().toStdString();
  const std::string given = scoring_->givenBox()->text().trimmed().toStdString();
  const QString hourText = scoring_->hourBox()->text().trimmed();
  auto refuseBox = [&](QLineEdit* box, const QString& text) {
    hooks_->inform(window_, tr("温馨提示"), text, DialogHooks::Tone::Warning);
    box->setFocus();
  };
  if (surname.empty()) {
    return refuseBox(scoring_->surnameBox(), tr("请输入姓氏！"));
  }
  if (given.empty()) {
    return refuseBox(scoring_->givenBox(), tr("请输入名字！"));
  }
  if (hourText.isEmpty()) {
    return refuseBox(scoring_->hourBox(), tr("请输入出生时辰！"));
  }
  const auto hour = evaluate::parseBirthHour(hourText.toStdString());
  if (!hour) {
    return refuseBox(scoring_->hourBox(), QString::fromUtf8(evaluate::kBirthHourProblem));
  }
  if (const auto problem = evaluate::nameInputProblem(surname, given)) {
    return refuse(*problem);
  }
  const QDate date = scoring_->dateBox()->date();
  const calendar::Date birth{date.year(), date.month(), date.day()};
  evaluate(
      [surname, given, birth, hour = *hour](chars::CharacterLookup& lookup) {
        return evaluate::certificateEvaluation(surname, given, birth, hour, lookup);
      },
      false, [this](const Outcome& outcome) { showCertificate(outcome); });
}

void EvaluationCommands::showCertificate(const Outcome& outcome) {
  if (outcome.evaluation.status != evaluate::EvaluationStatus::Done) {
    return refuse(outcome.evaluation);
  }
  certificate::CertificateContent content;
  content.texts = outcome.evaluation.result;
  common::RandomGenerator random(common::RandomGenerator::tickSeed());
  content.number = QString::fromStdString(evaluate::certificateNumber(random));
  content.photo = scoring_->photo();

  setBusy(true);
  CertificateWindow window(std::move(content), hooks_, window_);
  window.exec();
  setBusy(false);
}

void EvaluationCommands::addPhoto() {
  const QString path =
      hooks_->openFileName(window_, tr("加载图片"), tr("JPGE(*.jpg);;BMP(*.bmp);;GIF(*.gif);;TIFF(*.tiff)"));
  if (path.isEmpty()) {
    return;
  }
  QImageReader reader(path);
  reader.setAutoTransform(true);
  const QImage photo = reader.read();
  if (photo.isNull()) {
    hooks_->inform(window_, tr("温馨提示"), tr("无法读取图片：") + reader.errorString(), DialogHooks::Tone::Warning);
    return;
  }
  scoring_->setPhoto(photo);
}

void EvaluationCommands::removePhoto() { scoring_->setPhoto(QImage()); }

}  // namespace quillan::app
