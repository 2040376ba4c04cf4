#pragma once

#include <QRectF>

#include "growth/GrowthChartContent.h"

class QPainter;

namespace quillan::growthchart {

// Draws a growth chart into any paint device: the window's widget, an image, a PDF page. Sizes
// follow the rectangle, so the same drawing serves the screen and print.
void paintGrowthChart(QPainter& painter, const QRectF& area, const growth::GrowthChartContent& chart);

}  // namespace quillan::growthchart
