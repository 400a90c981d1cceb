// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/Records.h"

#include <QString>

#include <array>
#include <map>
#include <vector>

class AppData;

// A pigeon and four generations of its ancestors. Generation n holds 2^n birds; the sire of
// the bird at (n, k) stands at (n + 1, 2k) and its dam at (n + 1, 2k + 1). A parent that is
// not recorded, or not of the loaded loft, is an empty record.
struct PedigreeBirds {
    static constexpr int kGenerations = 5;
    std::array<std::vector<PigeonRecord>, kGenerations> generations;

    const PigeonRecord& At(int generation, int index) const {
        return generations[size_t(generation)][size_t(index)];
    }
};

PedigreeBirds CollectAncestors(const AppData& data, const PigeonRecord& pigeon);

// A common ancestor's mark: its band on a colour of its own, followed by its number.
struct PedigreeMark {
    QString colour; // "#rrggbb", light enough for black text
    int number = 0;
};

struct PedigreeOptions {
    /// Whether the pedigree notes of each generation are printed (the pigeon's own first).
    std::array<bool, PedigreeBirds::kGenerations> notes{true, true, true, true, true};
    /// What stands for a bird without photos; relative to the filled page.
    QString blankImage = QStringLiteral("img//blank.jpg");
    /// Birds to mark, by pigeon id.
    std::map<int, PedigreeMark> marks;
};

/// A band text as a marked page shows it: escaped, and on its mark's colour with the mark's
/// number when the bird has one.
QString MarkedBand(const QString& band, int pigeonId, const std::map<int, PedigreeMark>& marks);

/// Replaces every placeholder of a pedigree template in one pass over the template (a longer
/// placeholder before a shorter one it begins with), so that a placeholder's name inside a value
/// stays as typed. Band texts and colours enter as text; notes enter as markup, with their line
/// breaks kept; photos as file URLs.
QString FillPedigree(const QString& page, const PedigreeBirds& birds, const AppData& data,
                     const PedigreeOptions& options = {});

// The shipped templates, in the order the pedigree dialog offers them.
struct PedigreeTemplate {
    QString title;
    QString fileName;  // under data/pedigrees/
    QString thumbnail; // under data/pedigrees/thumbnails/
    bool landscape;
};
const std::vector<PedigreeTemplate>& PedigreeTemplates();

/// InstallDir() + "/data/pedigrees".
QString PedigreeFolder();
QString PedigreeTemplatePath(const PedigreeTemplate& kind);
QString PedigreeThumbnailPath(const PedigreeTemplate& kind);
/// data/pedigrees/preview.html, which every pedigree print overwrites.
QString PedigreePreviewPath();
/// data/pedigrees/img/blank.jpg.
QString PedigreeBlankImagePath();

/// Reads a template (by its byte-order mark; "Error" when it cannot be read), fills it for a
/// pigeon and writes the page to outputPath. False when the page could not be written.
bool WritePedigree(const AppData& data, const PigeonRecord& pigeon, const QString& templatePath,
                   const QString& outputPath, const PedigreeOptions& options = {});
