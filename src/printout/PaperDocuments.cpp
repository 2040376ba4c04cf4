#include "printout/PaperDocuments.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
#include <QTextDocument>
#include <cstdio>
#include <memory>

#include "chars/NameMeanings.h"
#include "common/TextSplit.h"
#include "offscreen/OffscreenGui.h"

namespace quillan::printout {
namespace {

class PaperTexts {
  Q_DECLARE_TR_FUNCTIONS(PaperTexts)
};

QString utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString escaped(const std::string& text) { return utf8(text).toHtmlEscaped(); }

}  // namespace

QString meaningsText(const std::string& given) {
  QStringList parts;
  for (const std::string& character : common::splitCharacters(given)) {
    const std::string_view meaning = chars::meaningOf(character);
    if (!meaning.empty()) {
      parts.push_back(utf8(character) + QStringLiteral("：") + utf8(meaning));
    }
  }
  return parts.join(QStringLiteral("；"));
}

QString shortlistHtml(const shortlist::Shortlist& list) {
  QString html = QStringLiteral("<html><body>");
  bool first = true;
  for (const shortlist::ShortlistEntry& entry : list) {
    // A page of its own for every name, so that the family can lay them side by side.
    html += first ? QStringLiteral("<div>") : QStringLiteral("<div style=\"page-break-before: always\">");
    first = false;
    html +=
        QStringLiteral("<h1 style=\"font-size: 36pt\">%1</h1><table cellpadding=\"6\">").arg(escaped(entry.fullName()));
    const auto line = [&](const QString& label, const QString& value) {
      if (!value.isEmpty()) {
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(label, value);
      }
    };
    line(PaperTexts::tr("拼音"), escaped(entry.pinyin));
    line(PaperTexts::tr("综合评分"), escaped(entry.score));
    line(PaperTexts::tr("音律"), entry.euphony >= 0 ? QString::number(entry.euphony) : QString());
    line(PaperTexts::tr("字义"), meaningsText(entry.given).toHtmlEscaped());
    line(PaperTexts::tr("加入日期"), escaped(entry.added));
    line(PaperTexts::tr("备注"), escaped(entry.note).replace(QLatin1Char('\n'), QStringLiteral("<br>")));
    html += QStringLiteral("</table></div>");
  }
  html += QStringLiteral("</body></html>");
  return html;
}

QString comparisonHtml(const compare::Comparison& comparison) {
  QString html = QStringLiteral("<html><body><h2>%1</h2>").arg(PaperTexts::tr("名字对比"));
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
              .arg(PaperTexts::tr("◆ 标出各名字不同之处。五格数理属民俗，仅供参考。"));
  return html;
}

void usePrintFont(QTextDocument& document) {
  QFont font(QStringLiteral("Noto Serif CJK SC"));
  font.setFamilies({QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")});
  font.setPointSizeF(11);
  document.setDefaultFont(font);
}

std::optional<QString> writePdf(const QTextDocument& document, const QString& path, const QString& title) {
  QPdfWriter writer(path);
  writer.setTitle(title);
  writer.setCreator(QStringLiteral("Quillan"));
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  writer.setResolution(300);
  // A copy in the print font, so that a window's own document stays as it is.
  std::unique_ptr<QTextDocument> paper(document.clone());
  usePrintFont(*paper);
  paper->print(&writer);
  // QPdfWriter says nothing of a failed write; the file tells.
  if (QFile(path).size() == 0) {
    return PaperTexts::tr("无法写入文件：%1").arg(QDir::toNativeSeparators(path));
  }
  return std::nullopt;
}

void paintPicture(QPaintDevice& page, const QRect& area, const QImage& picture) {
  QPainter painter(&page);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QSize fitted = picture.size().scaled(area.size(), Qt::KeepAspectRatio);
  const QRect target(area.x() + (area.width() - fitted.width()) / 2, area.y() + (area.height() - fitted.height()) / 2,
                     fitted.width(), fitted.height());
  painter.drawImage(target, picture);
}

std::optional<QString> writePicturePdf(const QImage& picture, const QString& path, const QString& title) {
  {
    QPdfWriter writer(path);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Quillan"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    writer.setResolution(300);
    paintPicture(writer,
                 writer.pageLayout()
                     .paintRectPixels(writer.resolution())
                     .translated(-writer.pageLayout().paintRectPixels(writer.resolution()).topLeft()),
                 picture);
  }
  if (QFile(path).size() == 0) {
    return PaperTexts::tr("无法写入文件：%1").arg(QDir::toNativeSeparators(path));
  }
  return std::nullopt;
}

std::optional<std::string> writeShortlistPdf(const shortlist::Shortlist& list, const std::string& path) {
  const offscreen::OffscreenGui gui;
  QTextDocument document;
  document.setHtml(shortlistHtml(list));
  if (auto problem = writePdf(document, QString::fromStdString(path), PaperTexts::tr("备选名单"))) {
    return problem->toStdString();
  }
  return std::nullopt;
}

}  // namespace quillan::printout
