#pragma once

#include <QValidator>

namespace quillan::app {

// Accepts a text made only of Han characters that GBK encodes (the program's "a character is two
// bytes" rule), or the empty text. A key or a paste that would break this is refused whole, so the
// box keeps its text; QLineEdit then reports it through inputRejected().
class ChineseOnlyValidator : public QValidator {
  Q_OBJECT

 public:
  using QValidator::QValidator;

  State validate(QString& input, int& position) const override;
};

}  // namespace quillan::app
