// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageLayout>
#include <QString>

#include <functional>

class QPainter;
class QPrinter;
class QRectF;
class QSizeF;
class QTextDocument;
class QUrl;

// Printing a page the preview shows. Qt's rich-text engine reads no CSS page rules, so the
// orientation is set here, and a page meant for one sheet (a pedigree) is scaled onto it.
namespace PagePrinter {

/// A document of the page, with its pictures found beside the page file.
QTextDocument* NewDocument(const QString& html, const QUrl& baseUrl, QObject* parent);

/// A page break after the last table would print an empty sheet: it is dropped.
void DropTrailingPageBreak(QTextDocument* document);

/// A4 in the orientation given, 10 mm margins.
void PreparePrinter(QPrinter& printer, QPageLayout::Orientation orientation);

/// Paints a page on one sheet: laid out at the sheet's width in screen pixels, each of which
/// is pixelsPerScreenPixel device pixels, and scaled down where it would run over.
void PaintOnePage(const QTextDocument& document, QPainter& painter, const QRectF& sheet,
                  qreal pixelsPerScreenPixel);

/// The printable part of the printer's sheet in screen pixels (the unit pages are laid out in).
QSizeF PaperSize(const QPrinter& printer);

/// The part of a sheet the page flows over: the sheet less the strip that holds its number.
QSizeF BodySize(const QSizeF& paper);

/// Paints one sheet, in screen pixels from the painter's origin, of a document laid out on
/// pages of BodySize(paper); the foot reads "number / total" when total is more than one.
void PaintSheet(QPainter& painter, const QTextDocument& document, int pageOfDocument,
                const QSizeF& paper, int number, int total);

/// Prints a document: over as many sheets as it needs (table heads repeated, page numbers at
/// the foot), or with onePage scaled down where needed to fill exactly one sheet.
void Print(const QTextDocument& document, QPrinter& printer, bool onePage);

/// Prints straight into a PDF file; false when the file could not be written.
bool PrintToPdf(const QTextDocument& document, const QString& path,
                QPageLayout::Orientation orientation, bool onePage);

/// Runs print on a printer whose output is a PDF file, writing beside the file and putting it
/// in place only when whole; false (the old file kept) when it could not be written.
bool PrintWholePdf(QPrinter& printer, const std::function<void(QPrinter&)>& print);

/// Paints into a PDF file on A4 sheets (10 mm margins); the file is put in place only when it
/// was written whole. False when it could not be written.
bool PaintToPdf(const QString& path, QPageLayout::Orientation orientation,
                const std::function<void(QPrinter&)>& paint);

} // namespace PagePrinter
