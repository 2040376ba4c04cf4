#pragma once

#include <QString>
#include <vector>

#include "app/DialogHooks.h"
#include "generate/ResultRow.h"

class QWidget;

namespace quillan::app {

// "导出": the save dialog, then the export file of the rows shown, in the order shown. An empty list
// says so and writes nothing; a failed write says why; success says how many went where.
void exportResultList(QWidget* parent, const std::vector<generate::ResultRow>& rows, const DialogHooks& hooks);

// The file name the save dialog suggests, in the user's documents folder.
QString suggestedExportPath();

}  // namespace quillan::app
