// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/Records.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class AppData;

// One race of one pigeon: the race (without its entries), the pigeon's union position, its
// arrival and its velocity.
struct RaceResultRow {
    RaceRecord race;
    int position = 0;
    qint64 arrival = -1;
    std::optional<float> velocity;
};

// Every race a pigeon flew, in race order, with the figures drawn from them.
struct PigeonRaceResults {
    std::vector<RaceResultRow> rows;
    /// The sum of the placed positions (1 and above); unplaced entries (0) count in neither.
    int positionSum = 0;
    /// positionSum / placed rows, whole-number division; 0 when none is placed.
    int averagePosition = 0;
    /// The smallest position from 1 to 9999; 0 when there is none.
    int bestPosition = 0;
    /// The largest velocity; nothing when no flight has one.
    std::optional<float> maxVelocity;
};

/// Walks the loaded races in order and each one's entries in order for the pigeon's entries.
PigeonRaceResults CollectRaceResults(const AppData& data, int pigeonId);

/// A results row as the lists show it: place, weather, position, velocity, arrival "%H:%M".
QStringList ResultRowTexts(const RaceResultRow& row);

/// The pigeons of the loaded loft with more than ten entries, by average union position,
/// smallest first, those never placed last; equal averages keep ascending id order.
std::vector<int> RankBestPigeons(const AppData& data);

/// The head every printed racing page starts with: styles for the given font and size, and a
/// script that breaks the table into pages of the given height.
QString RacingPageHead(const QString& font, const QString& fontSize, const QString& pageHeight);

/// The page of a pigeon's race results. Texts are escaped, so that a name is shown as typed.
QString ResultsPageHtml(const std::vector<RaceResultRow>& rows, const PigeonRecord& pigeon);
/// Writes that page (UTF-16LE with its mark), replacing the file; false when it cannot.
bool WriteResultsPage(const QString& path, const std::vector<RaceResultRow>& rows,
                      const PigeonRecord& pigeon);
/// Where the results page is written for the preview: gx_wyniki.html in the data folder.
QString ResultsPagePath();
