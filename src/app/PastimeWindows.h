#pragma once

#include <QDate>
#include <vector>

#include "pastime/FortuneStick.h"
#include "pastime/StarSign.h"
#include "pastime/ZodiacPair.h"

class QWidget;

namespace quillan::app {

class PastimeWindow;

// The three folk functions of 更多功能, each a window over its data; `today` only sets where the
// date boxes start.
PastimeWindow* makeStarSignWindow(std::vector<pastime::StarSign> signs, QDate today, QWidget* parent);
PastimeWindow* makeFortuneStickWindow(std::vector<pastime::FortuneStick> sticks, QWidget* parent);
PastimeWindow* makeZodiacPairWindow(std::vector<pastime::ZodiacPair> pairs, int thisYear, QWidget* parent);

}  // namespace quillan::app
