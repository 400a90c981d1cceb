// SPDX-License-Identifier: GPL-3.0-or-later
#include "breeding/DodajPsaDoPary.h"

#include "breeding/Pairing.h"
#include "breeding/PigeonPanel.h"
#include "register/ChooserCandidates.h"
#include "register/WybierzPsaZListy.h"
#include "storage/AppData.h"
#include "ui/Contrast.h"
#include "ui/MessageBox.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

CDodajPsaDoPary::CDodajPsaDoPary(AppData& appData, const PairRecord& pair, Mode mode,
                                 const ChildRecord& child, QWidget* parent)
    : BannerDialog(parent)
    , m_data(appData)
    , m_pair(pair)
    , m_mode(mode)
    , m_child(mode == Mode::Edit ? child : ChildRecord())
    , m_panel(new PigeonPanel(u"pigeon"_s, this))
    , m_remarks(new QPlainTextEdit(this)) {
    setObjectName(u"childDialog"_s);
    setWindowTitle(u"Add Pigeon to pair"_s);
    setBannerTitle(u"Add Pigeon to pair"_s);
    m_remarks->setObjectName(u"remarks"_s);
    m_remarks->setTabChangesFocus(true);

    auto* heading = new QLabel(u"P I G E O N"_s, this);
    heading->setFont(CaptionFont(20));
    Contrast::SetTextColour(heading, QPalette::WindowText, QColor(63, 172, 255));
    auto* choose = new QPushButton(u"..."_s, this);
    choose->setObjectName(u"choosePigeon"_s);
    choose->setAccessibleName(u"Choose pigeon"_s);
    choose->setAutoDefault(false);
    choose->setFixedWidth(36);
    connect(choose, &QPushButton::clicked, this, &CDodajPsaDoPary::Choose);
    auto* headingRow = new QHBoxLayout;
    headingRow->addWidget(heading, 1);
    headingRow->addWidget(choose);

    auto* store = new QPushButton(mode == Mode::Edit ? u"Save"_s : u"Add pigeon to pair"_s, this);
    store->setObjectName(u"store"_s);
    store->setDefault(true);
    connect(store, &QPushButton::clicked, this, &CDodajPsaDoPary::accept);
    auto* cancel = new QPushButton(u"Cancel"_s, this);
    cancel->setObjectName(u"cancel"_s);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(store);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 72, 16, 12);
    layout->addLayout(headingRow);
    layout->addWidget(m_panel);
    layout->addWidget(new QLabel(u"Remarks"_s, this));
    layout->addWidget(m_remarks, 1);
    layout->addLayout(buttons);
    resize(440, 480);

    if (mode == Mode::Edit) {
        m_remarks->setPlainText(m_child.remarks);
        ShowPigeon(m_child.idPigeon);
    } else {
        m_panel->ShowNone(u"N/A"_s, u"There is no pigeon selected.\n\nClick in [...] button, then "
                                    u"select pigeon to add pigeon to pair."_s);
    }
    choose->setFocus();
}

void CDodajPsaDoPary::ShowPigeon(int pigeonId) {
    m_chosenId = pigeonId;
    const PigeonRecord& pigeon = m_data.FindPigeon(pigeonId);
    m_panel->ShowPigeon(pigeon, PigeonInformation(m_data, pigeon));
}

void CDodajPsaDoPary::Choose() {
    CWybierzPsaZListy chooser(m_data, ChooseAll, this);
    if (chooser.exec() == QDialog::Accepted && chooser.ResultFlag() == 1 && chooser.ChosenId() > 0)
        ShowPigeon(chooser.ChosenId());
}

void CDodajPsaDoPary::accept() {
    if (m_chosenId < 1) {
        MessageBox::ShowMessage(this, u"Select pigeon"_s);
        return;
    }
    // A bird cannot be its own sire or dam, nor one of the young of a pair twice.
    if (m_chosenId == m_pair.idCock || m_chosenId == m_pair.idHen) {
        MessageBox::ShowMessage(this, u"A bird of the pair cannot be its own young."_s);
        return;
    }
    const bool listed =
        std::any_of(m_pair.children.begin(), m_pair.children.end(), [this](const ChildRecord& c) {
            return c.idPigeon == m_chosenId && c.id != m_child.id;
        });
    if (listed) {
        MessageBox::ShowMessage(this, u"This bird is already one of the young of this pair."_s);
        return;
    }
    ChildRecord child = m_child;
    child.idPigeon = m_chosenId;
    child.remarks = m_remarks->toPlainText();
    child.idPair = m_pair.id;
    if (m_mode == Mode::Add) {
        child.idLoft = m_data.CurrentLoftId();
        child.dateAdded = QDateTime::currentSecsSinceEpoch();
    }
    const int mode = m_mode == Mode::Add ? -1 : child.id;
    if (const DbResult result = m_data.SaveChildOfPair(mode, child, m_pair.idCock, m_pair.idHen);
        !result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }
    m_child = child;
    QDialog::accept();
}
