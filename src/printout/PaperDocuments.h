#pragma once

#include <QString>
#include <optional>
#include <string>

#include "compare/Comparison.h"
#include "shortlist/ShortlistEntry.h"

class QImage;
class QPaintDevice;
class QRect;
class QTextDocument;

namespace quillan::printout {

// The given name's characters with their meanings, "明：光明；华：繁盛" (characters without one left out).
QString meaningsText(const std::string& given);

// The shortlist for paper: one name to a page, with its pinyin, score, 音律, meanings, date and note.
QString shortlistHtml(const shortlist::Shortlist& list);
// The comparison for paper: the names side by side, the lines where they differ marked.
QString comparisonHtml(const compare::Comparison& comparison);

// The font documents are printed in: the Chinese fonts the setup installs (fonts-noto-cjk).
void usePrintFont(QTextDocument& document);

// Writes the document as an A4 PDF (its fonts embedded, as QPdfWriter does); the reason when it
// could not. Needs a QGuiApplication.
std::optional<QString> writePdf(const QTextDocument& document, const QString& path, const QString& title);

// A picture (the certificate) on one A4 page, as large as fits, centred.
void paintPicture(QPaintDevice& page, const QRect& area, const QImage& picture);
std::optional<QString> writePicturePdf(const QImage& picture, const QString& path, const QString& title);

// The shortlist as a PDF file, for the command line: makes a QGuiApplication on the offscreen
// platform for the call when there is none. The reason on failure.
std::optional<std::string> writeShortlistPdf(const shortlist::Shortlist& list, const std::string& path);

}  // namespace quillan::printout
