// SPDX-License-Identifier: GPL-3.0-or-later
#include "racing/HistoriaLotow.h"

#include "pedigree/PagePrinter.h"
#include "pedigree/PodgladHTML.h"
#include "racing/RaceHistoryChart.h"
#include "storage/Formatting.h"
#include "ui/FileDialog.h"
#include "ui/LongText.h"
#include "ui/MessageBox.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QString HintText(const RaceHistory& history) {
    if (history.points.empty())
        return u"This pigeon has no race results."_s;
    QString hint = u"Left and Right step through the races; a point shows its race when "
                   u"pointed at."_s;
    if (history.undated > 0)
        hint += u" %1 race(s) without a date are not drawn."_s.arg(history.undated);
    return hint;
}

QString FileNameFor(const PigeonRecord& pigeon) {
    const QString name = CPodgladHTML::SafeFileName(BandLabel(pigeon));
    return u"Race history "_s + (name.isEmpty() ? u"of a pigeon"_s : name);
}

} // namespace

CHistoriaLotow::CHistoriaLotow(const PigeonRecord& pigeon, const std::vector<RaceResultRow>& rows,
                               QWidget* parent)
    : BannerDialog(parent)
    , m_pigeon(pigeon)
    , m_chart(new RaceHistoryChart(this))
    , m_band(new ElidedLabel(BandLabel(pigeon), this))
    , m_details(new QLabel(this)) {
    setObjectName(u"raceHistory"_s);
    setWindowTitle(u"Race history"_s);
    setBannerTitle(u"Race History"_s);
    m_chart->setObjectName(u"chart"_s);
    m_chart->SetHistory(BuildRaceHistory(rows));
    m_band->setObjectName(u"band"_s);
    m_band->setFont(CaptionFont(20));
    m_band->setStyleSheet(u"color: rgb(63, 172, 255);"_s);
    m_details->setObjectName(u"details"_s);
    m_details->setWordWrap(true);
    m_details->setTextFormat(Qt::PlainText);
    m_details->setMinimumHeight(m_details->fontMetrics().height() * 2);
    m_details->setText(HintText(m_chart->History()));
    connect(m_chart, &RaceHistoryChart::highlightChanged, this, &CHistoriaLotow::ShowDetails);

    auto* buttons = new QDialogButtonBox(this);
    const bool drawn = !m_chart->History().points.empty();
    auto* print = buttons->addButton(u"Print..."_s, QDialogButtonBox::ActionRole);
    print->setObjectName(u"print"_s);
    print->setEnabled(drawn);
    connect(print, &QPushButton::clicked, this, &CHistoriaLotow::Print);
    auto* save = buttons->addButton(u"Save as PDF..."_s, QDialogButtonBox::ActionRole);
    save->setObjectName(u"savePdf"_s);
    save->setEnabled(drawn);
    connect(save, &QPushButton::clicked, this, &CHistoriaLotow::SavePdf);
    auto* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(u"close"_s);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QPushButton* button : {print, save, close})
        button->setAutoDefault(false);
    auto* printKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
    connect(printKey, &QShortcut::activated, this, [this, print] {
        if (print->isEnabled())
            Print();
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 70, 12, 12);
    layout->addWidget(m_band);
    layout->addWidget(m_chart, 1);
    layout->addWidget(m_details);
    layout->addWidget(buttons);
    m_chart->setFocus();
    resize(900, 560);
}

void CHistoriaLotow::ShowDetails(int index) {
    const auto& points = m_chart->History().points;
    if (index >= 0 && index < int(points.size()))
        m_details->setText(RaceHistoryText(points[size_t(index)]));
}

bool CHistoriaLotow::PaintSheet(QPrinter& printer) const {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // Laid out in screen pixels, as the program's pages are, and drawn at the printer's resolution.
    const qreal scale = printer.resolution() / 96.0;
    painter.scale(scale, scale);
    const QSizeF paper = PagePrinter::PaperSize(printer);
    painter.setFont(CaptionFont(18));
    painter.setPen(Qt::black);
    const QRectF title(0, 0, paper.width(), 32);
    painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(u"Race history of "_s + BandLabel(m_pigeon),
                                                      Qt::ElideRight, int(paper.width())));
    painter.setFont(CaptionFont(12, false));
    PaintRaceHistory(painter, QRectF(0, 44, paper.width(), paper.height() - 44), m_chart->History(),
                     PrintColours(), -1);
    return painter.end();
}

void CHistoriaLotow::Print() {
    QPrinter printer(QPrinter::HighResolution);
    PagePrinter::PreparePrinter(printer, QPageLayout::Landscape);
    printer.setDocName(FileNameFor(m_pigeon));
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(u"printDialog"_s);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!PaintSheet(printer))
        MessageBox::ShowMessage(this, u"The race history could not be printed."_s, {},
                                QMessageBox::Warning);
}

void CHistoriaLotow::SavePdf() {
    QString path = FileDialog::ChooseSaveFile(
        this, u"Save as PDF"_s, FileNameFor(m_pigeon) + u".pdf"_s, u"PDF document (*.pdf)"_s);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += u".pdf"_s;
    bool painted = false;
    const bool saved =
        PagePrinter::PaintToPdf(path, QPageLayout::Landscape, [this, &painted](QPrinter& printer) {
            painted = PaintSheet(printer);
        });
    if (!saved || !painted)
        MessageBox::ShowMessage(
            this,
            u"The race history could not be saved to %1."_s.arg(QDir::toNativeSeparators(path)), {},
            QMessageBox::Warning);
}

void ShowRaceHistory(const PigeonRecord& pigeon, const std::vector<RaceResultRow>& rows,
                     QWidget* parent) {
    CHistoriaLotow dialog(pigeon, rows, parent);
    dialog.exec();
}
