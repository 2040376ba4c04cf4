#pragma once

#include <QString>

#include "app/DialogHooks.h"

class QImage;
class QTextDocument;
class QWidget;

namespace quillan::app {

// The window's side of paper (printout/PaperDocuments.h makes the documents and the PDF).
// The system print dialog, then the document on A4 pages.
void printDocument(QWidget* parent, const QTextDocument& document, const DialogHooks& hooks);
// The save dialog, then the document as PDF; says where it went or why it failed.
void saveDocumentAsPdf(QWidget* parent, const QTextDocument& document, const QString& suggestedName,
                       const DialogHooks& hooks);

// The same for a picture (the certificate), one A4 page.
void printPicture(QWidget* parent, const QImage& picture, const DialogHooks& hooks);
void savePictureAsPdf(QWidget* parent, const QImage& picture, const QString& suggestedName, const DialogHooks& hooks);

// The same for an HTML text (printout's shortlist and comparison).
void printHtml(QWidget* parent, const QString& html, const DialogHooks& hooks);
void saveHtmlAsPdf(QWidget* parent, const QString& html, const QString& suggestedName, const DialogHooks& hooks);

}  // namespace quillan::app
