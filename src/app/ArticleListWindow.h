#pragma once

#include <QDialog>
#include <QString>
#include <string>

class QTreeWidget;

namespace quillan::app {

class BackgroundRunner;
class ContentBrowser;

// The article-list window of a collection: the titles with their page files in two columns and a
// browser box beside them; selecting a row shows <base>tovka/<section><n>.htm. Modal.
class ArticleListWindow : public QDialog {
  Q_OBJECT

 public:
  ArticleListWindow(const QString& caption, std::string baseAddress, std::string section, const std::string& titleList,
                    BackgroundRunner& background, QWidget* parent = nullptr);

  QTreeWidget* list() const { return list_; }
  ContentBrowser* browser() const { return browser_; }

 private:
  void showRow(int row);

  std::string baseAddress_;
  std::string section_;
  QTreeWidget* list_ = nullptr;
  ContentBrowser* browser_ = nullptr;
};

}  // namespace quillan::app
