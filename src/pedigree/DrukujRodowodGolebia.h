// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/Records.h"
#include "ui/Banner.h"

#include <array>

class AppData;
class PictureBox;
class QCheckBox;
class QComboBox;
struct PedigreeOptions;

// Prints the pedigree of a pigeon: a template chosen by its thumbnail is filled with the pigeon
// and four generations of its ancestors, written to data/pedigrees/preview.html and shown in the
// preview, from which it is printed; or saved where the user chooses, as HTML or PDF.
class CDrukujRodowodGolebia : public BannerDialog {
    Q_OBJECT

public:
    CDrukujRodowodGolebia(const AppData& appData, const PigeonRecord& pigeon,
                          QWidget* parent = nullptr);

    QComboBox* Templates() const { return m_templates; }
    PictureBox* Thumbnail() const { return m_thumbnail; }
    /// What the five remark boxes ask for, and the marks of the common ancestors of the
    /// pigeon's sire and dam when "Mark common ancestors" is checked.
    PedigreeOptions Options() const;

    /// Fills the chosen template into preview.html and shows it; the dialog stays open.
    void Print();
    /// Asks where to save the filled pedigree and saves it there (PDF for a .pdf name).
    void Save();

private:
    void ShowThumbnail(int index);

    const AppData& m_data;
    PigeonRecord m_pigeon;
    QComboBox* m_templates;
    PictureBox* m_thumbnail;
    std::array<QCheckBox*, 5> m_remarks{};
    QCheckBox* m_markCommon;
};
