// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

class QComboBox;

/// Keeps a combo box as wide as a few characters whatever its items hold, so that a long name
/// never widens the window; the open list still shows the names whole.
void KeepComboNarrow(QComboBox* box, int characters = 14);

// A one-line label that never asks for more room than it is given: a text too long for it is
// cut with an ellipsis and shown whole in the tooltip.
class ElidedLabel : public QLabel {
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget* parent = nullptr);
    explicit ElidedLabel(const QString& text, QWidget* parent = nullptr);

    /// The text as drawn (elided to the label's width).
    QString ShownText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

/// Lets a word-wrapped label take the width its layout gives it instead of the width of its
/// longest word.
void LetLabelWrapAnywhere(QLabel* label);
