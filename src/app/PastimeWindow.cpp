#include "app/PastimeWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <filesystem>

#include "common/AtomicFile.h"

namespace quillan::app {

PastimeWindow::PastimeWindow(const QString& objectName, const QString& title, const QString& note, QWidget* parent,
                             const DialogHooks* hooks)
    : QDialog(parent), hooks_(hooks) {
  setObjectName(objectName);
  setWindowTitle(title);
  setAttribute(Qt::WA_DeleteOnClose);
  resize(560, 520);

  auto* layout = new QVBoxLayout(this);
  inputs_ = new QVBoxLayout;
  layout->addLayout(inputs_);

  result_ = new QTextBrowser(this);
  result_->setObjectName(QStringLiteral("文本_结果"));
  result_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  result_->setFocusPolicy(Qt::StrongFocus);
  layout->addWidget(result_, 1);

  auto* noteLabel = new QLabel(note, this);
  noteLabel->setObjectName(QStringLiteral("标签_说明"));
  noteLabel->setWordWrap(true);
  noteLabel->setProperty("role", QStringLiteral("hint"));
  layout->addWidget(noteLabel);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  auto* copy = new QPushButton(tr("复制结果"), this);
  copy->setObjectName(QStringLiteral("按钮_复制结果"));
  copy->setAutoDefault(false);
  auto* close = new QPushButton(tr("关闭"), this);
  close->setObjectName(QStringLiteral("按钮_关闭"));
  close->setAutoDefault(false);
  buttons->addWidget(copy);
  if (hooks_ != nullptr) {
    auto* save = new QPushButton(tr("保存结果"), this);
    save->setObjectName(QStringLiteral("按钮_保存结果"));
    save->setAutoDefault(false);
    buttons->addWidget(save);
    connect(save, &QPushButton::clicked, this, &PastimeWindow::saveResult);
  }
  buttons->addWidget(close);
  layout->addLayout(buttons);

  connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(resultText()); });
  connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void PastimeWindow::showResult(const QString& html) { result_->setHtml(html); }

QString PastimeWindow::resultText() const { return result_->toPlainText(); }

void PastimeWindow::saveResult() {
  const QString text = resultText();
  if (text.isEmpty()) {
    hooks_->inform(this, tr("温馨提示"), tr("还没有结果可以保存"), DialogHooks::Tone::Plain);
    return;
  }
  const QString path =
      hooks_->saveFileName(this, tr("保存结果"), windowTitle() + QStringLiteral(".txt"), tr("文本文件 (*.txt)"));
  if (path.isEmpty()) {
    return;
  }
  const QByteArray bytes = (text + QLatin1Char('\n')).toUtf8();
  if (const auto failure =
          common::writeFileAtomically(std::filesystem::path(path.toStdU16String()),
                                      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
    hooks_->inform(this, tr("温馨提示"), tr("结果没有保存：%1").arg(QString::fromStdString(*failure)),
                   DialogHooks::Tone::Warning);
  }
}

}  // namespace quillan::app
