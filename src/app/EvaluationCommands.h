#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/DataSources.h"
#include "app/DialogHooks.h"
#include "bazi/BirthChart.h"
#include "evaluate/Evaluation.h"
#include "evaluate/ReportFields.h"
#include "shortlist/ShortlistEntry.h"

class QWidget;

namespace quillan::app {

class BackgroundRunner;
class GenerationPage;
class ScoringPage;

// The evaluation commands of the window: "姓名评分", the double-click on a result row, "生成证书"
// and the photo buttons. The service is asked in the background; meanwhile the commands that
// could interleave are disabled, and the window goes on with its events.
class EvaluationCommands : public QObject {
  Q_OBJECT

 public:
  EvaluationCommands(ScoringPage* scoring, GenerationPage* generation, BackgroundRunner* background,
                     const DialogHooks* hooks, QWidget* window);

  // What start-up reached: the sources (empty when there is no data service) and why not.
  void setSources(DataSources sources, std::string problem);

  // Where the report page is written ("1.htm", replaced by every report).
  void setReportFolder(const QString& folder) { reportFolder_ = folder; }

  void scoreName();
  void reportRow(int row);
  // "加入备选名单" on the scoring page: the name in the boxes, scored.
  void keepScoredName();
  // Two to four names (surname, given) side by side, with the 音律分 each was kept with.
  void compareNames(std::vector<std::pair<std::string, std::string>> names, std::vector<int> euphonies);

 signals:
  void shortlistRequested(shortlist::ShortlistEntry entry);

 public:
  void buildCertificate();
  void addPhoto();
  void removePhoto();

 private:
  struct Outcome {
    evaluate::Evaluation evaluation;
    std::optional<evaluate::ReportFields> fields;
  };
  using Run = std::function<evaluate::Evaluation(chars::CharacterLookup&)>;
  // Evaluates in the background (and gathers the report texts when wanted) with the commands
  // disabled, then hands the outcome to `then` on the window's thread.
  void evaluate(Run run, bool wantFields, std::function<void(const Outcome&)> then);
  void showReport(const Outcome& outcome);
  // The birth chart of the certificate page's date and hour, for the report's section "八字五行".
  std::optional<bazi::BirthChart> certificateChart() const;
  void showCertificate(const Outcome& outcome);
  void refuse(const evaluate::Evaluation& evaluation);
  void setBusy(bool busy);

  ScoringPage* scoring_;
  GenerationPage* generation_;
  BackgroundRunner* background_;
  const DialogHooks* hooks_;
  QWidget* window_;
  DataSources sources_;
  std::string problem_;
  QString reportFolder_;
  int reportEuphony_ = -1;  // the 音律分 of the row the report is about
  bool generateWasEnabled_ = false;
  bool exportWasEnabled_ = false;
};

}  // namespace quillan::app
