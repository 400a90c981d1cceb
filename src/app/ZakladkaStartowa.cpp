// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ZakladkaStartowa.h"

#include "app/MainMenu.h"
#include "storage/AppData.h"
#include "ui/Artwork.h"
#include "ui/Banner.h"
#include "ui/Contrast.h"

#include <QCalendarWidget>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTextCharFormat>

using namespace Qt::StringLiterals;

namespace {

// Top edges of the link rectangles; each is 30 pixels high.
constexpr int kLinkTops[] = {100, 130, 160, 190, 220, 385, 415, 445, 475};
constexpr int kCalendarMinimumWidth = 1281;
// The names of the links drawn in the panel pictures, for the keyboard and screen readers.
const char16_t* const kLinkNames[] = {
    u"Add a new pigeon", u"Add a new pair",   u"Add a new transaction",
    u"Add a new client", u"Write a new note", u"Program introduction",
    u"All help topics",  u"Visit our site",   u"Your racing site in minutes"};

} // namespace

CZakladkaStartowa::CZakladkaStartowa(AppData& appData, QWidget* parent)
    : CTabPage(appData, parent)
    , m_calendar(new QCalendarWidget(this))
    , m_sidePicture(new QLabel(this))
    , m_search(new QLineEdit(this)) {
    setObjectName(u"startPage"_s);
    setAttribute(Qt::WA_OpaquePaintEvent);

    m_calendar->setObjectName(u"calendar"_s);
    m_calendar->setGridVisible(false);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // Under a dark palette the title deepens under its white text and the days read on the base.
    const QPalette& colours = palette();
    const QColor title = Contrast::Deepen(colours, QColor(75, 150, 251), Qt::white);
    const QColor day = Contrast::Ink(colours, QColor(42, 130, 198), colours.color(QPalette::Base));
    m_calendar->setStyleSheet(
        u"QCalendarWidget QWidget#qt_calendar_navigationbar { background: %1; }"
        u"QCalendarWidget QToolButton { color: %2; font-weight: bold; }"
        u"QCalendarWidget QAbstractItemView { color: %3; border: 2px solid transparent; }"
        // The days take keys; with the focus they show it, as every control does.
        u"QCalendarWidget QAbstractItemView:focus { border-color: %4; }"_s.arg(
            title.name(), Contrast::Ink(colours, Qt::white, title).name(), day.name(),
            colours.color(QPalette::Highlight).name()));
    QTextCharFormat dayText;
    dayText.setForeground(day);
    m_calendar->setWeekdayTextFormat(Qt::Saturday, dayText);
    m_calendar->setWeekdayTextFormat(Qt::Sunday, dayText);

    m_sidePicture->setObjectName(u"sidePicture"_s);
    // The page paints itself white under any light palette: its labels must read on white.
    Contrast::KeepReadableOn(this, Contrast::Fill(colours, Qt::white, QPalette::Window));

    auto* hint = new QLabel(u"Clicking on the thumbnail of the bird next to the list of birds "
                            u"includes browser his all photos added in program."_s,
                            this);
    hint->setObjectName(u"hint"_s);
    hint->setWordWrap(true);
    hint->setGeometry(558, 330, 380, 40);

    auto* searchGroup = new QGroupBox(this);
    searchGroup->setGeometry(558, 380, 380, 110);
    auto* searchLabel = new QLabel(u"Enter band number and click search"_s, searchGroup);
    m_search->setParent(searchGroup);
    m_search->setObjectName(u"searchBand"_s);
    auto* searchButton = new QPushButton(u"Search"_s, searchGroup);
    searchButton->setObjectName(u"search"_s);
    auto* previous = new QPushButton(u"<< Previous"_s, searchGroup);
    previous->setObjectName(u"previous"_s);
    auto* next = new QPushButton(u"Next >>"_s, searchGroup);
    next->setObjectName(u"next"_s);
    auto* row = new QHBoxLayout;
    row->addWidget(m_search);
    row->addWidget(searchButton);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previous);
    buttons->addStretch();
    buttons->addWidget(next);
    auto* layout = new QVBoxLayout(searchGroup);
    layout->addWidget(searchLabel);
    layout->addLayout(row);
    layout->addLayout(buttons);
    for (QPushButton* button : {searchButton, previous, next})
        button->setAutoDefault(false);
    // Searching without a place to show the pigeon would be a button that does nothing.
    for (QWidget* control : std::initializer_list<QWidget*>{m_search, searchButton, previous, next})
        control->setEnabled(false);
    connect(searchButton, &QPushButton::clicked, this,
            [this] { m_finder->Search(m_search->text()); });
    connect(m_search, &QLineEdit::returnPressed, this,
            [this] { m_finder->Search(m_search->text()); });
    connect(next, &QPushButton::clicked, this, [this] { m_finder->Next(); });
    connect(previous, &QPushButton::clicked, this, [this] { m_finder->Previous(); });
}

