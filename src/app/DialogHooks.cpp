#include "app/DialogHooks.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace quillan::app {

DialogHooks DialogHooks::interactive() {
  DialogHooks hooks;
  hooks.inform = [](QWidget* parent, const QString& caption, const QString& text, Tone tone) {
    QMessageBox box(tone == Tone::Warning ? QMessageBox::Warning : QMessageBox::NoIcon, caption, text, QMessageBox::Ok,
                    parent);
    box.exec();
  };
  hooks.confirm = [](QWidget* parent, const QString& caption, const QString& text) {
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
  };
  hooks.saveFileName = [](QWidget* parent, const QString& caption, const QString& suggested, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
  };
  hooks.saveFileNameWithFilter = [](QWidget* parent, const QString& caption, const QString& suggested,
                                    const QString& filter, QString* selectedFilter) {
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter, selectedFilter);
  };
  hooks.openFileName = [](QWidget* parent, const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
  };
  hooks.choosePrinter = [](QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
  };
  hooks.openUrl = [](const QUrl& address) { return QDesktopServices::openUrl(address); };
  return hooks;
}

}  // namespace quillan::app
