#pragma once

#include <QDate>
#include <vector>

#include "app/DialogHooks.h"

#include "pastime/FortuneStick.h"
#include "pastime/StarSign.h"
#include "pastime/ZodiacPair.h"

class QWidget;

namespace quillan::app {

class PastimeWindow;

// The three folk functions of 更多功能, each a window over its data; `today` only sets where the
// date boxes start.
PastimeWindow* makeStarSignWindow(std::vector<pastime::StarSign> signs, QDate today, const DialogHooks* hooks,
                                  QWidget* parent);
PastimeWindow* makeFortuneStickWindow(std::vector<pastime::FortuneStick> sticks, const DialogHooks* hooks,
                                      QWidget* parent);
PastimeWindow* makeZodiacPairWindow(std::vector<pastime::ZodiacPair> pairs, int thisYear, const DialogHooks* hooks,
                                    QWidget* parent);

}  // namespace quillan::app
