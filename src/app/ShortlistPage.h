#pragma once

#include <QDate>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "app/DialogHooks.h"
#include "shortlist/ShortlistStore.h"

class QPushButton;
class QTableWidget;

namespace quillan::app {

// "备选名单": the names the family keeps, with score, pinyin, meanings, 音律, the day added and a
// note each; remove, reorder, edit the note. Every change goes to the file at once (through the
// store, which merges what another window wrote), and the page shows the file again whenever it is
// opened, so two windows see each other's names.
class ShortlistPage : public QWidget {
  Q_OBJECT

 public:
  ShortlistPage(shortlist::ShortlistStore store, const DialogHooks* hooks, std::function<QDate()> today,
                QWidget* parent = nullptr);

  // Adds a name, dated today; a duplicate or a failed write is said in a message box, success in
  // the status line. True when it was added.
  bool add(shortlist::ShortlistEntry entry);
  // Reads the file again.
  void refresh();

  const shortlist::Shortlist& entries() const { return list_; }
  // The names of the rows selected, in list order.
  std::vector<std::string> selectedNames() const;
  QTableWidget* table() const { return table_; }
  const shortlist::ShortlistStore& store() const { return store_; }

 signals:
  void compareRequested(std::vector<std::string> fullNames);
  void printRequested();
  void pdfRequested();
  // A name was added (for the status line).
  void added(const QString& fullName);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void show(const shortlist::StoreOutcome& outcome);
  void moveSelected(int step);
  void removeSelected();

  shortlist::ShortlistStore store_;
  const DialogHooks* hooks_;
  std::function<QDate()> today_;
  shortlist::Shortlist list_;
  QTableWidget* table_;
  bool filling_ = false;
};

}  // namespace quillan::app
