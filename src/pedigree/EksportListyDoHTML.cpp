// SPDX-License-Identifier: GPL-3.0-or-later
#include "pedigree/EksportListyDoHTML.h"

#include "io/CsvCommands.h"
#include "io/CsvExport.h"
#include "pedigree/PageStyleFields.h"
#include "pedigree/PodgladHTML.h"
#include "ui/MessageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

void AddKind(QListWidget* list, int code) {
    auto* item = new QListWidgetItem(ListColumnTitle(code), list);
    item->setData(Qt::UserRole, code);
}

// Moves the selected entry of one list to the end of the other, and keeps the next entry
// selected so that the keys can move several in a row.
void MoveSelected(QListWidget* from, QListWidget* to) {
    const int row = from->currentRow();
    if (row < 0 || !from->currentItem() || !from->currentItem()->isSelected())
        return;
    QListWidgetItem* item = from->takeItem(row);
    to->addItem(item);
    if (from->count() > 0)
        from->setCurrentRow(std::min(row, from->count() - 1));
}

QCheckBox* Box(QWidget* parent, const QString& name, const QString& text, bool checked) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CEksportListyDoHTML::CEksportListyDoHTML(const AppData& appData, std::vector<int> pigeonIds,
                                         const QString& caption, int siblingsOf, QWidget* parent)
    : BannerDialog(parent)
    , m_data(appData)
    , m_ids(std::move(pigeonIds))
    , m_siblingsOf(siblingsOf)
    , m_available(new QListWidget(this))
    , m_chosen(new QListWidget(this))
    , m_style(new PageStyleFields(u"Bottom margin"_s, this)) {
    setObjectName(u"listExportDialog"_s);
    const QString title = caption.isEmpty() ? u"Print/Save list of birds"_s : caption;
    setWindowTitle(title);
    setBannerTitle(title);

    m_available->setObjectName(u"available"_s);
    m_chosen->setObjectName(u"chosen"_s);
    for (int code : {ListNumber, ListBand, ListColour, ListPhoto})
        AddKind(m_chosen, code);
    for (int code : {ListSex, ListRemark, ListSire, ListDam, ListBreeder, ListOwner, ListVariety})
        AddKind(m_available, code);
    connect(m_available, &QListWidget::itemDoubleClicked, this, &CEksportListyDoHTML::MoveToPrint);
    connect(m_chosen, &QListWidget::itemDoubleClicked, this, &CEksportListyDoHTML::MoveToAvailable);

    auto* toPrint = Button(this, u"toPrint"_s, u">>"_s);
    auto* toAvailable = Button(this, u"toAvailable"_s, u"<<"_s);
    connect(toPrint, &QPushButton::clicked, this, &CEksportListyDoHTML::MoveToPrint);
    connect(toAvailable, &QPushButton::clicked, this, &CEksportListyDoHTML::MoveToAvailable);

    auto* remarks = new QGroupBox(u"Remark"_s, this);
    m_general = Box(remarks, u"generalRemarks"_s, u"General remarks"_s, true);
    m_diseases = Box(remarks, u"diseaseRemarks"_s, u"Disease remarks"_s, false);
    m_appearance = Box(remarks, u"appearanceRemarks"_s, u"Appearance remarks"_s, false);
    m_problems = Box(remarks, u"problemRemarks"_s, u"Problems remarks"_s, false);
    auto* remarksLayout = new QVBoxLayout(remarks);
    for (QCheckBox* box : {m_general, m_diseases, m_appearance, m_problems})
        remarksLayout->addWidget(box);

    auto* count = new QLabel(u"Pigeons on the list: %1"_s.arg(m_ids.size()), this);
    count->setObjectName(u"count"_s);
    auto* print = Button(this, u"print"_s, u"Print/Print Preview"_s);
    print->setDefault(true);
    auto* save = Button(this, u"save"_s, u"Save list as..."_s);
    auto* csv = Button(this, u"csv"_s, u"CSV"_s);
    csv->setToolTip(u"Save the pigeons as a CSV file, every column of the list"_s);
    auto* close = Button(this, u"close"_s, u"Close"_s);
    connect(csv, &QPushButton::clicked, this,
            [this] { CsvCommands::Save(this, PigeonsCsv(m_data, m_ids), u"pigeons.csv"_s); });
    connect(print, &QPushButton::clicked, this, &CEksportListyDoHTML::PrintPreview);
    connect(save, &QPushButton::clicked, this, &CEksportListyDoHTML::SaveList);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(toPrint);
    moves->addWidget(toAvailable);
    moves->addStretch();
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(14, 70, 14, 12);
    auto* availableLabel = new QLabel(u"Available data"_s, this);
    auto* chosenLabel = new QLabel(u"Data to print"_s, this);
    // A list is named by its own accessible name; the buddy gives it the label's place.
    for (auto [label, list] : {std::pair{availableLabel, m_available}, {chosenLabel, m_chosen}}) {
        label->setBuddy(list);
        list->setAccessibleName(label->text());
    }
    layout->addWidget(availableLabel, 0, 0);
    layout->addWidget(chosenLabel, 0, 2);
    layout->addWidget(m_available, 1, 0);
    layout->addLayout(moves, 1, 1);
    layout->addWidget(m_chosen, 1, 2);
    layout->addWidget(m_style, 2, 0);
    layout->addWidget(remarks, 2, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(count);
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(save);
    buttons->addWidget(csv);
    buttons->addWidget(close);
    layout->addLayout(buttons, 3, 0, 1, 3);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(2, 1);
    resize(600, 470);
    // Tab goes as the eye does: the two lists with the buttons between them, then the rest.
    setTabOrder(m_available, toPrint);
    setTabOrder(toPrint, toAvailable);
    setTabOrder(toAvailable, m_chosen);
    m_available->setFocus();
}

std::vector<int> CEksportListyDoHTML::Codes(const QListWidget* list) {
    std::vector<int> codes;
    for (int row = 0; row < list->count(); ++row)
        codes.push_back(list->item(row)->data(Qt::UserRole).toInt());
    return codes;
}

ListTextWidth ListFontWidth(const PageStyle& style) {
    // The cells take the page's font and size, the head the page's font, bold, at the size a
    // printed page starts with.
    QFont cell(style.font);
    bool ok = false;
    const double points = style.fontSize.toDouble(&ok);
    cell.setPointSizeF(ok && points > 0 ? points : 12);
    QFont head(style.font);
    head.setPointSizeF(QGuiApplication::font().pointSizeF());
    head.setBold(true);
    return [cells = QFontMetricsF(cell), heads = QFontMetricsF(head)](const QString& text,
                                                                      bool inHead) {
        return (inHead ? heads : cells).horizontalAdvance(text);
    };
}

ListPageSettings CEksportListyDoHTML::Settings() const {
    ListPageSettings settings;
    settings.style = m_style->Style();
    settings.textWidth = ListFontWidth(settings.style);
    settings.headPoints = QGuiApplication::font().pointSizeF();
    settings.columns = Codes(m_chosen);
    settings.generalRemarks = m_general->isChecked();
    settings.diseaseRemarks = m_diseases->isChecked();
    settings.appearanceRemarks = m_appearance->isChecked();
    settings.problemRemarks = m_problems->isChecked();
    settings.siblingsOf = m_siblingsOf;
    return settings;
}

void CEksportListyDoHTML::MoveToPrint() {
    MoveSelected(m_available, m_chosen);
}

void CEksportListyDoHTML::MoveToAvailable() {
    MoveSelected(m_chosen, m_available);
}

bool CEksportListyDoHTML::HasColumns() {
    if (m_chosen->count() > 0)
        return true;
    MessageBox::ShowMessage(this, u"Choose at least one kind of data to print."_s);
    return false;
}

void CEksportListyDoHTML::PrintPreview() {
    if (!HasColumns())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = WritePage(ListPagePath(), ListPageHtml(m_data, m_ids, Settings()));
    QApplication::restoreOverrideCursor();
    if (!written) {
        MessageBox::ShowMessage(this, u"The list could not be written to %1."_s.arg(
                                          QDir::toNativeSeparators(ListPagePath())));
        return;
    }
    CPodgladHTML preview(ListPagePath(), this);
    preview.SuggestPdfName(windowTitle());
    preview.exec();
}

void CEksportListyDoHTML::SaveList() {
    if (!HasColumns())
        return;
    const QString path = ChooseListFile(this, u"Save list as..."_s);
    if (path.isEmpty())
        return;
    if (!WritePage(path, ListPageHtml(m_data, m_ids, Settings())))
        MessageBox::ShowMessage(
            this, u"The list could not be saved to %1."_s.arg(QDir::toNativeSeparators(path)));
}
