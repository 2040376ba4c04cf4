#pragma once

#include <QDate>

#include "app/DialogHooks.h"
#include "app/FeaturePage.h"
#include "folk/Omens.h"

class QWidget;

namespace quillan::app {

class PastimeWindow;

// 民俗预测
PastimeWindow* makeOmenWindow(folk::Omen omen, int startBranch, const DialogHooks* hooks, QWidget* parent);
PastimeWindow* makeFingerprintWindow(const DialogHooks* hooks, QWidget* parent);
PastimeWindow* makeNumberLuckWindow(const DialogHooks* hooks, QWidget* parent);
PastimeWindow* makeGenderTableWindow(QDate today, const DialogHooks* hooks, QWidget* parent);
PastimeWindow* makeWealthWindow(BirthStart start, const DialogHooks* hooks, QWidget* parent);

// 命运测算
PastimeWindow* makeBoneWeightWindow(BirthStart start, const DialogHooks* hooks, QWidget* parent);
PastimeWindow* makeElderWindow(BirthStart start, const DialogHooks* hooks, QWidget* parent);
PastimeWindow* makeNameMatchWindow(BirthStart start, LookupSource lookup, BackgroundRunner* background,
                                   const DialogHooks* hooks, QWidget* parent);
PastimeWindow* makeSurnameOriginWindow(LookupSource lookup, BackgroundRunner* background, const DialogHooks* hooks,
                                       QWidget* parent);

}  // namespace quillan::app
