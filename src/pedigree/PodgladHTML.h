// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPageLayout>
#include <QString>

#include <functional>
#include <memory>

class LongPageView;
class PagedPrintout;
class QPrinter;
class QPushButton;
class QSizeF;
class QStackedWidget;
class QTextBrowser;
class QTextDocument;
struct CsvTable;

// The preview every printout goes through: the page file shown, printed on the default printer
// (or, with none, through the print dialog, which can print to a PDF file), previewed, or made
// editable before printing; the file itself is never changed.
class CPodgladHTML : public QDialog {
    Q_OBJECT

public:
    /// Pages with a table longer than this are laid out in parts (LongPageView).
    static constexpr int kLongTableRows = 250;

    explicit CPodgladHTML(const QString& path, QWidget* parent = nullptr,
                          QPageLayout::Orientation orientation = QPageLayout::Portrait);
    ~CPodgladHTML() override;

    const QString& Path() const { return m_path; }
    QPageLayout::Orientation Orientation() const { return m_orientation; }
    /// A page meant for one sheet (a pedigree) is printed scaled onto one sheet.
    void SetOnePage(bool onePage) { m_onePage = onePage; }
    /// The file offered when printing goes to a PDF file.
    void SetPdfFileName(const QString& path) { m_pdfName = path; }
    /// Offers a PDF file of this name in the user's documents folder.
    void SuggestPdfName(const QString& baseName);
    /// A name with the characters file systems refuse replaced by blanks.
    static QString SafeFileName(const QString& name);
    const QString& PdfFileName() const { return m_pdfName; }

    QTextBrowser* Browser() const { return m_browser; }
    LongPageView* LongView() const { return m_long; }
    /// True while the page is shown in parts rather than as one document.
    bool ShowsInParts() const;
    bool EditMode() const { return m_editing; }

    /// The page shown whole, edits included (a page shown in parts prints from its text).
    const QTextDocument& Document() const;

    void Print();
    void PrintPreview();
    /// The page laid out on sheets of this size, as it prints now.
    std::unique_ptr<PagedPrintout> NewPrintout(const QSizeF& paper);
    void SetEditMode(bool on);
    /// Adds a "Save as CSV..." button that writes the table this page shows, made when pressed.
    void OfferCsv(std::function<CsvTable()> table, const QString& fileName);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Load();
    void ShowWhole();
    void PlaceButtons();
    bool PrintOn(PagedPrintout& printout);

    QString m_path;
    QString m_pdfName;
    QString m_page;
    QPageLayout::Orientation m_orientation;
    bool m_onePage = false;
    bool m_editing = false;
    QStackedWidget* m_stack;
    QTextBrowser* m_browser;
    LongPageView* m_long;
    QPushButton* m_print;
    QPushButton* m_preview;
    QPushButton* m_edit;
    QPushButton* m_csv = nullptr;
};
