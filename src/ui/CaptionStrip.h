// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>

// Stands over a row of painted captions (a tab strip, a preview bar): Tab reaches it, Left and
// Right (Home, End) choose a caption as its click does, and the chosen one shows the focus frame.
// Clicks pass through to the widget that paints the captions.
class CaptionStrip : public QWidget {
public:
    struct Captions {
        int count = 0;
        std::function<int()> current;
        std::function<void(int)> choose;
        std::function<QRect(int)> area; // in the parent's coordinates
        std::function<QString(int)> text;
    };

    CaptionStrip(Captions captions, const QString& accessibleName, QWidget* parent);
    /// Covers the captions again and names the chosen one; call after a caption was chosen.
    void Sync();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Captions m_captions;
};
