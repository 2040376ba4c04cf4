#include "growthchart/GrowthChartFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <cstdio>
#include <memory>

#include "growthchart/GrowthChartPainter.h"
#include "offscreen/OffscreenGui.h"

namespace quillan::growthchart {

namespace {}  // namespace

std::optional<QString> saveGrowthChart(const QString& path, const growth::GrowthChartContent& chart) {
  const QString ending = QFileInfo(path).suffix().toLower();
  if (ending != QStringLiteral("png") && ending != QStringLiteral("pdf")) {
    return QStringLiteral("只能保存为 PNG 或 PDF 文件（文件名以 .png 或 .pdf 结尾）");
  }
  const offscreen::OffscreenGui gui;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return file.errorString();
  }
  if (ending == QStringLiteral("png")) {
    QImage image(1600, 1100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      paintGrowthChart(painter, QRectF(0, 0, image.width(), image.height()), chart);
    }
    if (!image.save(&file, "PNG")) {
      file.cancelWriting();
      return QStringLiteral("PNG 图片写不进去");
    }
  } else {
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setResolution(150);
    writer.setTitle(QString::fromStdString(chart.title));
    writer.setCreator(QStringLiteral("Quillan"));
    QPainter painter(&writer);
    paintGrowthChart(painter, QRectF(painter.viewport()), chart);
    painter.end();
  }
  if (!file.commit()) {
    return file.errorString();
  }
  return std::nullopt;
}

}  // namespace quillan::growthchart
