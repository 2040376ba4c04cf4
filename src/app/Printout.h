#pragma once

#include <QString>
#include <optional>

#include "app/DialogHooks.h"
#include "compare/Comparison.h"
#include "shortlist/ShortlistEntry.h"

class QTextDocument;
class QWidget;

namespace quillan::app {

// The shortlist for paper: one name to a page, with its score, pinyin, meanings, 音律 and note.
QString shortlistHtml(const shortlist::Shortlist& list);
// The comparison for paper: the names side by side, the lines where they differ marked.
QString comparisonHtml(const compare::Comparison& comparison);

// Writes the document as an A4 PDF whose Chinese font is embedded; the reason when it could not.
std::optional<QString> writePdf(const QTextDocument& document, const QString& path, const QString& title);

// The system print dialog, then the document on A4 pages.
void printDocument(QWidget* parent, const QTextDocument& document, const DialogHooks& hooks);
// The save dialog, then the document as PDF; says where it went or why it failed.
void saveDocumentAsPdf(QWidget* parent, const QTextDocument& document, const QString& suggestedName,
                       const DialogHooks& hooks);

// The same for HTML made above.
void printHtml(QWidget* parent, const QString& html, const DialogHooks& hooks);
void saveHtmlAsPdf(QWidget* parent, const QString& html, const QString& suggestedName, const DialogHooks& hooks);

}  // namespace quillan::app
