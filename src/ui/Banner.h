// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QDialog>
#include <QString>

class QPainter;
class QRect;

/// The heading of a dialog: white background, the banner picture at the top-left and the title
/// in white bold Tahoma 28 on one line, centred in the band down to y = 58, from x = textLeft.
void PaintBanner(QPainter& painter, const QRect& client, const QString& title, int textLeft = 40);

/// One link of a tab page's side panel, in the painter's font: a green dot, the text, and a
/// raised edge along the bottom; greyed out when the command is not available. background is
/// what the link stands on, the panel's band (white, or the palette's base) when not given.
void PaintPageLink(QPainter& painter, const QRect& area, const QString& text, bool enabled,
                   const QColor& background = {});

/// The font the painted captions use: Tahoma of pixelSize, bold or not.
QFont CaptionFont(int pixelSize, bool bold = true);

// A dialog that paints the banner heading behind its controls.
class BannerDialog : public QDialog {
    Q_OBJECT

public:
    explicit BannerDialog(QWidget* parent = nullptr, int textLeft = 40);

    void setBannerTitle(const QString& title);
    const QString& bannerTitle() const { return m_title; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
    int m_textLeft;
};
