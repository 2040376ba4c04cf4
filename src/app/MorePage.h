#pragma once

#include "app/FeaturePage.h"

namespace quillan::app {

// "更多功能": the growth chart and the small tools around the naming.
FeaturePage* makeMorePage(const FeatureContext& context, QWidget* parent);

}  // namespace quillan::app
