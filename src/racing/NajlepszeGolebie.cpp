// SPDX-License-Identifier: GPL-3.0-or-later
#include "racing/NajlepszeGolebie.h"

#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/Formatting.h"
#include "storage/RowIdTableModel.h"
#include "ui/Artwork.h"
#include "ui/ListSelection.h"
#include "ui/LongText.h"
#include "ui/PictureBox.h"
#include "ui/RecordList.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
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
    label->setStyleSheet(u"color: rgb(63, 172, 255);"_s);
    return label;
}

QLabel* Figure(const QString& name, QWidget* parent) {
    auto* label = new QLabel(u"0"_s, parent);
    label->setObjectName(name);
    label->setFont(CaptionFont(26));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QGroupBox* Frame(const QString& title, QLabel* figure, QWidget* parent) {
    auto* frame = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(figure);
    return frame;
}

} // namespace

CNajlepszeGolebie::CNajlepszeGolebie(const AppData& appData, QWidget* parent)
    : BannerDialog(parent)
    , m_data(appData)
    , m_ranked(RankBestPigeons(appData))
    , m_rankedModel(new RowIdTableModel({u"Nr."_s, u"Pigeon"_s}, {}, this))
    , m_resultsModel(new RowIdTableModel({u"..."_s, u"Place"_s, u"Weather"_s, u"Position"_s,
                                          u"Velocity [m/min]"_s, u"Arrive time"_s},
                                         {}, this))
    , m_rankedView(new QTableView(this))
    , m_resultsView(new QTableView(this))
    , m_average(Figure(u"averagePosition"_s, this))
    , m_qualifications(Figure(u"qualifications"_s, this))
    , m_best(Figure(u"bestPosition"_s, this))
    , m_photo(new PictureBox(this, PictureBox::Mode::Stretched))
    , m_band(new ElidedLabel(u" "_s, this))
    , m_description(new QLabel(this)) {
    setObjectName(u"bestPigeons"_s);
    m_description->setTextFormat(Qt::PlainText);
    setWindowTitle(u"Best Pigeons In The Loft"_s);
    setBannerTitle(u"Best Pigeons in loft"_s);

    m_rankedView->setObjectName(u"rankedList"_s);
    m_rankedView->setAccessibleName(u"Best pigeons"_s);
    SetUpRecordList(m_rankedView, m_rankedModel, u"BestPigeons"_s, {30, 145}, {0, 1},
                    {.rowHeight = 22, .widen = true});
    // The place in the ranking goes with the bird, whatever order the list shows.
    std::vector<RowIdTableModel::Row> ranked;
    for (size_t place = 0; place < m_ranked.size(); ++place)
        ranked.push_back(
            {m_ranked[place],
             {QString::number(place + 1), BandLabel(m_data.FindPigeon(m_ranked[place]))}});
    m_rankedModel->SetRows(std::move(ranked));
    ClearSelectionOnEmptyClick(m_rankedView);
    m_resultsView->setObjectName(u"resultsList"_s);
    m_resultsView->setAccessibleName(u"Races of the chosen pigeon"_s);
    m_resultsModel->SetCheckable(true);
    SetUpRecordList(m_resultsView, m_resultsModel, u"BestPigeonResults"_s,
                    {30, 110, 100, 90, 120, 120}, {}, {.rowHeight = 22});
    FollowSelectedRow(m_rankedView, this, [this](int row) { ShowPigeon(row); });

    m_photo->setObjectName(u"photo"_s);
    m_photo->setFixedSize(214, 148);
    m_photo->ShowPlaceholder(Artwork::DefaultPortrait());
    m_band->setObjectName(u"band"_s);
    m_band->setFont(CaptionFont(18));
    m_description->setObjectName(u"description"_s);
    m_description->setFont(CaptionFont(18, false));
    m_description->setWordWrap(true);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LetLabelWrapAnywhere(m_description);
    m_description->setText(u"You must select pigeon to see \n their all racing results."_s);

    auto* figures = new QHBoxLayout;
    figures->addWidget(Frame(u"Average Position"_s, m_average, this));
    figures->addWidget(Frame(u"Qualifications Nr"_s, m_qualifications, this));
    figures->addWidget(Frame(u"Best position"_s, m_best, this));

    auto* left = new QVBoxLayout;
    left->addWidget(Heading(u"Best pigeons"_s, this));
    left->addWidget(m_rankedView, 1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(Heading(u"All Racing Results"_s, this));
    middle->addWidget(m_resultsView, 1);
    middle->addLayout(figures);
    auto* right = new QVBoxLayout;
    right->addWidget(Heading(u"Photo Preview"_s, this));
    right->addWidget(m_photo);
    right->addWidget(Heading(u"Pigeon Informations"_s, this));
    right->addWidget(m_band);
    right->addWidget(m_description, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(u"close"_s);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 70, 12, 12);
    grid->addLayout(left, 0, 0);
    grid->addLayout(middle, 0, 1);
    grid->addLayout(right, 0, 2);
    grid->addWidget(buttons, 1, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    m_rankedView->setMinimumWidth(200);
    // On a small screen the results scroll sideways rather than the window leaving the screen.
    m_resultsView->setMinimumWidth(360);
    const QRect screen = this->screen()->availableGeometry();
    resize(std::min(1080, screen.width()), std::min(580, screen.height()));
}

void CNajlepszeGolebie::ShowPigeon(int row) {
    const int id = m_rankedModel->IdAt(row);
    if (id == m_shownPigeon)
        return;
    m_shownPigeon = id;
    if (id == 0) {
        m_results = {};
        m_resultsModel->Clear();
        return;
    }
    const PigeonRecord& pigeon = m_data.FindPigeon(id);
    m_results = CollectRaceResults(m_data, pigeon.id);
    std::vector<RowIdTableModel::Row> races;
    for (const RaceResultRow& result : m_results.rows)
        races.push_back({result.race.id, QStringList{u" "_s} + ResultRowTexts(result)});
    m_resultsModel->SetRows(std::move(races));
    m_average->setText(QString::number(m_results.averagePosition));
    m_qualifications->setText(QString::number(m_results.rows.size()));
    m_best->setText(QString::number(m_results.bestPosition));
    m_band->setText(BandLabel(pigeon));
    m_description->setText(pigeon.shortDescription);
    ShowPigeonPhoto(m_photo, pigeon);
}
