#pragma once

#include <QGuiApplication>
#include <memory>

namespace quillan::offscreen {

// Fonts and painting on images need a QGuiApplication. A command-line run has none and maybe no
// display: while an OffscreenGui lives it has one, on the offscreen platform unless the caller chose
// a platform, and Qt's start-up chatter (a missing XDG_RUNTIME_DIR) stays off the user's terminal;
// real failures come back as reasons. Inside a running program it does nothing.
class OffscreenGui {
 public:
  OffscreenGui();
  ~OffscreenGui();
  OffscreenGui(const OffscreenGui&) = delete;
  OffscreenGui& operator=(const OffscreenGui&) = delete;

 private:
  QtMessageHandler previous_ = nullptr;
  std::unique_ptr<QGuiApplication> application_;
};

}  // namespace quillan::offscreen
