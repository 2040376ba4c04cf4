#include "app/Printout.h"

#include <QDir>
#include <QPageSize>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextDocument>
#include <memory>

#include "printout/PaperDocuments.h"

namespace quillan::app {
namespace {

QString caption() { return QObject::tr("温馨提示"); }

// The save dialog for a PDF; empty when cancelled.
QString pdfPath(QWidget* parent, const QString& suggestedName, const DialogHooks& hooks) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty()) {
    folder = QDir::homePath();
  }
  QString path = hooks.saveFileName(parent, QObject::tr("保存为PDF"), QDir(folder).filePath(suggestedName),
                                    QObject::tr("PDF 文件 (*.pdf)"));
  if (path.isEmpty()) {
    return {};
  }
  if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
    path += QStringLiteral(".pdf");
  }
  return path;
}

void sayWritten(QWidget* parent, const QString& path, const std::optional<QString>& problem, const DialogHooks& hooks) {
  if (problem) {
    hooks.inform(parent, caption(), QObject::tr("保存失败：%1").arg(*problem), DialogHooks::Tone::Warning);
    return;
  }
  hooks.inform(parent, caption(), QObject::tr("已保存为PDF：\n%1").arg(QDir::toNativeSeparators(path)),
               DialogHooks::Tone::Plain);
}

QString titleOf(QString suggestedName) {
  suggestedName.chop(4);  // ".pdf"
  return suggestedName;
}

}  // namespace

void printDocument(QWidget* parent, const QTextDocument& document, const DialogHooks& hooks) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  if (!hooks.choosePrinter || !hooks.choosePrinter(parent, printer)) {
    return;
  }
  std::unique_ptr<QTextDocument> paper(document.clone());
  printout::usePrintFont(*paper);
  paper->print(&printer);
}

void saveDocumentAsPdf(QWidget* parent, const QTextDocument& document, const QString& suggestedName,
                       const DialogHooks& hooks) {
  const QString path = pdfPath(parent, suggestedName, hooks);
  if (!path.isEmpty()) {
    sayWritten(parent, path, printout::writePdf(document, path, titleOf(suggestedName)), hooks);
  }
}

void printPicture(QWidget* parent, const QImage& picture, const DialogHooks& hooks) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  if (!hooks.choosePrinter || !hooks.choosePrinter(parent, printer)) {
    return;
  }
  printout::paintPicture(printer, QRect(QPoint(0, 0), printer.pageRect(QPrinter::DevicePixel).size().toSize()),
                         picture);
}

void savePictureAsPdf(QWidget* parent, const QImage& picture, const QString& suggestedName, const DialogHooks& hooks) {
  const QString path = pdfPath(parent, suggestedName, hooks);
  if (!path.isEmpty()) {
    sayWritten(parent, path, printout::writePicturePdf(picture, path, titleOf(suggestedName)), hooks);
  }
}

void printHtml(QWidget* parent, const QString& html, const DialogHooks& hooks) {
  QTextDocument document;
  document.setHtml(html);
  printDocument(parent, document, hooks);
}

void saveHtmlAsPdf(QWidget* parent, const QString& html, const QString& suggestedName, const DialogHooks& hooks) {
  QTextDocument document;
  document.setHtml(html);
  saveDocumentAsPdf(parent, document, suggestedName, hooks);
}

}  // namespace quillan::app
