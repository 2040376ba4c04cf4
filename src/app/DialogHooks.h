#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QPrinter;
class QWidget;

namespace quillan::app {

// Everything the window asks the user or the desktop goes through these hooks, so that tests answer
// dialogs at once instead of waiting for a modal loop, and never open a browser.
struct DialogHooks {
  enum class Tone { Plain, Warning };

  // A message box with one OK button: caption, text. Returns when the user has closed it.
  std::function<void(QWidget* parent, const QString& caption, const QString& text, Tone tone)> inform;
  // A question with Yes and No before something is undone for good: caption, text. True for Yes.
  std::function<bool(QWidget* parent, const QString& caption, const QString& text)> confirm;
  // A save dialog: caption, suggested path, filter. Returns the chosen path, or empty when cancelled.
  std::function<QString(QWidget* parent, const QString& caption, const QString& suggested, const QString& filter)>
      saveFileName;
  // A save dialog that also reports the filter entry the user chose (for formats picked by filter).
  std::function<QString(QWidget* parent, const QString& caption, const QString& suggested, const QString& filter,
                        QString* selectedFilter)>
      saveFileNameWithFilter;
  // An open dialog: caption, filter. Returns the chosen path, or empty when cancelled.
  std::function<QString(QWidget* parent, const QString& caption, const QString& filter)> openFileName;
  // The system print dialog for the printer given. Returns false when the user cancelled.
  std::function<bool(QWidget* parent, QPrinter& printer)> choosePrinter;
  // Opens an address in the desktop's browser.
  std::function<bool(const QUrl& address)> openUrl;

  // The real dialogs and the desktop's browser.
  static DialogHooks interactive();
};

}  // namespace quillan::app
