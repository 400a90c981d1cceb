// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pedigree/FamilyTree.h"
#include "ui/Banner.h"

class AppData;
class ElidedLabel;
class FamilyTreeView;
class PictureBox;

// The family tree of a pigeon: three generations, and beside them the photos, band text and
// colour of the bird last clicked. It reads the loaded loft only and writes nothing.
class CDrzewoGenealogicznePsa : public BannerDialog {
    Q_OBJECT

public:
    CDrzewoGenealogicznePsa(const AppData& appData, int pigeonId, QWidget* parent = nullptr);

    const FamilyTreeBirds& Birds() const { return m_birds; }
    FamilyTreeView* Tree() const { return m_tree; }
    /// The slot whose bird the side panel shows.
    int ShownSlot() const { return m_shownSlot; }
    /// Shows the photos, band text and colour of a slot's bird.
    void ShowBird(int slot);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    const AppData& m_data;
    FamilyTreeBirds m_birds;
    int m_shownSlot = TreeSubject;
    FamilyTreeView* m_tree;
    PictureBox* m_portrait;
    PictureBox* m_photo1;
    PictureBox* m_photo2;
    ElidedLabel* m_band;
    ElidedLabel* m_colour;
    QWidget* m_close;
};
