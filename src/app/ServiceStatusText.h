#pragma once

#include <QString>
#include <string>

#include "app/DataSources.h"

namespace quillan::app {

// The status bar's 状态条1_数据服务: which data service the window uses (embedded, or the
// configured address) and whether its last request was answered; why there is none when there is none.
QString serviceStatusText(const DataSources& sources, const std::string& problem, bool started);

}  // namespace quillan::app
