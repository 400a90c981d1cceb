// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/WybierzPsaZListy.h"

#include "pedigree/DrukujRodowodGolebia.h"
#include "pedigree/DrzewoGenealogicznePsa.h"
#include "register/ChooserCandidates.h"
#include "register/DodajGolebia.h"
#include "storage/AppData.h"
#include "storage/Formatting.h"
#include "ui/Banner.h"
#include "ui/ListSelection.h"
#include "ui/LongText.h"
#include "ui/MessageBox.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

CWybierzPsaZListy::CWybierzPsaZListy(AppData& appData, int mode, QWidget* parent)
    : QDialog(parent)
    , m_data(appData)
    , m_mode(mode)
    , m_search(new QLineEdit(this))
    , m_list(new QListWidget(this))
    , m_category(new QComboBox(this))
    , m_band(new ElidedLabel(this))
    , m_colour(new ElidedLabel(this))
    , m_summary(new QLabel(this)) {
    setObjectName(u"pigeonChooser"_s);
    setWindowTitle(u"Select pigeon + eneter band nr to find pigeon faster"_s);
    m_search->setObjectName(u"band"_s);
    m_list->setObjectName(u"candidates"_s);
    m_category->setObjectName(u"categoryFilter"_s);
    m_band->setObjectName(u"chosenBand"_s);
    m_colour->setObjectName(u"chosenColour"_s);
    m_summary->setObjectName(u"chosenSummary"_s);
    m_band->setFont(CaptionFont(22));
    m_colour->setFont(CaptionFont(16, false));
    m_summary->setFont(CaptionFont(16, false));
    LetLabelWrapAnywhere(m_summary);
    m_summary->setTextFormat(Qt::PlainText);
    KeepComboNarrow(m_category);

    m_category->addItem(u"All Pigeons"_s);
    if (m_data.currentLoft >= 0)
        for (const CategoryRecord& category : m_data.lofts[size_t(m_data.currentLoft)].categories)
            m_category->addItem(category.name);
    m_category->setCurrentIndex(0);
    connect(m_category, &QComboBox::activated, this, &CWybierzPsaZListy::FillCandidates);
    connect(m_search, &QLineEdit::textChanged, this, &CWybierzPsaZListy::OnSearch);
    FollowSelectedRow(m_list, this, [this](int row) { OnChosen(row); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CWybierzPsaZListy::accept);
    m_search->installEventFilter(this);

    auto* info = new QGroupBox(u"PIGEON INFORMATIONS"_s, this);
    auto* infoLayout = new QVBoxLayout(info);
    infoLayout->addWidget(m_band);
    infoLayout->addWidget(m_colour);
    infoLayout->addWidget(m_summary, 1);
    auto* edit = new QPushButton(u"Edit Pigeon"_s, info);
    edit->setObjectName(u"editPigeon"_s);
    edit->setAutoDefault(false);
    connect(edit, &QPushButton::clicked, this, &CWybierzPsaZListy::EditSelected);
    m_pedigree = new QPushButton(u"Print Pedigree"_s, info);
    m_pedigree->setObjectName(u"printPedigree"_s);
    m_pedigree->setAutoDefault(false);
    connect(m_pedigree, &QPushButton::clicked, this, &CWybierzPsaZListy::PrintPedigree);
    m_tree = new QPushButton(u"Family Tree"_s, info);
    m_tree->setObjectName(u"familyTree"_s);
    m_tree->setAutoDefault(false);
    connect(m_tree, &QPushButton::clicked, this, &CWybierzPsaZListy::ShowFamilyTree);
    auto* infoButtons = new QHBoxLayout;
    infoButtons->addWidget(edit);
    infoButtons->addWidget(m_pedigree);
    infoButtons->addWidget(m_tree);
    infoLayout->addLayout(infoButtons);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(u"ok"_s);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(u"cancel"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &CWybierzPsaZListy::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(u"Band"_s, this), 0, 0);
    layout->addWidget(m_search, 1, 0);
    layout->addWidget(m_list, 2, 0);
    layout->addWidget(m_category, 3, 0);
    layout->addWidget(info, 0, 1, 4, 1);
    layout->addWidget(buttons, 4, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
    resize(640, 420);

    FillCandidates(0);
}

void CWybierzPsaZListy::FillCandidates(int categoryIndex) {
    m_chosenId = -1;
    m_flag = 0;
    if (categoryIndex <= 0 || m_data.currentLoft < 0) {
        m_candidates = ChooserCandidates(m_data, m_mode);
    } else {
        std::vector<int> members;
        const auto& categories = m_data.lofts[size_t(m_data.currentLoft)].categories;
        if (const DbResult result =
                m_data.ReadCategoryMembers(categories[size_t(categoryIndex - 1)].id, members);
            result.failed())
            MessageBox::ShowReadFailure(this, result);
        m_candidates = ChooserCandidates(m_data, m_mode, &members);
    }
    ShowList(m_candidates);
    m_band->setText(u"Select pigeon"_s);
    m_colour->setText(u" "_s);
    m_summary->setText(u"No pigeon selected"_s);
}

void CWybierzPsaZListy::ShowList(const std::vector<int>& ids) {
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    m_shown = ids;
    for (int id : ids)
        m_list->addItem(BandLabel(m_data.FindPigeon(id)));
    EnablePrintButtons();
}

int CWybierzPsaZListy::SelectedListRow() const {
    const int row = SelectedRow(m_list);
    return row < static_cast<int>(m_shown.size()) ? row : -1;
}

int CWybierzPsaZListy::SelectedId() const {
    const int row = SelectedListRow();
    return row < 0 ? 0 : m_shown[size_t(row)];
}

// Down in the band search goes on into the list, to the first row or the one after the chosen.
bool CWybierzPsaZListy::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_search || event->type() != QEvent::KeyPress ||
        static_cast<QKeyEvent*>(event)->key() != Qt::Key_Down || m_list->count() == 0)
        return QDialog::eventFilter(watched, event);
    m_list->setFocus();
    m_list->setCurrentRow(std::min(SelectedListRow() + 1, m_list->count() - 1));
    return true;
}

