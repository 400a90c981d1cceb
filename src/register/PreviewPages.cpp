// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/PreviewPages.h"

#include "pedigree/DrzewoGenealogicznePsa.h"
#include "register/DodajGolebia.h"
#include "register/UstawOpis.h"
#include "storage/AppData.h"
#include "storage/Formatting.h"
#include "ui/ColumnFitter.h"
#include "ui/Contrast.h"
#include "ui/LongText.h"
#include "ui/MessageBox.h"

#include <QHeaderView>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QFont Face(const QString& family, int pixelSize, int weight) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

template <typename Label>
Label* Styled(Label* label, const QString& name, const QFont& font, const QColor& colour) {
    label->setObjectName(name);
    label->setFont(font);
    Contrast::SetTextColour(label, QPalette::WindowText, colour);
    return label;
}

const QColor kCounter(94, 102, 208);

} // namespace

QTableWidget* MakePanelList(QWidget* parent, const QString& name, const QStringList& headers,
                            const std::vector<int>& widths, std::vector<int> bandColumns) {
    auto* list = new QTableWidget(0, int(headers.size()) + 1, parent);
    list->setObjectName(name);
    list->setHorizontalHeaderLabels(QStringList{QString()} + headers);
    std::vector<int> columns{30};
    columns.insert(columns.end(), widths.begin(), widths.end());
    for (int& column : bandColumns)
        ++column;
    FitColumnsToWidth(list, std::move(columns), u"Preview/"_s + name, std::move(bandColumns));
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(20);
    list->setShowGrid(true);
    list->setWordWrap(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->horizontalHeader()->setSectionsClickable(false);
    list->horizontalHeader()->setHighlightSections(false);
    list->setTextElideMode(Qt::ElideRight);
    Contrast::SetTextColour(list, QPalette::Text, QColor(0, 0, 255));
    return list;
}

void FillPanelList(QTableWidget* list, const std::vector<QStringList>& rows) {
    const QSignalBlocker blocker(list->selectionModel());
    list->clearSelection();
    // A row left current would be taken up again by the focus, naming another bird.
    list->selectionModel()->clearCurrentIndex();
    list->setRowCount(int(rows.size()));
    for (int row = 0; row < int(rows.size()); ++row) {
        list->setItem(row, 0, new QTableWidgetItem(u" "_s));
        const QStringList& texts = rows[size_t(row)];
        for (int column = 0; column < texts.size(); ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setToolTip(PlainToolTip(texts[column]));
            list->setItem(row, column + 1, item);
        }
    }
}

void ReselectPanelRow(QTableWidget* list, const std::vector<int>& ids, int id, int row) {
    if (id < 1)
        return;
    if (row < 0 || row >= int(ids.size()) || ids[size_t(row)] != id)
        row = int(std::find(ids.begin(), ids.end(), id) - ids.begin());
    if (row < int(ids.size()))
        list->selectRow(row);
}

CPreviewPage::CPreviewPage(AppData& appData, QWidget* parent)
    : QWidget(parent)
    , m_data(appData) {}

void CPreviewPage::Show(int pigeonId) {
    if (pigeonId != m_pigeonId)
        m_filledFor = -2; // another bird, even if the page has not been filled for it yet
    m_pigeonId = pigeonId;
    if (isVisible())
        Fill();
}

void CPreviewPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Races, pairs and birds change in other tabs while this one is out of sight.
    Fill();
}

void CPreviewPage::Fill() {
    Refresh();
    m_filledFor = m_pigeonId;
}

void CPreviewPage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Under a dark palette the labels are coloured to read on the window colour.
    if (!Contrast::IsLight(palette()))
        return painter.fillRect(rect(), palette().color(QPalette::Window));
    QLinearGradient gradient(rect().topLeft(), rect().topRight());
    gradient.setColorAt(0, QColor(213, 224, 247));
    gradient.setColorAt(1, Qt::white);
    painter.fillRect(rect(), gradient);
}

void CPreviewPage::EditPigeon(int pigeonId) {
    const PigeonRecord& pigeon = m_data.FindPigeon(pigeonId);
    if (pigeon.id < 1)
        return;
    CDodajGolebia editor(m_data, CDodajGolebia::Mode::Edit, pigeon, nullptr, this);
    editor.exec();
    // Photos, documents and treatments are stored as they change, even on "Close".
    Q_EMIT pigeonEdited(pigeonId);
}

void CPreviewPage::ShowFamilyTree(int pigeonId) {
    CDrzewoGenealogicznePsa tree(m_data, pigeonId, this);
    tree.exec();
}

QLabel* CPreviewPage::Counter(const QString& name, const QString& caption) {
    auto* title = new QLabel(caption, this);
    title->setObjectName(name + u"Caption"_s);
    auto* counter = Styled(new QLabel(u"0"_s, this), name, Face(u"Tahoma"_s, 30, 700), kCounter);
    counter->setProperty("caption", QVariant::fromValue<QObject*>(title));
    return counter;
}

