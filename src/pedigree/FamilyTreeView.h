// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pedigree/FamilyTree.h"

#include <QPushButton>
#include <QWidget>

#include <array>

// A push button that shows its text on one line, cut with an ellipsis when it is too long,
// and the whole text in its tooltip. The text is shown as typed: an '&' is no mnemonic.
class ElidedButton : public QPushButton {
    Q_OBJECT

public:
    explicit ElidedButton(QWidget* parent = nullptr);
    void SetFullText(const QString& text);
    /// The text as drawn.
    QString ShownText() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_fullText;
};

// The three generations of a family tree: the subject at the top, its dam and sire below it,
// their parents at the bottom, joined by lines, each ancestor with its sex sign. The family
// tree dialog and the family tree page of the preview panel both show it.
class FamilyTreeView : public QWidget {
    Q_OBJECT

public:
    explicit FamilyTreeView(QWidget* parent = nullptr);

    /// Shows seven birds (captions are their band texts).
    void SetBirds(const FamilyTreeBirds& birds);
    ElidedButton* Button(int slot) const { return m_buttons[size_t(slot)]; }
    /// The rectangle a slot's button takes, in this widget's pixels.
    QRect SlotRect(int slot) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void birdClicked(int slot);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::array<ElidedButton*, TreeSlotCount> m_buttons{};
};

/// Paints the sign of a sex (1 male, 2 female) into a square.
void PaintSexSign(QPainter& painter, const QRectF& box, int sex);