// The tree and the pedigree act on the pigeon picked in the list, so they wait for one.
void CWybierzPsaZListy::EnablePrintButtons() {
    const bool chosen = SelectedId() > 0;
    m_pedigree->setEnabled(chosen);
    m_tree->setEnabled(chosen);
}

void CWybierzPsaZListy::ShowFamilyTree() {
    if (const int id = SelectedId(); id > 0) {
        CDrzewoGenealogicznePsa tree(m_data, id, this);
        tree.exec();
    }
}

void CWybierzPsaZListy::PrintPedigree() {
    if (const int id = SelectedId(); id > 0) {
        CDrukujRodowodGolebia pedigree(m_data, m_data.FindPigeon(id), this);
        pedigree.exec();
    }
}

void CWybierzPsaZListy::OnSearch(const QString& text) {
    ShowList(MatchingBand(m_data, m_candidates, text));
}

void CWybierzPsaZListy::OnChosen(int row) {
    EnablePrintButtons();
    if (row < 0 || row >= static_cast<int>(m_shown.size())) {
        m_band->setText(u"Pigeon not selected"_s);
        m_colour->setText(u" "_s);
        m_summary->setText(u" "_s);
        return;
    }
    m_chosenId = m_shown[size_t(row)];
    m_flag = 1;
    const PigeonRecord& pigeon = m_data.FindPigeon(m_chosenId);
    m_band->setText(BandLabel(pigeon));
    const auto colour = m_data.colours.find(pigeon.idColour);
    m_colour->setText(colour == m_data.colours.end() ? QString() : colour->second);
    m_summary->setText(pigeon.shortDescription);
}

void CWybierzPsaZListy::EditSelected() {
    const int row = SelectedListRow();
    if (row < 0)
        return;
    CDodajGolebia editor(m_data, CDodajGolebia::Mode::Edit, m_data.FindPigeon(m_shown[size_t(row)]),
                         nullptr, this);
    if (editor.exec() == QDialog::Accepted) {
        m_list->item(row)->setText(BandLabel(editor.Working()));
        OnChosen(row);
    }
}

void CWybierzPsaZListy::accept() {
    const int row = SelectedListRow();
    if (row < 0) {
        m_flag = -1;
    } else {
        m_chosenId = m_shown[size_t(row)];
        m_flag = 1;
    }
    QDialog::accept();
}
