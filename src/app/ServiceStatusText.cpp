#include "app/ServiceStatusText.h"

namespace quillan::app {

QString serviceStatusText(const DataSources& sources, const std::string& problem, bool started) {
  if (!started) {
    return QStringLiteral("数据服务：连接中…");
  }
  if (!sources.lookup) {
    return QStringLiteral("数据服务：不可用（%1）").arg(QString::fromStdString(problem));
  }
  QString text = sources.baseAddress.empty() ? QStringLiteral("数据服务：程序内提供")
                 : sources.embedded
                     ? QStringLiteral("数据服务：内置 %1").arg(QString::fromStdString(sources.baseAddress))
                     : QStringLiteral("数据服务：%1").arg(QString::fromStdString(sources.baseAddress));
  if (sources.requests) {
    if (const auto answered = sources.requests->lastAnswered()) {
      text += *answered ? QStringLiteral("，上次请求成功") : QStringLiteral("，上次请求失败");
    }
  }
  return text;
}

}  // namespace quillan::app
