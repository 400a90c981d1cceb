// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pedigree/PageWriting.h"

#include <QString>

class AppData;
struct PairRecord;

struct PairingCardSettings {
    PageStyle style;
    bool parentPhotos = true;
    bool childPhotos = true;
    bool pairRemarks = false;  // the pair's remarks under the parents
    bool childRemarks = false; // a "Notatki" column with each child's remarks
};

/// The pairing card of a pair: sire and dam side by side, then its children numbered in the
/// order of the pair's children. Begins with the byte-order mark.
QString PairingCardHtml(const AppData& data, const PairRecord& pair,
                        const PairingCardSettings& settings);
