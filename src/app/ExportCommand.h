#pragma once

#include <QString>

#include "app/DialogHooks.h"

class QWidget;

namespace quillan::app {

class ResultListModel;

// "导出": the save dialog, then the export file of the result list. An empty list says so and
// writes nothing; a failed write says why; success says where the file went.
void exportResultList(QWidget* parent, const ResultListModel& results, const DialogHooks& hooks);

// The file name the save dialog suggests, in the user's documents folder.
QString suggestedExportPath();

}  // namespace quillan::app
