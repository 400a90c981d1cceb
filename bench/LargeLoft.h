// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QCommandLineParser;
class QTemporaryDir;

// The size of a generated loft. The default is the large loft every speed goal is measured on.
struct LargeLoftSize {
    int pigeons = 10'000;
    int otherLoftPigeons = 500; // a second loft, so that the loft filters have work to do
    int races = 1'000;
    int entriesPerRace = 100;
    int largestRaceEntries = 1'000; // race 1: all of them the first loft's
    int pairs = 2'000;
    int childrenPerPair = 5;
    int photos = 20'000;
    int documents = 2'000;
    int treatments = 5'000;
    int transactions = 5'000; // in the large loft; the other loft gets a tenth as many
    int clients = 2'000;
    int breeders = 200;
    int notes = 500; // in the large loft, each with a formatted body; the other gets a tenth
    int categoriesPerLoft = 5; // pigeons are spread over them; 1 puts every bird in one

    // Every pair in the first loft; otherwise every tenth pair belongs to the second.
    bool pairsInFirstLoft = false;

    /// Every count multiplied by factor (at least one of each).
    LargeLoftSize Scaled(double factor) const;
};

/// Adds the options every large-loft benchmark takes: --dir, --scale and --runs.
void AddLoftOptions(QCommandLineParser& parser);

/// What those options say, once parsed. The program is pointed at --dir, or at the temporary
/// folder when none is given.
struct LoftOptions {
    QString dir;
    LargeLoftSize size;
    int runs = 5;
};
LoftOptions ReadLoftOptions(const QCommandLineParser& parser, const QTemporaryDir& temporary);

/// Fills the data folder that InstallDir() names, empty or not yet made, with a loft of the
/// given size in one transaction per file. Deterministic: the same size gives the same files.
/// Returns an error text, empty on success.
QString GenerateLargeLoft(const LargeLoftSize& size);
