#pragma once

#include "app/FeaturePage.h"

namespace quillan::app {

// "民俗预测": the folk sayings of omens, numbers and fortune.
FeaturePage* makeFolkPage(const FeatureContext& context, QWidget* parent);

}  // namespace quillan::app
