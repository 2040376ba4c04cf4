#include "app/ReportWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <fstream>
#include <iterator>

#include "app/Printout.h"
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

  auto* keep = new QPushButton(tr("加入备选名单"), this);
  keep->setObjectName(QStringLiteral("按钮_报告加入备选"));
  connect(keep, &QPushButton::clicked, this, &ReportWindow::keepRequested);
  auto* print = new QPushButton(tr("打印"), this);
  print->setObjectName(QStringLiteral("按钮_打印报告"));
  connect(print, &QPushButton::clicked, this, [this] { printDocument(this, *browser_->document(), *hooks_); });
  auto* pdf = new QPushButton(tr("保存为PDF"), this);
  pdf->setObjectName(QStringLiteral("按钮_报告PDF"));
  connect(pdf, &QPushButton::clicked, this,
          [this] { saveDocumentAsPdf(this, *browser_->document(), tr("五格三才综合评分.pdf"), *hooks_); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(keep);
  buttons->addStretch(1);
  buttons->addWidget(print);
  buttons->addWidget(pdf);
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
