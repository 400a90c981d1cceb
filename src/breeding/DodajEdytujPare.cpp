// SPDX-License-Identifier: GPL-3.0-or-later
#include "breeding/DodajEdytujPare.h"

#include "breeding/Pairing.h"
#include "breeding/PigeonPanel.h"
#include "breeding/Relationship.h"
#include "breeding/TestMating.h"
#include "pedigree/DrzewoGenealogicznePsa.h"
#include "register/ChooserCandidates.h"
#include "register/WybierzPsaZListy.h"
#include "storage/AppData.h"
#include "storage/LocalTime.h"
#include "ui/Contrast.h"
#include "ui/DateFields.h"
#include "ui/MessageBox.h"

#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QColor kBlue(63, 172, 255);
const QColor kPink(255, 167, 242);

QLabel* Heading(const QString& text, const QColor& colour, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(CaptionFont(20));
    Contrast::SetTextColour(label, QPalette::WindowText, colour);
    return label;
}

QPushButton* Button(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

const QString kNoSire =
    u"Not sire is selected.\n\nPlease click in select button, then choose a bird."_s;
const QString kNoDam =
    u"Not dam is selected.\n\nPlease click in select button, then choose a bird."_s;

} // namespace

CDodajEdytujPare::CDodajEdytujPare(AppData& appData, Mode mode, const PairRecord& pair,
                                   QWidget* parent)
    : BannerDialog(parent)
    , m_data(appData)
    , m_mode(mode)
    , m_pair(pair)
    , m_date(new DateFields(u"Pairing date"_s, false, this))
    , m_remarksHeading(Heading(u"GENERAL REMARKS"_s, kBlue, this))
    , m_remarks(new QPlainTextEdit(this))
    , m_matingInbreeding(new QLabel(this)) {
    setObjectName(u"pairEditor"_s);
    setWindowTitle(u"Pairing"_s);
    setBannerTitle(u"Add new pair"_s);
    m_date->setObjectName(u"datePaired"_s);
    // The heading names the fields; the label stays for the messages about them.
    if (auto* label = m_date->findChild<QLabel*>())
        label->hide();
    m_remarksHeading->setObjectName(u"remarksHeading"_s);
    m_remarks->setObjectName(u"remarks"_s);
    m_remarksHeading->setBuddy(m_remarks);
    m_remarks->setTabChangesFocus(true);

    const QString prefixes[] = {u"sire"_s, u"dam"_s};
    const QString headings[] = {u"SIRE INFORMATION"_s, u"DAM INFORMATION"_s};
    const QString selects[] = {u"Select sire"_s, u"Select dam"_s};
    auto* sides = new QHBoxLayout;
    sides->setSpacing(24);
    for (Side side : {Sire, Dam}) {
        auto* column = new QVBoxLayout;
        column->addWidget(Heading(headings[side], side == Sire ? kBlue : kPink, this));
        QPushButton* select =
            Button(selects[side], u"select"_s + (side == Sire ? u"Sire"_s : u"Dam"_s), this);
        connect(select, &QPushButton::clicked, this, [this, side] { Choose(side); });
        auto* selectRow = new QHBoxLayout;
        selectRow->addWidget(select);
        selectRow->addStretch();
        column->addLayout(selectRow);
        m_panels[side] = new PigeonPanel(prefixes[side], this);
        column->addWidget(m_panels[side]);
        QPushButton* tree = Button(u"Show family tree"_s, prefixes[side] + u"Tree"_s, this);
        connect(tree, &QPushButton::clicked, this, [this, side] { ShowTree(side); });
        auto* treeRow = new QHBoxLayout;
        treeRow->addWidget(tree);
        treeRow->addStretch();
        column->addLayout(treeRow);
        sides->addLayout(column, 1);
    }

    m_matingInbreeding->setObjectName(u"matingInbreeding"_s);
    auto* testMating = Button(u"Test mating"_s, u"testMating"_s, this);
    connect(testMating, &QPushButton::clicked, this, &CDodajEdytujPare::OpenTestMating);
    auto* mating = new QHBoxLayout;
    mating->addWidget(m_matingInbreeding, 1);
    mating->addWidget(testMating);

    auto* previous = Button(u"<<"_s, u"previousSlot"_s, this);
    auto* next = Button(u">>"_s, u"nextSlot"_s, this);
    previous->setFixedWidth(44);
    next->setFixedWidth(44);
    connect(previous, &QPushButton::clicked, this, [this] { StepSlot(-1); });
    connect(next, &QPushButton::clicked, this, [this] { StepSlot(1); });
    auto* remarksHead = new QHBoxLayout;
    remarksHead->addWidget(m_remarksHeading, 1);
    remarksHead->addWidget(previous);
    remarksHead->addWidget(next);

    auto* save = Button(mode == Mode::Edit ? u"Save"_s : u"Add Pair"_s, u"save"_s, this);
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &CDodajEdytujPare::accept);
    auto* cancel = Button(u"Cancel"_s, u"cancel"_s, this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* bottom = new QGridLayout;
    bottom->setHorizontalSpacing(24);
    bottom->addWidget(Heading(u"PAIRING DATE"_s, kBlue, this), 0, 0);
    m_date->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    bottom->addWidget(m_date, 1, 0, Qt::AlignTop | Qt::AlignLeft);
    bottom->addLayout(remarksHead, 0, 1);
    bottom->addWidget(m_remarks, 1, 1, 2, 1);
    bottom->setColumnStretch(0, 1);
    bottom->setColumnStretch(1, 1);
    bottom->setRowStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 72, 16, 12);
    layout->addLayout(sides);
    layout->addLayout(mating);
    layout->addSpacing(8);
    layout->addLayout(bottom, 1);
    layout->addLayout(buttons);
    m_remarks->setMinimumHeight(90);
    resize(820, 640);

    // Tab follows the layout: the two choices first, then the date, then the remarks.
    std::vector<QWidget*> order{
        findChild<QWidget*>(u"selectSire"_s), findChild<QWidget*>(u"selectDam"_s),
        findChild<QWidget*>(u"sireTree"_s), findChild<QWidget*>(u"damTree"_s), testMating};
    for (QWidget* part : m_date->findChildren<QWidget*>())
        if (part->focusPolicy() & Qt::TabFocus)
            order.push_back(part);
    order.insert(order.end(), {previous, next, m_remarks, save, cancel});
    for (size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    order.front()->setFocus();

    // The pairing day is typed; the time of day is kept from the opening.
    const qint64 opened =
        mode == Mode::Edit ? m_pair.datePaired : QDateTime::currentSecsSinceEpoch();
    LocalFields when;
    if (SplitLocalTime(opened, when)) {
        m_date->SetDate(when.day, when.month, when.year);
        m_hour = when.hour;
        m_minute = when.minute;
        m_second = when.second;
    }
    if (mode == Mode::Edit) {
        m_remarks->setPlainText(m_pair.remarks);
        ShowSide(Sire, m_pair.idCock);
        ShowSide(Dam, m_pair.idHen);
    } else {
        m_pair = PairRecord();
        m_pair.idLoft = pair.idLoft;
        m_panels[Sire]->ShowNone(QString(), kNoSire);
        m_panels[Dam]->ShowNone(QString(), kNoDam);
    }
    ShowMatingInbreeding();
}

