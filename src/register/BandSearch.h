// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/DbSession.h"

#include <QString>

#include <vector>

class AppData;

// A pigeon of the current loft found by its band number: where it stands in the pigeon list.
struct BandMatch {
    int categoryIndex = -1; // in the current loft's categories
    int row = -1;           // in that category's list
    int pigeonId = 0;
};

// The band search of the start page and the pigeon list: every row of the current loft's
// categories whose pigeon's band number holds the text (letter case and surrounding blanks
// aside), category by category in list order, and a position that steps through them.
class BandSearch {
public:
    /// Searches again; false when the categories could not be read (see result).
    DbResult Start(AppData& data, const QString& text);
    const QString& Text() const { return m_text; }
    const std::vector<BandMatch>& Matches() const { return m_matches; }
    /// The match shown now, or nullptr when there is none.
    const BandMatch* Current() const;
    /// Steps on or back; false (and no step) at either end.
    bool Next();
    bool Previous();

private:
    QString m_text;
    std::vector<BandMatch> m_matches;
    int m_position = -1;
};
