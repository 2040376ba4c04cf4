#pragma once

#include <QDialog>

#include "app/DialogHooks.h"
#include "certificate/CertificateContent.h"

class QLabel;

namespace quillan::app {

// The certificate window: the certificate as drawn, "保存证书" and "关闭".
class CertificateWindow : public QDialog {
  Q_OBJECT

 public:
  CertificateWindow(certificate::CertificateContent content, const DialogHooks* hooks, QWidget* parent = nullptr);

  const certificate::CertificateContent& content() const { return content_; }

 private:
  void save();

  certificate::CertificateContent content_;
  const DialogHooks* hooks_;
};

}  // namespace quillan::app
