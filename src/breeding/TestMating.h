// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "breeding/Relationship.h"
#include "ui/Banner.h"

#include <array>

class AppData;
class ElidedLabel;
class QLabel;
class QPushButton;
class QSpinBox;
class QTextBrowser;

// A pairing tried on paper: a cock and a hen chosen from the loft, the pedigree of their young
// with the common ancestors marked, its F, the parents' relationship and the common ancestors'
// table; previewed, printed and saved as the other pedigrees are.
class CTestMating : public BannerDialog {
    Q_OBJECT

public:
    enum Side { Cock, Hen };

    CTestMating(AppData& appData, int cockId = 0, int henId = 0, QWidget* parent = nullptr);

    int Chosen(Side side) const { return m_chosen[side]; }
    const MatingReport& Report() const { return m_report; }
    /// The page as last built (empty until both birds are chosen).
    const QString& PageHtml() const { return m_page; }
    /// Takes a bird for a side as choosing it does; the bird of the other side is refused with
    /// a message (false).
    bool SetSide(Side side, int pigeonId);

    /// Writes the page and opens it in the preview, from which it prints.
    void Preview();
    /// Asks where to save the page and saves it there (PDF for a .pdf name, else HTML).
    void Save();

private:
    void Choose(Side side);
    void Recompute();
    QString FileName() const;

    AppData& m_data;
    std::array<int, 2> m_chosen{};
    MatingReport m_report;
    QString m_page;
    std::array<ElidedLabel*, 2> m_bands{};
    QSpinBox* m_depth;
    QLabel* m_inbreeding;
    QLabel* m_relationship;
    QTextBrowser* m_view;
    QPushButton* m_preview;
    QPushButton* m_save;
};
