#include "app/ReportWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <fstream>
#include <iterator>

#include "common/GbkCodec.h"
#include "evaluate/ReportOutput.h"

namespace quillan::app {
namespace {

// The page file is GBK, as it has always been written; QTextBrowser reads only UTF encodings.
QString readGbkPage(const std::filesystem::path& page) {
  std::ifstream in(page, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const auto text = common::gbkToUtf8(bytes);
  return text ? QString::fromStdString(*text) : QString();
}

}  // namespace

ReportWindow::ReportWindow(const std::filesystem::path& page, evaluate::ReportFields fields, const DialogHooks* hooks,
                           QWidget* parent)
    : QDialog(parent), fields_(std::move(fields)), hooks_(hooks) {
  setObjectName(QStringLiteral("报告窗口"));
  setWindowTitle(tr("五格三才综合评分"));
  setModal(true);
  resize(860, 720);

  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("超文本浏览框1"));
  browser_->setOpenLinks(false);
  browser_->setHtml(readGbkPage(page));

  exportButton_ = new QPushButton(tr("导出文本"), this);
  exportButton_->setObjectName(QStringLiteral("按钮_导出文本"));
  connect(exportButton_, &QPushButton::clicked, this, &ReportWindow::exportText);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(exportButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_, 1);
  layout->addLayout(buttons);
}

void ReportWindow::exportText() {
  QString path = hooks_->saveFileName(this, tr("导出文本"), QDir::homePath(), tr("文本文件(*.txt)"));
  if (path.isEmpty()) {
    return;
  }
  // The dialog's default extension.
  if (QFileInfo(path).suffix().isEmpty()) {
    path += QStringLiteral(".txt");
  }
  if (const auto problem = evaluate::saveReportText(path.toStdString(), fields_)) {
    hooks_->inform(this, tr("温馨提示"), tr("保存失败：") + QString::fromStdString(*problem),
                   DialogHooks::Tone::Warning);
    return;
  }
  hooks_->inform(this, tr("恭喜"), tr("保存成功！"), DialogHooks::Tone::Plain);
}

}  // namespace quillan::app
