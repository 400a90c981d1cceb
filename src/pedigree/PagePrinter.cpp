// SPDX-License-Identifier: GPL-3.0-or-later
#include "pedigree/PagePrinter.h"

#include "pedigree/PagedPrintout.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace PagePrinter {

QTextDocument* NewDocument(const QString& html, const QUrl& baseUrl, QObject* parent) {
    auto* document = new QTextDocument(parent);
    document->setBaseUrl(baseUrl);
    document->setMetaInformation(QTextDocument::DocumentUrl, baseUrl.toString());
    document->setHtml(html);
    DropTrailingPageBreak(document);
    return document;
}

void DropTrailingPageBreak(QTextDocument* document) {
    const QList<QTextFrame*> frames = document->rootFrame()->childFrames();
    if (frames.isEmpty())
        return;
    QTextFrame* last = frames.back();
    QTextFrameFormat format = last->frameFormat();
    if (!(format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysAfter))
        return;
    QTextCursor tail(document);
    tail.setPosition(last->lastPosition() + 1);
    tail.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    if (!tail.selectedText().trimmed().isEmpty())
        return;
    format.setPageBreakPolicy(format.pageBreakPolicy() & ~QTextFormat::PageBreak_AlwaysAfter);
    last->setFrameFormat(format);
}

void PreparePrinter(QPrinter& printer, QPageLayout::Orientation orientation) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(orientation);
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

void PaintOnePage(const QTextDocument& document, QPainter& painter, const QRectF& sheet,
                  qreal pixelsPerScreenPixel) {
    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->setBaseUrl(document.baseUrl());
    copy->setMetaInformation(QTextDocument::DocumentUrl,
                             document.metaInformation(QTextDocument::DocumentUrl));
    copy->setUseDesignMetrics(true);
    copy->setTextWidth(sheet.width() / pixelsPerScreenPixel);
    const QSizeF size = copy->documentLayout()->documentSize();
    qreal scale = pixelsPerScreenPixel;
    if (size.height() * scale > sheet.height())
        scale = sheet.height() / size.height();
    if (size.width() * scale > sheet.width())
        scale = sheet.width() / size.width();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Centred across the sheet when the page had to shrink.
    painter.translate(sheet.left() + (sheet.width() - size.width() * scale) / 2, sheet.top());
    painter.scale(scale, scale);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(QPointF(0, 0), size);
    context.palette.setColor(QPalette::Text, Qt::black);
    copy->documentLayout()->draw(&painter, context);
    painter.restore();
}

namespace {

constexpr qreal kFoot = 22;

} // namespace

QSizeF PaperSize(const QPrinter& printer) {
    return printer.pageRect(QPrinter::DevicePixel).size() / (printer.resolution() / 96.0);
}

QSizeF BodySize(const QSizeF& paper) {
    return {paper.width(), paper.height() - kFoot};
}

// Sheets the size of the printer's page in screen pixels, so that a width given in
// millimetres prints at that width.
void PaintSheet(QPainter& painter, const QTextDocument& document, int pageOfDocument,
                const QSizeF& paper, int number, int total) {
    const QSizeF body = BodySize(paper);
    painter.save();
    painter.setClipRect(QRectF(QPointF(0, 0), body), Qt::IntersectClip);
    painter.translate(0, -pageOfDocument * body.height());
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(QPointF(0, pageOfDocument * body.height()), body);
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
    if (total > 1) {
        QFont footFont(u"Tahoma"_s);
        footFont.setPixelSize(11);
        painter.save();
        painter.setFont(footFont);
        painter.setPen(Qt::darkGray);
        painter.drawText(QRectF(0, body.height(), paper.width(), kFoot),
                         Qt::AlignRight | Qt::AlignBottom, u"%1 / %2"_s.arg(number).arg(total));
        painter.restore();
    }
}

namespace {

// QPrinter says nothing of a write that failed (a full disk): a whole PDF ends in "%%EOF".
bool IsWholePdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16 || !file.seek(file.size() - 16))
        return false;
    return file.read(16).contains("%%EOF");
}

} // namespace

void Print(const QTextDocument& document, QPrinter& printer, bool onePage) {
    PagedPrintout(document, PaperSize(printer), onePage).Print(printer);
}

bool PrintToPdf(const QTextDocument& document, const QString& path,
                QPageLayout::Orientation orientation, bool onePage) {
    return PaintToPdf(path, orientation, [&document, onePage](QPrinter& printer) {
        Print(document, printer, onePage);
    });
}

bool PaintToPdf(const QString& path, QPageLayout::Orientation orientation,
                const std::function<void(QPrinter&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    PreparePrinter(printer, orientation);
    return PrintWholePdf(printer, paint);
}

bool PrintWholePdf(QPrinter& printer, const std::function<void(QPrinter&)>& print) {
    const QString path = printer.outputFileName();
    // Printed beside the target first, so that a failed print leaves an earlier file whole.
    QTemporaryFile part(path + u".XXXXXX.part"_s);
    if (!part.open())
        return false;
    part.close();
    printer.setOutputFileName(part.fileName());
    if (printer.docName().isEmpty())
        printer.setDocName(QFileInfo(path).completeBaseName());
    print(printer);
    printer.setOutputFileName(path);
    if (!IsWholePdf(part.fileName()))
        return false;
    part.setAutoRemove(false);
    QFile::setPermissions(part.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ReadGroup | QFileDevice::ReadOther);
    if (std::rename(QFile::encodeName(part.fileName()).constData(),
                    QFile::encodeName(path).constData()) != 0) {
        QFile::remove(part.fileName());
        return false;
    }
    return true;
}

} // namespace PagePrinter
