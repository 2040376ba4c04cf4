#pragma once

#include "app/FeaturePage.h"

namespace quillan::app {

// "命运测算": the birth chart and the folk readings of a birth date.
FeaturePage* makeFatePage(const FeatureContext& context, QWidget* parent);

}  // namespace quillan::app
