// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QTimer>

#include <memory>

class PagedPrintout;
class QLabel;
class QSpinBox;
class SheetView;

// The print preview: the sheets as they will print, the first shown at once and the rest laid
// out in the background, with page and zoom controls and Print. Closing it frees every sheet.
class CPrintPreview : public QDialog {
    Q_OBJECT

public:
    explicit CPrintPreview(std::unique_ptr<PagedPrintout> printout, QWidget* parent = nullptr);
    ~CPrintPreview() override;

    PagedPrintout& Printout() const { return *m_printout; }
    SheetView* View() const { return m_view; }

Q_SIGNALS:
    /// Print was chosen; the owner knows the printer.
    void printRequested();

private:
    void LayOutMore();
    void ShowCounts();
    void ShowZoom(qreal zoom);

    std::unique_ptr<PagedPrintout> m_printout;
    SheetView* m_view;
    QSpinBox* m_page;
    QLabel* m_count;
    QLabel* m_zoom;
    QTimer m_background;
};
