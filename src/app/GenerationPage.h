#pragma once

#include <QDate>
#include <QTime>
#include <QWidget>
#include <memory>
#include <optional>

#include "app/DialogHooks.h"
#include "bazi/BirthChart.h"
#include "generate/GenerationOutcome.h"
#include "generate/GenerationRequest.h"
#include "quality/UserAvoidance.h"

namespace Ui {
class GenerationPage;
}

class QLabel;
class QPushButton;
class QRadioButton;
class QTableView;

namespace quillan::app {

class BirthDateBoxes;
class ResultFilterBar;
class ResultFilterProxy;
class ResultListModel;
class StatusHints;

// Page 0 of 选择夹1: the generation options, their panels and rules, the result list and the
// progress line. The run itself is driven by the window; this page only holds and checks inputs.
class GenerationPage : public QWidget {
  Q_OBJECT

 public:
  GenerationPage(const DialogHooks* hooks, QWidget* parent = nullptr);
  ~GenerationPage() override;

  // Start-up step 4: the lists are there, "生成" may be used and the placeholder goes.
  void listsLoaded();
  // Start-up step 5: the date boxes from now, then "三字" and "生日" where nothing is selected.
  void fillBirthDate(const QDate& today, const QTime& now);

  void registerHints(StatusHints& hints);

  // Changed only by the panels' "确定".
  generate::GenerationCharOption generationCharSetting() const { return generationCharSetting_; }
  generate::NicknamePattern nicknamePattern() const { return nicknamePattern_; }

  // Every selection a run depends on, read now.
  generate::GenerationRequest request() const;
  // The chart of the birthday while it is "生日" with a year, month, day and hour ("未知" too).
  std::optional<bazi::BirthChart> birthdayChart() const;

  // The family's avoid list, as the boxes beside the algorithm hold it (the last one they accepted).
  const quality::UserAvoidance& avoidance() const { return avoidance_; }
  void setAvoidance(quality::UserAvoidance avoidance);
  // The box a refusal of the request is about, for the focus after the message.
  QWidget* boxForRefusal(generate::RequestProblem problem) const;

  // The run has got past its lookups: the list is emptied, the introduction goes for good, and
  // high-score and self-chosen runs switch the name length to "三字" as they always make three
  // characters.
  void runBegins(generate::GenerationMode mode, int surnameChars);
  void showProgress(const QString& label, int range, int position);
  void hideProgress();

  ResultListModel& results() const { return *results_; }
  // The list as shown: filtered and sorted as the user asked.
  ResultFilterProxy& shown() const { return *shown_; }
  ResultFilterBar* filterBar() const { return filterBar_; }
  QPushButton* generateButton() const;
  QPushButton* exportButton() const;
  QTableView* resultView() const;

  // While a run or a lookup waits, the commands that could interleave with it are refused.
  void setBusy(bool busy);
  bool busy() const { return busy_; }

 signals:
  void generateRequested();
  void exportRequested();
  void bannerClicked();
  // A row of the result list (its place in the run, whatever the order shown).
  void rowActivated(int row);
  // The user changed the avoid list and it reads well.
  void avoidanceChanged(const quality::UserAvoidance& avoidance);
  // "加入备选名单" for the row (its place in the run).
  void shortlistRequested(int row);

 private:
  void showPanel(QWidget* panel);
  // The boxes' texts checked when the user leaves one: kept when they read well, else the user is
  // told why and the boxes go back to the last good list.
  void readAvoidanceBoxes();
  // "八字：… · 身强 · 喜用神：金、土" while the birthday is known, else nothing.
  void showBirthChart();
  void showCounts();
  void shortlistCurrent();
  void applyNameLengthRule(int index);
  void applyBirthdayRule(int index);
  QRadioButton* patternRadio(generate::NicknamePattern pattern) const;
  QRadioButton* optionRadio(generate::GenerationCharOption option) const;

  std::unique_ptr<Ui::GenerationPage> ui_;
  quality::UserAvoidance avoidance_;
  QLabel* chartLine_ = nullptr;
  const DialogHooks* hooks_;
  ResultListModel* results_;
  ResultFilterProxy* shown_;
  ResultFilterBar* filterBar_;
  BirthDateBoxes* birthDate_;
  generate::GenerationCharOption generationCharSetting_ = generate::GenerationCharOption::None;
  generate::NicknamePattern nicknamePattern_ = generate::NicknamePattern::AA;
  bool listsReady_ = false;
  bool busy_ = false;
};

}  // namespace quillan::app
