#include "app/ExportCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include "generate/ResultExport.h"

namespace quillan::app {
namespace {

// The context of this file's texts for a translation.
class ExportTexts {
  Q_DECLARE_TR_FUNCTIONS(ExportTexts)
};

}  // namespace

QString suggestedExportPath() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty()) {
    folder = QDir::homePath();
  }
  return QDir(folder).filePath(ExportTexts::tr("宝宝名字.txt"));
}

void exportResultList(QWidget* parent, const std::vector<generate::ResultRow>& rows, const DialogHooks& hooks) {
  if (rows.empty()) {
    hooks.inform(parent, ExportTexts::tr("温馨提示"), ExportTexts::tr("没有可导出的名字"), DialogHooks::Tone::Plain);
    return;
  }
  const QString path = hooks.saveFileName(parent, ExportTexts::tr("导出名字列表"), suggestedExportPath(),
                                          ExportTexts::tr("文本文件 (*.txt);;所有文件 (*)"));
  if (path.isEmpty()) {
    return;
  }
  const generate::ExportResult written = generate::exportResultList(std::filesystem::path(path.toStdU16String()), rows);
  if (!written.ok) {
    hooks.inform(parent, ExportTexts::tr("温馨提示"),
                 ExportTexts::tr("导出失败：%1").arg(QString::fromStdString(written.message)),
                 DialogHooks::Tone::Warning);
    return;
  }
  hooks.inform(parent, ExportTexts::tr("温馨提示"),
               ExportTexts::tr("已导出 %1 个名字到：\n%2")
                   .arg(static_cast<qulonglong>(rows.size()))
                   .arg(QDir::toNativeSeparators(path)),
               DialogHooks::Tone::Plain);
}

}  // namespace quillan::app
