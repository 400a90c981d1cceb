// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/PictureBox.h"

#include <QWidget>

#include <array>

class ElidedLabel;
class PictureBox;
class QLabel;
struct PigeonRecord;

// A chosen bird as the breeding dialogs show it: its band text on one line, a few lines about
// it and its first three photos. Long texts are cut and kept whole in the tooltips, so that the
// panel never grows.
class PigeonPanel : public QWidget {
    Q_OBJECT

public:
    /// Child widgets are named prefix + "Band", "Information", "Photo1".."Photo3".
    PigeonPanel(const QString& prefix, QWidget* parent = nullptr);

    /// The bird's band text, the information given and its photos.
    void ShowPigeon(const PigeonRecord& pigeon, const QString& information);
    /// No bird: the texts given and the portrait in every photo box.
    void ShowNone(const QString& band, const QString& information);

    ElidedLabel* Band() const { return m_band; }
    QLabel* Information() const { return m_information; }
    PictureBox* Photo(int index) const { return m_photos[size_t(index)]; }

private:
    void SetInformation(const QString& text);

    ElidedLabel* m_band;
    QLabel* m_information;
    std::array<PictureBox*, 3> m_photos{};
};
