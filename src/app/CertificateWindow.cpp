#include "app/CertificateWindow.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Printout.h"
#include "certificate/CertificateImageWriter.h"
#include "certificate/CertificateRenderer.h"

namespace quillan::app {

CertificateWindow::CertificateWindow(certificate::CertificateContent content, const DialogHooks* hooks, QWidget* parent)
    : QDialog(parent), content_(std::move(content)), hooks_(hooks) {
  setObjectName(QStringLiteral("证书窗口"));
  setWindowTitle(tr("评定证书"));
  setModal(true);

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("证书画面"));
  const qreal ratio = devicePixelRatioF();
  QPixmap drawn = QPixmap::fromImage(certificate::CertificateRenderer::render(content_, ratio));
  drawn.setDevicePixelRatio(ratio);
  picture->setPixmap(drawn);
  picture->setFixedSize(certificate::CertificateRenderer::logicalSize());

  auto* save = new QPushButton(tr("保存证书"), this);
  save->setObjectName(QStringLiteral("按钮_保存证书"));
  auto* close = new QPushButton(tr("关闭"), this);
  close->setObjectName(QStringLiteral("按钮_关闭"));
  connect(save, &QPushButton::clicked, this, &CertificateWindow::save);
  // Three times the screen's size: sharp on paper.
  auto* print = new QPushButton(tr("打印"), this);
  print->setObjectName(QStringLiteral("按钮_打印证书"));
  connect(print, &QPushButton::clicked, this,
          [this] { printPicture(this, certificate::CertificateRenderer::render(content_, 3.0), *hooks_); });
  auto* pdf = new QPushButton(tr("保存为PDF"), this);
  pdf->setObjectName(QStringLiteral("按钮_证书PDF"));
  connect(pdf, &QPushButton::clicked, this, [this] {
    savePictureAsPdf(this, certificate::CertificateRenderer::render(content_, 3.0), tr("评定证书.pdf"), *hooks_);
  });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(print);
  buttons->addWidget(pdf);
  buttons->addWidget(save);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(picture);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CertificateWindow::save() {
  QString selected;
  const QString chosen = hooks_->saveFileNameWithFilter(this, tr("保存转换后的文件"), QDir::homePath(),
                                                        certificate::imageFilter(), &selected);
  if (chosen.isEmpty()) {
    return;
  }
  const auto format = certificate::formatOfChoice(chosen, selected);
  const QString path = certificate::withExtension(chosen, format);
  // Twice the on-screen resolution, so that the saved certificate prints well.
  const QImage image = certificate::CertificateRenderer::render(content_, 2.0);
  if (const auto problem = certificate::writeImage(image, path, format)) {
    hooks_->inform(this, tr("温馨提示"), tr("保存失败：") + *problem, DialogHooks::Tone::Warning);
    return;
  }
  hooks_->inform(this, tr("恭喜"), tr("保存成功！"), DialogHooks::Tone::Plain);
}

}  // namespace quillan::app
