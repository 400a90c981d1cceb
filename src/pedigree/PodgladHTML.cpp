// SPDX-License-Identifier: GPL-3.0-or-later
#include "pedigree/PodgladHTML.h"

#include "io/Csv.h"
#include "io/CsvCommands.h"
#include "pedigree/LongPageView.h"
#include "pedigree/PagePrinter.h"
#include "pedigree/PageWriting.h"
#include "pedigree/PagedPrintout.h"
#include "pedigree/PrintPreview.h"
#include "ui/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

QUrl FolderUrl(const QString& path) {
    return QUrl::fromLocalFile(QFileInfo(path).absolutePath() + u'/');
}

} // namespace

CPodgladHTML::CPodgladHTML(const QString& path, QWidget* parent,
                           QPageLayout::Orientation orientation)
    : QDialog(parent)
    , m_path(path)
    , m_orientation(orientation)
    , m_stack(new QStackedWidget(this))
    , m_browser(new QTextBrowser(m_stack))
    , m_long(new LongPageView(m_stack))
    , m_print(new QPushButton(u"Print"_s, this))
    , m_preview(new QPushButton(u"Print Preview"_s, this))
    , m_edit(new QPushButton(u"Edit mode ON"_s, this)) {
    setObjectName(u"htmlPreview"_s);
    setWindowTitle(u"Preview"_s);
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    m_browser->setObjectName(u"page"_s);
    m_browser->setOpenLinks(false);
    m_stack->addWidget(m_browser);
    m_stack->addWidget(m_long);
    m_print->setObjectName(u"print"_s);
    m_preview->setObjectName(u"printPreview"_s);
    m_edit->setObjectName(u"editMode"_s);
    m_edit->setCheckable(true);
    for (QPushButton* button : {m_print, m_preview, m_edit})
        button->setAutoDefault(false);
    connect(m_print, &QPushButton::clicked, this, &CPodgladHTML::Print);
    connect(m_preview, &QPushButton::clicked, this, &CPodgladHTML::PrintPreview);
    connect(m_edit, &QPushButton::toggled, this, &CPodgladHTML::SetEditMode);
    SuggestPdfName(QFileInfo(path).completeBaseName());
    resize(orientation == QPageLayout::Landscape ? 1180 : 900, 760);
    Load();
}

CPodgladHTML::~CPodgladHTML() = default;

QString CPodgladHTML::SafeFileName(const QString& name) {
    static const QRegularExpression unsafe(u"[/\\\\:*?\"<>|\\[\\]\\x00-\\x1f]"_s);
    QString safe = name;
    safe.replace(unsafe, u" "_s);
    return safe.simplified().left(100);
}

void CPodgladHTML::SuggestPdfName(const QString& baseName) {
    // Printouts saved as PDF go where the user keeps documents, not into the data folder.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString name = SafeFileName(baseName);
    m_pdfName = folder + u'/' + (name.isEmpty() ? u"printout"_s : name) + u".pdf"_s;
}

void CPodgladHTML::Load() {
    if (m_path.isEmpty())
        return;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_browser->setHtml(u"<p>The page <b>%1</b> could not be read.</p>"_s.arg(
            HtmlText(QDir::toNativeSeparators(m_path))));
        return;
    }
    m_page = ForRichText(DecodePage(file.readAll()));
    LongTablePage parts;
    if (SplitLongTable(m_page, kLongTableRows, parts)) {
        m_stack->setCurrentWidget(m_long);
        m_long->SetPage(std::move(parts), FolderUrl(m_path));
        return;
    }
    ShowWhole();
}

// The whole page as one document: always for short pages, and for long ones once they are
// to be edited.
void CPodgladHTML::ShowWhole() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_browser->document()->setBaseUrl(FolderUrl(m_path));
    m_browser->document()->setMetaInformation(QTextDocument::DocumentUrl,
                                              FolderUrl(m_path).toString());
    m_browser->setSearchPaths({QFileInfo(m_path).absolutePath()});
    m_browser->setHtml(m_page);
    PagePrinter::DropTrailingPageBreak(m_browser->document());
    m_stack->setCurrentWidget(m_browser);
    QApplication::restoreOverrideCursor();
}

bool CPodgladHTML::ShowsInParts() const {
    return m_stack->currentWidget() == m_long;
}

const QTextDocument& CPodgladHTML::Document() const {
    return *m_browser->document();
}