void CZakladkaStartowa::SetPigeonFinder(BandSearchRunner::Show show) {
    m_finder = std::make_unique<BandSearchRunner>(m_data, this, std::move(show));
    for (QWidget* control : m_search->parentWidget()->findChildren<QWidget*>())
        control->setEnabled(true);
}

void CZakladkaStartowa::SetTargets(CTabPage* pigeons, CTabPage* pairing, CTabPage* transactions,
                                   CTabPage* notepad, std::function<void(int)> runCommand,
                                   std::function<bool(int)> hasAction) {
    m_pigeons = pigeons;
    m_pairing = pairing;
    m_transactions = transactions;
    m_notepad = notepad;
    m_runCommand = std::move(runCommand);
    m_hasAction = std::move(hasAction);
    update();
}

bool CZakladkaStartowa::LinkEnabled(int index) const {
    const auto handles = [](const CTabPage* page, PageCommand command) {
        return page && page->Handles(command);
    };
    switch (index) {
    case 0:
        return handles(m_pigeons, PageCommand::AddPigeon);
    case 1:
        return handles(m_pairing, PageCommand::AddPair);
    case 2:
        return handles(m_transactions, PageCommand::AddTransaction);
    case 3:
        return m_hasAction && m_hasAction(CmdAddNewClient);
    case 4:
        return handles(m_notepad, PageCommand::NewNote);
    default:
        return index >= 5 && index < 9;
    }
}

void CZakladkaStartowa::LayoutPage() {
    const int w = width();
    const int h = height();
    const bool wide = w >= kCalendarMinimumWidth;
    m_calendar->setGeometry(960, 100, std::max(0, w - 970), std::max(0, h - 140));
    m_calendar->setVisible(wide);
    m_calendar->setEnabled(wide);
    m_sidePicture->setVisible(wide);
    if (wide) {
        m_sidePicture->setGeometry(960, 49, w - 970, 44);
        m_sidePicture->setPixmap(Artwork::CalendarBand(w - 970));
    }
}

std::vector<QRect> CZakladkaStartowa::LinkRects() const {
    std::vector<QRect> rects;
    for (int top : kLinkTops)
        rects.emplace_back(QPoint(40, top), QPoint(349, top + 29));
    return rects;
}

void CZakladkaStartowa::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor page = Contrast::Fill(palette(), Qt::white, QPalette::Window);
    painter.fillRect(rect(), page);
    painter.drawPixmap(9, 51, Artwork::StartLinksTop(palette()));
    painter.drawPixmap(9, 340, Artwork::StartLinksBottom(palette()));
    QPixmap picture = Artwork::StartPicture();
    const qreal ratio = picture.devicePixelRatio();
    picture =
        picture.scaled(QSize(380, 270) * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(ratio);
    painter.drawPixmap(558, 49, picture);
    // Links whose windows this program does not have are greyed out and take no click.
    QColor veil = Contrast::Fill(palette(), Qt::white, QPalette::Base);
    veil.setAlpha(170);
    const std::vector<QRect> rects = LinkRects();
    for (size_t i = 0; i < rects.size(); ++i)
        if (!LinkEnabled(static_cast<int>(i)))
            painter.fillRect(rects[i].adjusted(-30, 0, 0, 0), veil);
    painter.setFont(CaptionFont(20));
    painter.setPen(Contrast::Ink(palette(), QColor(63, 172, 255), page));
    painter.drawText(QRect(14, 4, 520, 40), Qt::AlignVCenter, u"Welcome to Vornel"_s);
}

void CZakladkaStartowa::mousePressEvent(QMouseEvent* event) {
    const std::vector<QRect> rects = LinkRects();
    for (size_t i = 0; i < rects.size(); ++i)
        if (rects[i].contains(event->position().toPoint()) && LinkEnabled(static_cast<int>(i)))
            RunLink(static_cast<int>(i));
}

void CZakladkaStartowa::RunLink(int index) {
    const auto perform = [](CTabPage* page, PageCommand command) {
        if (page)
            page->Perform(command);
    };
    const auto run = [this](int id) {
        if (m_runCommand)
            m_runCommand(id);
    };
    switch (index) {
    case 0:
        perform(m_pigeons, PageCommand::AddPigeon);
        break;
    case 1:
        perform(m_pairing, PageCommand::AddPair);
        break;
    case 2:
        perform(m_transactions, PageCommand::AddTransaction);
        break;
    case 3:
        if (m_data.currentLoft != -1)
            run(CmdAddNewClient);
        break;
    case 4:
        perform(m_notepad, PageCommand::NewNote);
        break;
    case 5:
        run(CmdIntroduction);
        break;
    case 6:
        run(CmdAllHelpTopics);
        break;
    case 7:
        run(CmdVisitSite);
        break;
    case 8:
        run(CmdRacingSite);
        break;
    default:
        break;
    }
}

int CZakladkaStartowa::PanelLinkCount() const {
    return int(std::size(kLinkNames));
}

PanelLink CZakladkaStartowa::PanelLinkAt(int link) const {
    return {LinkRects()[size_t(link)], QString::fromUtf16(kLinkNames[link]), LinkEnabled(link)};
}
