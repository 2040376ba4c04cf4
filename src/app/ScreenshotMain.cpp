// quillan-screenshot: the README's picture of the generation page. Starts the real window (embedded
// data service, built-in lists), types a surname, runs a high-score generation and saves what the
// screen shows once the closing message is up. Run it on a display (scripts/screenshot uses Xvfb).
#include <QApplication>
#include <QCommandLineParser>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include "app/ApplicationSetup.h"
#include "app/GenerationController.h"
#include "app/MainWindow.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  quillan::app::prepareApplication(application);

  QCommandLineParser parser;
  parser.addHelpOption();
  parser.addOption({QStringLiteral("out"), QStringLiteral("PNG file to write."), QStringLiteral("file"),
                    QStringLiteral("screenshot-generation.png")});
  parser.addOption(
      {QStringLiteral("surname"), QStringLiteral("Surname to type."), QStringLiteral("text"), QStringLiteral("李")});
  parser.process(application);

  quillan::app::MainWindowOptions options;
  options.trayAvailable = false;
  QMessageBox* shown = nullptr;
  // Messages stay open without blocking, so that the picture can show the closing count.
  options.hooks.inform = [&shown](QWidget* parent, const QString& caption, const QString& text,
                                  quillan::app::DialogHooks::Tone) {
    shown = new QMessageBox(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    shown->setAttribute(Qt::WA_DeleteOnClose);
    shown->open();
  };
  quillan::app::MainWindow window(std::move(options));
  window.move(0, 0);
  window.resize(1280, 800);
  window.show();

  int exitCode = 1;
  const QString out = parser.value(QStringLiteral("out"));
  QObject::connect(window.generation(), &quillan::app::GenerationController::finished, &window, [&](int rows) {
    QTimer::singleShot(400, &window, [&, rows] {
      QApplication::processEvents();
      const QPixmap picture = window.screen()->grabWindow(0, window.x(), window.y(), window.frameGeometry().width(),
                                                          window.frameGeometry().height());
      exitCode = rows > 0 && picture.save(out) ? 0 : 1;
      qInfo("%d rows; %s %s", rows, exitCode == 0 ? "saved" : "could not save", qPrintable(out));
      QApplication::quit();
    });
  });
  QTimer::singleShot(300, &window, [&] {
    window.findChild<QLineEdit*>(QStringLiteral("编辑框1"))->setText(parser.value(QStringLiteral("surname")));
    window.findChild<QRadioButton*>(QStringLiteral("单选框_高分模式"))->click();
    window.findChild<QPushButton*>(QStringLiteral("按钮_生成"))->click();
  });
  QTimer::singleShot(60000, &window, [] {
    qWarning("the run did not finish within a minute");
    QApplication::exit(1);
  });
  QApplication::exec();
  return exitCode;
}
