#include "app/ChineseOnlyValidator.h"

#include "common/GbkCodec.h"

namespace quillan::app {

QValidator::State ChineseOnlyValidator::validate(QString& input, int& /*position*/) const {
  if (input.isEmpty()) {
    return Acceptable;
  }
  return common::isGbkHanText(input.toStdString()) ? Acceptable : Invalid;
}

}  // namespace quillan::app