void CPreviewPage::Title(const QString& text, int x, int width) {
    auto* title = new QLabel(text, this);
    title->setFont(Face(u"Tahoma"_s, 14, 700));
    Contrast::SetTextColour(title, QPalette::WindowText, QColor(63, 172, 255));
    title->setGeometry(x, 4, width, 22);
}

void CPreviewPage::PlaceCounter(QLabel* counter, const QRect& rect) {
    if (auto* title = qobject_cast<QLabel*>(counter->property("caption").value<QObject*>()))
        title->setGeometry(rect.left(), rect.top(), rect.width(), 16);
    counter->setGeometry(rect.left(), rect.top() + 14, rect.width(), rect.height() - 14);
}

CPanelPodgladuTab1::CPanelPodgladuTab1(AppData& appData, QWidget* parent)
    : CPreviewPage(appData, parent)
    , m_band(Styled(new ElidedLabel(this), u"band"_s, Face(u"Tahoma"_s, 30, 700),
                    QColor(105, 148, 229)))
    , m_sire(Styled(new ElidedLabel(this), u"sire"_s, Face(u"Verdana"_s, 20, 700),
                    QColor(148, 175, 232)))
    , m_dam(Styled(new ElidedLabel(this), u"dam"_s, Face(u"Verdana"_s, 20, 700),
                   QColor(148, 175, 232)))
    , m_summary(
          Styled(new QLabel(this), u"summary"_s, Face(u"Tahoma"_s, 18, 500), QColor(Qt::blue)))
    , m_velocity(Styled(new QLabel(this), u"velocity"_s, Face(u"Tahoma"_s, 20, 700), kCounter))
    , m_qualifications(
          Styled(new QLabel(this), u"qualifications"_s, Face(u"Tahoma"_s, 20, 700), kCounter))
    , m_setSummary(new QPushButton(u"..."_s, this)) {
    setObjectName(u"previewSummary"_s);
    LetLabelWrapAnywhere(m_summary);
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_setSummary->setObjectName(u"setSummary"_s);
    m_setSummary->setAccessibleName(u"Set summary"_s);
    m_setSummary->setToolTip(u"Set summary...."_s);
    m_setSummary->setAutoDefault(false);
    connect(m_setSummary, &QPushButton::clicked, this, &CPanelPodgladuTab1::SetSummary);
    Refresh();
}

void CPanelPodgladuTab1::Refresh() {
    const PigeonRecord& pigeon = m_data.FindPigeon(m_pigeonId < 1 ? 0 : m_pigeonId);
    m_setSummary->setEnabled(pigeon.id >= 1);
    if (pigeon.id < 1) {
        m_band->setText(u"Please select pigeon"_s);
        m_sire->setText(u"No sire information "_s);
        m_dam->setText(u"No dam information "_s);
        m_summary->setText(u"Pigeon summary is not available.\r\nSelect pigeon from list to show "
                           u"this information..."_s);
        m_velocity->setText(u"Velocity: 0"_s);
        m_qualifications->setText(u"Qualifications: 0"_s);
        return;
    }
    m_band->setText(BandLabel(pigeon));
    m_summary->setText(pigeon.shortDescription);
    m_sire->setText(pigeon.idSire >= 1 ? BandLabel(m_data.FindPigeon(pigeon.idSire))
                                       : u"No sire information "_s);
    m_dam->setText(pigeon.idDam >= 1 ? BandLabel(m_data.FindPigeon(pigeon.idDam))
                                     : u"No dam  information "_s);
    m_qualifications->setText(u"Qualifications: %1"_s.arg(pigeon.raceEntries));
    const int velocity =
        pigeon.raceEntries > 0 ? static_cast<int>(pigeon.velocitySum / pigeon.raceEntries) : 0;
    m_velocity->setText(u"Velocity: %1"_s.arg(velocity));
}

void CPanelPodgladuTab1::SetSummary() {
    if (m_data.FindPigeon(m_pigeonId < 1 ? 0 : m_pigeonId).id < 1)
        return;
    const int id = m_pigeonId;
    CUstawOpis dialog(
        m_data.FindPigeon(id).shortDescription,
        [this, id](const QString& text) { return m_data.SetPigeonShortDescription(id, text); },
        this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The screen shows the new text only once it is stored.
    m_data.pigeons[id].shortDescription = dialog.Summary();
    m_summary->setText(dialog.Summary());
    Q_EMIT pigeonEdited(id);
}

void CPanelPodgladuTab1::resizeEvent(QResizeEvent*) {
    const int w = width();
    m_band->setGeometry(12, 4, w - 24, 38);
    m_sire->setGeometry(12, 44, (w - 24) / 2, 26);
    m_dam->setGeometry(12 + (w - 24) / 2, 44, (w - 24) / 2, 26);
    m_setSummary->setGeometry(12, 76, 28, 24);
    m_summary->setGeometry(46, 74, w - 300, height() - 78);
    m_qualifications->setGeometry(w - 240, 76, 228, 26);
    m_velocity->setGeometry(w - 240, 104, 228, 26);
}
