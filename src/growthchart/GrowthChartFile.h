#pragma once

#include <QString>
#include <optional>

#include "growth/GrowthChartContent.h"

namespace quillan::growthchart {

// Saves a chart as PNG (1600 × 1100 pixels) or as a one-page A4 PDF, by the file's ending (.png or
// .pdf, any case). The reason on failure: another ending, a file that cannot be written.
std::optional<QString> saveGrowthChart(const QString& path, const growth::GrowthChartContent& chart);

}  // namespace quillan::growthchart
