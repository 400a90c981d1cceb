// SPDX-License-Identifier: GPL-3.0-or-later
#include "breeding/NajlepszePary.h"

#include "breeding/PigeonPanel.h"
#include "storage/AppData.h"
#include "storage/Formatting.h"
#include "storage/RowIdTableModel.h"
#include "ui/Contrast.h"
#include "ui/ListSelection.h"
#include "ui/LongText.h"
#include "ui/PictureBox.h"
#include "ui/RecordList.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QLabel* Heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(CaptionFont(20));
    Contrast::SetTextColour(label, QPalette::WindowText, QColor(63, 172, 255));
    return label;
}

PictureBox* Photo(const QString& name, QWidget* parent) {
    auto* box = new PictureBox(parent, PictureBox::Mode::Fitted);
    box->setObjectName(name);
    box->setFixedSize(214, 148);
    ShowPigeonPhoto(box, PigeonRecord(), 0);
    return box;
}

ElidedLabel* Band(const QString& name, QWidget* parent) {
    auto* label = new ElidedLabel(parent);
    label->setObjectName(name);
    label->setFont(CaptionFont(16));
    return label;
}

} // namespace

CNajlepszePary::CNajlepszePary(const AppData& appData, QWidget* parent)
    : BannerDialog(parent)
    , m_data(appData)
    , m_couples(RankBestPairs(appData))
    , m_pairs(new RowIdTableModel(BestPairHeaders(), {}, this))
    , m_children(new RowIdTableModel(RacedChildHeaders(), {}, this))
    , m_pairsView(new QTableView(this))
    , m_childrenView(new QTableView(this))
    , m_sirePhoto(Photo(u"sirePhoto"_s, this))
    , m_damPhoto(Photo(u"damPhoto"_s, this))
    , m_childPhoto(Photo(u"childPhoto"_s, this))
    , m_sireBand(Band(u"sireBand"_s, this))
    , m_damBand(Band(u"damBand"_s, this))
    , m_childBand(Band(u"childBand"_s, this))
    , m_childDescription(new QLabel(this)) {
    setObjectName(u"bestPairsDialog"_s);
    setWindowTitle(u"Best Pairs in Loft"_s);
    setBannerTitle(u"Best Pairs in loft"_s);
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    m_pairsView->setObjectName(u"bestPairs"_s);
    m_childrenView->setObjectName(u"pairChildren"_s);
    SetUpRecordList(m_pairsView, m_pairs, u"BestPairs"_s, BestPairColumnWidths(), {0, 1, 2},
                    {.widen = true});
    SetUpRecordList(m_childrenView, m_children, u"BestPairChildren"_s, RacedChildColumnWidths(),
                    {0});
    m_childDescription->setObjectName(u"childDescription"_s);
    m_childDescription->setTextFormat(Qt::PlainText);
    m_childDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_childDescription->setWordWrap(true);
    // A long description is cut rather than making the window taller; the tooltip has it all.
    m_childDescription->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);

    std::vector<RowIdTableModel::Row> rows;
    rows.reserve(m_couples.size());
    for (size_t i = 0; i < m_couples.size(); ++i)
        rows.push_back(BestPairRow(m_data, m_couples[i], static_cast<int>(i) + 1));
    m_pairs->SetRows(std::move(rows));
    ShowNoChild();
    FollowSelectedRow(m_pairsView, this, [this](int row) { ShowCouple(row); });
    FollowSelectedRow(m_childrenView, this, [this](int row) { ShowChild(row); });

    auto* close = new QPushButton(u"Close"_s, this);
    close->setObjectName(u"close"_s);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* sire = new QVBoxLayout;
    sire->addWidget(Heading(u"Sire information"_s, this));
    sire->addWidget(m_sirePhoto);
    sire->addWidget(m_sireBand);
    auto* dam = new QVBoxLayout;
    dam->addWidget(Heading(u"Dam information"_s, this));
    dam->addWidget(m_damPhoto);
    dam->addWidget(m_damBand);
    auto* child = new QVBoxLayout;
    child->addWidget(m_childPhoto);
    child->addWidget(m_childBand);
    child->addWidget(m_childDescription, 1);

    auto* right = new QGridLayout;
    right->addLayout(sire, 0, 0);
    right->addLayout(dam, 0, 1);
    right->addWidget(Heading(u"Children of pair"_s, this), 1, 0, 1, 2);
    // The children's list runs under the child's picture too: its band and three figures
    // need more than the width of the parents' pictures.
    right->addWidget(m_childrenView, 2, 0, 1, 3);
    right->addLayout(child, 0, 2, 2, 1);
    right->setRowStretch(2, 1);
    right->setColumnMinimumWidth(2, 214);

    auto* columns = new QHBoxLayout;
    columns->addWidget(m_pairsView, 4);
    columns->addLayout(right, 5);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 72, 16, 12);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    const QRect screen = this->screen()->availableGeometry();
    resize(std::min(1180, screen.width()), std::min(640, screen.height()));
    m_pairsView->setFocus();
}

void CNajlepszePary::ShowCouple(int row) {
    // A click beside the rows leaves the couple shown; a sort leaves it too.
    const int id = m_pairs->IdAt(row);
    const auto couple = std::find_if(m_couples.begin(), m_couples.end(),
                                     [id](const RankedCouple& c) { return c.pair.id == id; });
    if (couple == m_couples.end() || id == m_shownPair)
        return;
    m_shownPair = id;
    const PairRecord& pair = couple->pair;
    const PigeonRecord& sire = m_data.FindPigeon(pair.idCock);
    const PigeonRecord& dam = m_data.FindPigeon(pair.idHen);
    m_sireBand->setText(BandLabel(sire));
    m_damBand->setText(BandLabel(dam));
    ShowPigeonPhoto(m_sirePhoto, sire, 0);
    ShowPigeonPhoto(m_damPhoto, dam, 0);
    std::vector<RowIdTableModel::Row> rows;
    for (const ChildRecord& young : pair.children)
        rows.push_back(RacedChildRow(m_data.FindPigeon(young.idPigeon)));
    m_children->SetRows(std::move(rows));
    ShowNoChild();
}

void CNajlepszePary::ShowChild(int row) {
    // A click beside the rows leaves the bird shown.
    if (row < 0 || row >= m_children->rowCount())
        return;
    const PigeonRecord& pigeon = m_data.FindPigeon(m_children->IdAt(row));
    m_childBand->setText(BandLabel(pigeon));
    m_childDescription->setText(pigeon.shortDescription);
    m_childDescription->setToolTip(PlainToolTip(pigeon.shortDescription));
    ShowPigeonPhoto(m_childPhoto, pigeon, 0);
}

void CNajlepszePary::ShowNoChild() {
    m_childBand->setText(u"Select pigeon from list"_s);
    m_childDescription->setText(u"Pigeon description is unavailable..."_s);
    m_childDescription->setToolTip(QString());
    ShowPigeonPhoto(m_childPhoto, PigeonRecord(), 0);
}
