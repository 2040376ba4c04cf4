#pragma once

class QApplication;

namespace quillan::app {

// What every host of the window does before creating it (the program, the tests, the benchmarks):
// resources, names, the icon and the Chinese font. Qt would otherwise pick the Japanese face of
// the CJK fonts for Han characters.
void prepareApplication(QApplication& application);

inline constexpr const char* kFontFamily = "Noto Sans CJK SC";

}  // namespace quillan::app
