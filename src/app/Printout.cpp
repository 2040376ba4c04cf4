#include "app/Printout.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextDocument>
#include <memory>

#include "app/ShortlistPage.h"

namespace quillan::app {
namespace {

// The Chinese fonts the program's setup installs (fonts-noto-cjk); the system's choice otherwise.
QFont printFont() {
  QFont font(QStringLiteral("Noto Serif CJK SC"));
  font.setFamilies({QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")});
  font.setPointSizeF(11);
  return font;
}

QString escaped(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

// A copy laid out for A4 in the print font, so that the window's own document stays as it is.
std::unique_ptr<QTextDocument> forPaper(const QTextDocument& document) {
  std::unique_ptr<QTextDocument> copy(document.clone());
  copy->setDefaultFont(printFont());
  return copy;
}

QString caption() { return QObject::tr("温馨提示"); }

}  // namespace

QString shortlistHtml(const shortlist::Shortlist& list) {
  QString html = QStringLiteral("<html><body>");
  bool first = true;
  for (const shortlist::ShortlistEntry& entry : list) {
    // A page of its own for every name, so that the family can lay them side by side.
    html += first ? QStringLiteral("<div>") : QStringLiteral("<div style=\"page-break-before: always\">");
    first = false;
    html += QStringLiteral("<h1 style=\"font-size: 36pt\">%1</h1>").arg(escaped(entry.fullName()));
    html += QStringLiteral("<table cellpadding=\"6\">");
    const auto line = [&](const QString& label, const QString& value) {
      if (!value.isEmpty()) {
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(label, value);
      }
    };
    line(QObject::tr("拼音"), escaped(entry.pinyin));
    line(QObject::tr("综合评分"), escaped(entry.score));
    line(QObject::tr("音律"), entry.euphony >= 0 ? QString::number(entry.euphony) : QString());
    line(QObject::tr("字义"), meaningsText(entry.given).toHtmlEscaped());
    line(QObject::tr("加入日期"), escaped(entry.added));
    line(QObject::tr("备注"), escaped(entry.note).replace(QLatin1Char('\n'), QStringLiteral("<br>")));
    html += QStringLiteral("</table></div>");
  }
  html += QStringLiteral("</body></html>");
  return html;
}

QString comparisonHtml(const compare::Comparison& comparison) {
  QString html = QStringLiteral("<html><body><h2>%1</h2>").arg(QObject::tr("名字对比"));
  html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">");
  for (const compare::ComparisonRow& row : comparison.rows) {
    const QString style = row.differs ? QStringLiteral(" style=\"background-color: #fde9c8\"") : QString();
    html += QStringLiteral("<tr><td><b>%1</b>%2</td>")
                .arg(escaped(row.label), row.differs ? QStringLiteral(" ◆") : QString());
    for (const std::string& cell : row.cells) {
      html += QStringLiteral("<td%1>%2</td>").arg(style, escaped(cell));
    }
    html += QStringLiteral("</tr>");
  }
  html += QStringLiteral("</table><p>%1</p></body></html>")
              .arg(QObject::tr("◆ 标出各名字不同之处。五格数理属民俗，仅供参考。"));
  return html;
}

std::optional<QString> writePdf(const QTextDocument& document, const QString& path, const QString& title) {
  QPdfWriter writer(path);
  writer.setTitle(title);
  writer.setCreator(QStringLiteral("Quillan"));
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  writer.setResolution(300);
  const auto paper = forPaper(document);
  paper->print(&writer);
  // QPdfWriter says nothing of a failed write; the file tells.
  if (!QFile::exists(path) || QFile(path).size() == 0) {
    return QObject::tr("无法写入文件：%1").arg(QDir::toNativeSeparators(path));
  }
  return std::nullopt;
}

void printDocument(QWidget* parent, const QTextDocument& document, const DialogHooks& hooks) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  if (!hooks.choosePrinter || !hooks.choosePrinter(parent, printer)) {
    return;
  }
  forPaper(document)->print(&printer);
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
  if (const auto problem = writePdf(document, path, title)) {
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
