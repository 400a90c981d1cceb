// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

class AppData;
struct PigeonRecord;

// Which pigeons the pigeon chooser offers.
enum ChooserMode {
    ChooseHens = 0,           // hens and pigeons of unknown sex
    ChooseCocks = 1,          // cocks and pigeons of unknown sex
    ChooseWithoutParents = 3, // neither dam nor sire
    ChooseAll = -1,
};

bool PassesChooserMode(const PigeonRecord& pigeon, int mode);

/// The loaded pigeons that pass the mode: all of the loft in ascending id order, or, given the
/// members of a category, those in link order. A link to a pigeon that is not loaded is left out.
std::vector<int> ChooserCandidates(const AppData& data, int mode,
                                   const std::vector<int>* categoryMembers = nullptr);

/// The candidates whose band number contains text, in order.
std::vector<int> MatchingBand(const AppData& data, const std::vector<int>& candidates,
                              const QString& text);
