// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class AppData;
struct RaceRecord;

/// The printed page of one race: where and when it started, its distance, weather and the
/// association's figures, then the loft's entries with arrival, positions, coefficients, points
/// and velocity. Texts are escaped, so that a name is shown as typed.
QString RacePageHtml(const AppData& data, const RaceRecord& race);
/// Writes that page (UTF-16LE with its mark), replacing the file; false when it cannot.
bool WriteRacePage(const QString& path, const AppData& data, const RaceRecord& race);
/// Where the race page is written for the preview: gx_lot.html in the data folder.
QString RacePagePath();