void CDodajEdytujPare::ShowSide(Side side, int pigeonId) {
    m_chosen[side] = pigeonId;
    const PigeonRecord& pigeon = m_data.FindPigeon(pigeonId);
    m_panels[side]->ShowPigeon(pigeon, u"\n"_s + PigeonInformation(m_data, pigeon));
    ShowMatingInbreeding();
}

void CDodajEdytujPare::ShowMatingInbreeding() {
    const int sire = m_data.FindPigeon(m_chosen[Sire]).id;
    const int dam = m_data.FindPigeon(m_chosen[Dam]).id;
    if (sire < 1 || dam < 1 || sire == dam) {
        m_matingInbreeding->setText(u"Inbreeding of the young (F): -"_s);
        return;
    }
    Lineage lineage(m_data);
    m_matingInbreeding->setText(u"Inbreeding of the young (F): %1 %"_s.arg(
        PercentText(lineage.MatingInbreeding(sire, dam))));
}

void CDodajEdytujPare::OpenTestMating() {
    CTestMating mating(m_data, m_chosen[Sire], m_chosen[Dam], this);
    mating.exec();
}

void CDodajEdytujPare::Choose(Side side) {
    CWybierzPsaZListy chooser(m_data, side == Sire ? ChooseCocks : ChooseHens, this);
    if (chooser.exec() == QDialog::Accepted && chooser.ResultFlag() == 1 && chooser.ChosenId() > 0)
        ShowSide(side, chooser.ChosenId());
}

void CDodajEdytujPare::ShowTree(Side side) {
    if (m_chosen[side] < 1) {
        MessageBox::ShowMessage(this, side == Sire ? u"Select sire to pair."_s
                                                   : u"Select dam to pair."_s);
        return;
    }
    CDrzewoGenealogicznePsa tree(m_data, m_chosen[side], this);
    tree.exec();
}

void CDodajEdytujPare::StepSlot(int step) {
    QString* slots[] = {&m_pair.remarks, &m_pair.sireNote, &m_pair.damNote};
    *slots[m_slot] = m_remarks->toPlainText();
    m_slot = static_cast<Slot>((m_slot + step + 3) % 3);
    // "<<" names the dam's slot after the mother.
    const QString headings[] = {u"GENERAL REMARKS"_s, u"SIRE REMARKS"_s,
                                step < 0 ? u"MOTHER REMARKS"_s : u"DAM REMARKS"_s};
    m_remarksHeading->setText(headings[m_slot]);
    m_remarks->setPlainText(*slots[m_slot]);
}

void CDodajEdytujPare::accept() {
    QString* slots[] = {&m_pair.remarks, &m_pair.sireNote, &m_pair.damNote};
    *slots[m_slot] = m_remarks->toPlainText();
    if (m_chosen[Sire] < 1) {
        MessageBox::ShowMessage(this, u"Sire is not selected."_s);
        return;
    }
    if (m_chosen[Dam] < 1) {
        MessageBox::ShowMessage(this, u"Dam is not selected."_s);
        return;
    }
    if (m_chosen[Sire] == m_chosen[Dam]) {
        MessageBox::ShowMessage(this, u"The sire and the dam must be two different birds."_s);
        return;
    }
    if (const auto problem = m_date->Problem()) {
        MessageBox::ShowMessage(this, *problem);
        m_date->DayEdit()->setFocus();
        return;
    }
    const qint64 paired = m_date->Compose(m_hour, m_minute, m_second);
    if (paired == -1) {
        MessageBox::ShowMessage(this, u"Pairing date: this day cannot be stored."_s);
        return;
    }
    PairRecord stored = m_pair;
    stored.datePaired = paired;
    stored.idCock = m_chosen[Sire];
    stored.idHen = m_chosen[Dam];
    if (m_mode == Mode::New)
        stored.dateAdded = paired;
    if (const DbResult result = m_data.SavePair(m_mode == Mode::New ? -1 : stored.id, stored);
        !result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }
    m_pair = stored;
    QDialog::accept();
}
