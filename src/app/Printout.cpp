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
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty()) {
    folder = QDir::homePath();
  }
  QString path = hooks.saveFileName(parent, QObject::tr("保存为PDF"), QDir(folder).filePath(suggestedName),
                                    QObject::tr("PDF 文件 (*.pdf)"));
  if (path.isEmpty()) {
    return;
  }
  if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
    path += QStringLiteral(".pdf");
  }
  QString title = suggestedName;
  title.chop(4);
  if (const auto problem = printout::writePdf(document, path, title)) {
    hooks.inform(parent, caption(), QObject::tr("保存失败：%1").arg(*problem), DialogHooks::Tone::Warning);
    return;
  }
  hooks.inform(parent, caption(), QObject::tr("已保存为PDF：\n%1").arg(QDir::toNativeSeparators(path)),
               DialogHooks::Tone::Plain);
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
