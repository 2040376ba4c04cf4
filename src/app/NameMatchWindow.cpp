#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "app/BackgroundRunner.h"
#include "app/ChineseInputFilter.h"
#include "app/FolkWindows.h"
#include "app/PastimeInputs.h"
#include "app/PastimeWindow.h"
#include "bazi/ChartText.h"
#include "evaluate/Evaluation.h"
#include "folk/NameMatch.h"

namespace quillan::app {
namespace {

QString effectWord(folk::Effect effect) {
  switch (effect) {
    case folk::Effect::Helps:
      return QObject::tr("有助");
    case folk::Effect::Hinders:
      return QObject::tr("相违");
    case folk::Effect::Neutral:
      break;
  }
  return QObject::tr("平");
}

QString matchHtml(const folk::NameMatch& match, const bazi::BirthChart& chart, const QString& fullName) {
  QString html =
      QObject::tr("<h3>%1 · %2</h3><p>%3</p>")
          .arg(fullName.toHtmlEscaped(), htmlText(bazi::chartLine(chart)), htmlText(bazi::reasonSentence(chart)));
  html += QObject::tr(
      "<table cellpadding=\"4\" border=\"1\" cellspacing=\"0\"><tr><th>项目</th><th>五行</th><th>作用</th>"
      "<th>说明</th></tr>");
  for (const auto& line : match.lines) {
    html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>")
                .arg(htmlText(line.label), line.element.empty() ? QObject::tr("不明") : htmlText(line.element),
                     effectWord(line.effect), htmlText(line.reason));
  }
  return html + QObject::tr("</table><h3>%1</h3><p>%2</p>").arg(htmlText(match.verdict), htmlText(match.summary));
}

}  // namespace

PastimeWindow* makeNameMatchWindow(BirthStart start, LookupSource lookup, BackgroundRunner* background,
                                   const DialogHooks* hooks, QWidget* parent) {
  auto* window = new PastimeWindow(
      QStringLiteral("窗口_姓命配对"), QObject::tr("姓命配对"),
      QObject::tr("姓命配对把名字各字的五行和三才，与八字的喜用神对照着看，规则写在结果里，一步步可查。"
                  "这是民俗命理的一种看法，仅供参考；一个好名字，首先要好听、好写、寓意好。"),
      parent, hooks);
  auto* nameRow = addInputRow(window);
  auto* surname = new QLineEdit(window);
  surname->setObjectName(QStringLiteral("编辑框_姓"));
  surname->setMaxLength(2);
  auto* given = new QLineEdit(window);
  given->setObjectName(QStringLiteral("编辑框_名"));
  given->setMaxLength(2);
  new ChineseInputFilter(surname, QObject::tr("姓氏只能是中文汉字"), hooks);
  new ChineseInputFilter(given, QObject::tr("名字只能是中文汉字"), hooks);
  addCaption(nameRow, QObject::tr("姓"), surname);
  addCaption(nameRow, QObject::tr("名"), given);
  nameRow->addStretch(1);
  auto* row = addInputRow(window);
  auto* date = addDateBox(window, row, QObject::tr("公历生日"), QStringLiteral("日期框_生日"), start.date);
  auto* hour = addHourBox(window, row, start.hour, true);
  auto* run = addRunButton(window, row, QObject::tr("配对"));

  QObject::connect(run, &QPushButton::clicked, window, [=] {
    const std::string family = surname->text().toStdString();
    const std::string name = given->text().toStdString();
    const auto warn = [&](const QString& text) {
      hooks->inform(window, QObject::tr("温馨提示"), text, DialogHooks::Tone::Warning);
    };
    if (const auto problem = evaluate::nameInputProblem(family, name)) {
      warn(QString::fromStdString(problem->message));
      (problem->focus == evaluate::InputFocus::Given ? given : surname)->setFocus();
      return;
    }
    bazi::BirthMoment birth{calendarDate(date->date()), std::nullopt, 0, std::nullopt};
    if (const int h = hour->currentData().toInt(); h >= 0) {
      birth.hour = h;
    }
    const auto chart = bazi::birthChart(birth);
    const auto characters = lookup();
    if (!chart || !characters) {
      return warn(chart ? QObject::tr("无法连接数据服务，查不到名字的笔划和五行")
                        : QObject::tr("这个日期排不出八字：只能是1901年至2100年之间的日子"));
    }
    run->setEnabled(false);
    const QString fullName = surname->text() + given->text();
    background->run<evaluate::Evaluation>(
        window, [characters, family, name] { return evaluate::evaluateName(family, name, *characters); },
        [=](BackgroundOutcome<evaluate::Evaluation> done) {
          run->setEnabled(true);
          if (!done.result) {
            return warn(QObject::tr("无法连接数据服务：%1")
                            .arg(done.ending == BackgroundOutcome<evaluate::Evaluation>::Ending::TimedOut
                                     ? QObject::tr("等待超时")
                                     : QString::fromStdString(done.failure)));
          }
          if (done.result->status != evaluate::EvaluationStatus::Done) {
            return warn(QString::fromStdString(done.result->message));
          }
          window->showResult(matchHtml(folk::matchName(done.result->inputs, *chart), *chart, fullName));
        },
        BackgroundRunner::kServiceTimeout);
  });
  return window;
}

}  // namespace quillan::app
