// The generation worker without a window: the page and the controller on an offscreen event loop,
// so that the thread sanitizer watches the run's hand-over of rows and nothing else of Qt's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>

#include "app/BackgroundRunner.h"
#include "app/DialogHooks.h"
#include "app/GenerationController.h"
#include "app/GenerationPage.h"
#include "app/ResultListModel.h"
#include "chars/MemoryCharacterLookup.h"
#include "generate/Generate.h"

namespace quillan::app {
namespace {

class GenerationWorkerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "GenerationWorkerTest";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
  }
};

TEST_F(GenerationWorkerTest, AHighScoreRunReachesTheListWhole) {
  std::vector<QString> said;
  DialogHooks hooks;
  hooks.inform = [&said](QWidget*, const QString&, const QString& text, DialogHooks::Tone) { said.push_back(text); };
  GenerationPage page(&hooks);
  const chars::CharacterLists lists{{"明,明,ming,8,火", "峰,峰,feng,10,土", "华,華,hua,14,水", "成,成,cheng,7,金",
                                     "思,思,si,9,金", "远,遠,yuan,17,土", "宇,宇,yu,6,土", "轩,軒,xuan,10,土"},
                                    {"婉,婉,wan,11,土"}};
  auto lookup =
      std::make_shared<chars::MemoryCharacterLookup>(std::vector<chars::CharRecord>{{"李", "李", "li", "7", "木"}});
  BackgroundRunner background;
  GenerationController controller(&page, &lists, &background, &hooks, &page);
  controller.setLookup(lookup);
  page.listsLoaded();
  page.fillBirthDate(QDate(2013, 5, 20), QTime(10, 0));
  page.findChild<QLineEdit*>(QStringLiteral("编辑框1"))->setText(QStringLiteral("李"));
  page.findChild<QRadioButton*>(QStringLiteral("单选框_高分模式"))->setChecked(true);

  int finished = -1;
  QObject::connect(&controller, &GenerationController::finished, [&finished](int rows) { finished = rows; });
  controller.start();
  EXPECT_TRUE(controller.running());
  QElapsedTimer waited;
  waited.start();
  while (finished < 0 && waited.elapsed() < 20000) {
    QApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  ASSERT_GE(finished, 1);

  std::vector<generate::ResultRow> expected;
  chars::MemoryCharacterLookup same({{"李", "李", "li", "7", "木"}});
  generate::runGenerate(page.request(), lists, same,
                        {.row = [&](generate::ResultRow row) { expected.push_back(row); }});
  EXPECT_EQ(page.results().rows(), expected);
  EXPECT_EQ(static_cast<std::size_t>(finished), expected.size());
  ASSERT_EQ(said.size(), 1U);
  EXPECT_EQ(said.front(), QStringLiteral("本次共生成高分名字%1个").arg(expected.size()));
  EXPECT_FALSE(controller.running());
}

}  // namespace
}  // namespace quillan::app