std::unique_ptr<PagedPrintout> CPodgladHTML::NewPrintout(const QSizeF& paper) {
    // A page shown in parts is printed from its text, a part at a time; a page shown whole,
    // perhaps edited, from its document.
    if (ShowsInParts())
        return std::make_unique<PagedPrintout>(m_page, FolderUrl(m_path), paper, m_onePage);
    return std::make_unique<PagedPrintout>(*m_browser->document(), paper, m_onePage);
}

void CPodgladHTML::Print() {
    QPrinter printer(QPrinter::HighResolution);
    PagePrinter::PreparePrinter(printer, m_orientation);
    PrintOn(*NewPrintout(PagePrinter::PaperSize(printer)));
}

bool CPodgladHTML::PrintOn(PagedPrintout& printout) {
    QPrinter printer(QPrinter::HighResolution);
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (!defaultPrinter.isNull()) {
        printer.setPrinterName(defaultPrinter.printerName());
        PagePrinter::PreparePrinter(printer, m_orientation);
    } else {
        // No printer here: the print dialog lets the user print to a PDF file.
        PagePrinter::PreparePrinter(printer, m_orientation);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_pdfName);
        QPrintDialog dialog(&printer, QApplication::activeWindow());
        dialog.setObjectName(u"printDialog"_s);
        if (dialog.exec() != QDialog::Accepted)
            return false;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool printed = true;
    if (printer.outputFormat() == QPrinter::PdfFormat)
        printed =
            PagePrinter::PrintWholePdf(printer, [&](QPrinter& into) { printout.Print(into); });
    else
        printout.Print(printer);
    QApplication::restoreOverrideCursor();
    if (!printed)
        MessageBox::ShowMessage(this, u"The PDF file could not be written to %1."_s.arg(
                                          QDir::toNativeSeparators(printer.outputFileName())));
    return printed;
}

void CPodgladHTML::PrintPreview() {
    QPrinter printer(QPrinter::HighResolution);
    PagePrinter::PreparePrinter(printer, m_orientation);
    CPrintPreview dialog(NewPrintout(PagePrinter::PaperSize(printer)), this);
    connect(&dialog, &CPrintPreview::printRequested, this, [this, &dialog] {
        if (PrintOn(dialog.Printout()))
            dialog.accept();
    });
    dialog.resize(size());
    dialog.exec();
}

void CPodgladHTML::SetEditMode(bool on) {
    if (on && ShowsInParts())
        ShowWhole();
    m_editing = on;
    m_browser->setReadOnly(!on);
    m_browser->setTextInteractionFlags(on ? Qt::TextEditorInteraction : Qt::TextBrowserInteraction);
    if (on)
        m_browser->setFocus();
    if (m_edit->isChecked() != on)
        m_edit->setChecked(on);
}

void CPodgladHTML::OfferCsv(std::function<CsvTable()> table, const QString& fileName) {
    if (!m_csv) {
        m_csv = new QPushButton(u"Save as CSV..."_s, this);
        m_csv->setObjectName(u"csv"_s);
        m_csv->setAutoDefault(false);
        setTabOrder(m_preview, m_csv);
        setTabOrder(m_csv, m_edit);
    }
    m_csv->disconnect(this);
    connect(m_csv, &QPushButton::clicked, this, [this, table = std::move(table), fileName] {
        CsvCommands::Save(this, table(), fileName);
    });
    PlaceButtons();
}

void CPodgladHTML::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    PlaceButtons();
}

void CPodgladHTML::PlaceButtons() {
    const QRect r = rect();
    const int centre = (r.left() + r.right()) / 2;
    m_stack->setGeometry(QRect(QPoint(r.left(), r.top()), QPoint(r.right(), r.bottom() - 35)));
    m_print->setGeometry(
        QRect(QPoint(centre - 110, r.bottom() - 30), QPoint(centre - 5, r.bottom() - 5)));
    m_preview->setGeometry(
        QRect(QPoint(centre + 5, r.bottom() - 30), QPoint(centre + 110, r.bottom() - 5)));
    m_edit->setGeometry(
        QRect(QPoint(r.right() - 260, r.bottom() - 30), QPoint(r.right() - 10, r.bottom() - 5)));
    if (m_csv)
        m_csv->setGeometry(
            QRect(QPoint(r.left() + 10, r.bottom() - 30), QPoint(r.left() + 160, r.bottom() - 5)));
}
