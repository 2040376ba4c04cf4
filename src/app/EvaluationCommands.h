#pragma once

#include <memory>

#include <QObject>
#include <functional>
#include <optional>

#include "app/DialogHooks.h"
#include "evaluate/Evaluation.h"

class QWidget;

namespace quillan::dataservice {
class DataServiceClient;
}

namespace quillan::app {

class DataServiceConnection;

class GenerationPage;
class ScoringPage;

// The evaluation commands of the window: "姓名评分", the double-click on a result row, "生成证书"
// and the photo buttons. The service is asked on a worker while the window waits; meanwhile the
// commands that could interleave are disabled.
class EvaluationCommands : public QObject {
  Q_OBJECT

 public:
  // connection may be null (no data service): the commands then say the service is unreachable.
  EvaluationCommands(ScoringPage* scoring, GenerationPage* generation,
                     std::shared_ptr<DataServiceConnection> connection, const DialogHooks* hooks, QWidget* window);

  void scoreName();
  void reportRow(int row);
  void buildCertificate();
  void addPhoto();
  void removePhoto();

 private:
  struct Outcome;
  // Evaluates on a worker (and gathers the report texts when wanted) with the commands disabled.
  Outcome evaluate(const std::function<evaluate::Evaluation(chars::CharacterLookup&)>& run, bool wantFields);
  void showReport(const Outcome& outcome);
  void refuse(const evaluate::Evaluation& evaluation);
  void setBusy(bool busy);

  ScoringPage* scoring_;
  GenerationPage* generation_;
  std::shared_ptr<DataServiceConnection> connection_;
  const DialogHooks* hooks_;
  QWidget* window_;
  bool generateWasEnabled_ = false;
  bool exportWasEnabled_ = false;
};

}  // namespace quillan::app
