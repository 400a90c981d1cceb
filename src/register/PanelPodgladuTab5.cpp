// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/CsvExport.h"
#include "pedigree/PageStyleFields.h"
#include "pedigree/PrintWindows.h"
#include "register/PreviewPages.h"
#include "storage/AppData.h"
#include "storage/Formatting.h"
#include "ui/MessageBox.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

using namespace Qt::StringLiterals;

namespace {

enum CounterIndex { AverageVelocity, MaximumVelocity, AveragePosition, Qualifications, Best };

} // namespace

CPanelPodgladuTab5::CPanelPodgladuTab5(AppData& appData, QWidget* parent)
    : CPreviewPage(appData, parent)
    , m_list(MakePanelList(
          this, u"races"_s,
          {u"Place"_s, u"Weather"_s, u"Position"_s, u"Velocity [m/min]"_s, u"Arrive time"_s},
          {110, 100, 90, 120, 120})) {
    setObjectName(u"previewRaces"_s);
    Title(u"List of races"_s, 10, 300);
    m_counters = {Counter(u"averageVelocity"_s, u"Average velocity"_s),
                  Counter(u"maximumVelocity"_s, u"Maximum Velocity"_s),
                  Counter(u"averagePosition"_s, u"Average Position"_s),
                  Counter(u"qualifications"_s, u"Qualifications Nr"_s),
                  Counter(u"bestPosition"_s, u"Best position"_s)};
    const std::pair<const char16_t*, const char16_t*> buttons[] = {
        {u"printRaces", u"Print all races"}, {u"saveRaces", u"Save races"}};
    for (const auto& [name, text] : buttons) {
        auto* button = new QPushButton(QString::fromUtf16(text), this);
        button->setObjectName(QString::fromUtf16(name));
        button->setAutoDefault(false);
        m_buttons.push_back(button);
    }
    connect(m_buttons[0], &QPushButton::clicked, this, &CPanelPodgladuTab5::PrintAll);
    connect(m_buttons[1], &QPushButton::clicked, this, &CPanelPodgladuTab5::Save);
    m_history = new QPushButton(u"Race history"_s, this);
    m_history->setObjectName(u"raceHistory"_s);
    m_history->setAutoDefault(false);
    connect(m_history, &QPushButton::clicked, this, [this] {
        if (m_openHistory)
            m_openHistory(m_data.FindPigeon(m_pigeonId < 1 ? 0 : m_pigeonId), m_results.rows, this);
    });
    Refresh();
}

void CPanelPodgladuTab5::Refresh() {
    m_results = CollectRaceResults(m_data, m_pigeonId < 1 ? 0 : m_pigeonId);
    std::vector<QStringList> rows;
    rows.reserve(m_results.rows.size());
    for (const RaceResultRow& row : m_results.rows)
        rows.push_back(ResultRowTexts(row));
    FillPanelList(m_list, rows);
    const PigeonRecord& pigeon = m_data.FindPigeon(m_pigeonId < 1 ? 0 : m_pigeonId);
    const bool flown = !m_results.rows.empty() && pigeon.raceEntries > 0;
    m_counters[AverageVelocity]->setText(
        flown ? FormatNumber(pigeon.velocitySum / float(pigeon.raceEntries)) : u"0"_s);
    m_counters[MaximumVelocity]->setText(FormatNumber(m_results.maxVelocity.value_or(0.0f)));
    m_counters[AveragePosition]->setText(QString::number(m_results.averagePosition));
    m_counters[Qualifications]->setText(QString::number(m_results.rows.size()));
    m_counters[Best]->setText(QString::number(m_results.bestPosition));
    for (QPushButton* button : m_buttons)
        button->setEnabled(pigeon.id >= 1);
    // Greyed out with the reason, rather than a window with an empty chart.
    const bool hasRaces = pigeon.id >= 1 && !m_results.rows.empty();
    m_history->setEnabled(hasRaces);
    m_history->setToolTip(hasRaces        ? u"Velocity and position race by race"_s
                          : pigeon.id < 1 ? u"Select pigeon from list"_s
                                          : u"This pigeon has no race results."_s);
}

void PrintRacingResults(const AppData& data, int pigeonId, QWidget* parent) {
    const PigeonRecord& pigeon = data.FindPigeon(pigeonId < 1 ? 0 : pigeonId);
    if (pigeon.id < 1)
        return;
    if (!WriteResultsPage(ResultsPagePath(), CollectRaceResults(data, pigeon.id).rows, pigeon)) {
        MessageBox::ShowMessage(parent,
                                u"The page could not be written to\n%1"_s.arg(ResultsPagePath()),
                                {}, QMessageBox::Warning);
        return;
    }
    ShowHtmlPage(
        ResultsPagePath(), false, parent, [&data, id = pigeon.id] { return ResultsCsv(data, id); },
        u"results.csv"_s);
}

void CPanelPodgladuTab5::PrintAll() {
    PrintRacingResults(m_data, m_pigeonId, this);
}

void CPanelPodgladuTab5::Save() {
    const PigeonRecord& pigeon = m_data.FindPigeon(m_pigeonId < 1 ? 0 : m_pigeonId);
    if (pigeon.id < 1)
        return;
    const QString path = ChooseListFile(this, u"Save races"_s);
    if (path.isEmpty())
        return;
    if (!WriteResultsPage(path, m_results.rows, pigeon))
        MessageBox::ShowMessage(this, u"The page could not be written to\n%1"_s.arg(path), {},
                                QMessageBox::Warning);
}

void CPanelPodgladuTab5::resizeEvent(QResizeEvent*) {
    const int w = width();
    const int h = height();
    const int right = w - 250;
    m_list->setGeometry(10, 28, right - 20, h - 38);
    for (size_t i = 0; i < m_counters.size(); ++i)
        PlaceCounter(m_counters[i], QRect(right, 4 + int(i) * 62, 240, 58));
    for (size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setGeometry(right + int(i) * 122, h - 36, 116, 28);
    m_history->setGeometry(right - 150, 0, 140, 26);
}
