// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>

// Shows one picture: at its natural size, centred, or stretched over the whole box.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    enum class Mode { Normal, Centred, Stretched, Fitted };

    explicit PictureBox(QWidget* parent = nullptr, Mode mode = Mode::Stretched);

    /// Loads a picture file; false (and an empty box) when it cannot be read.
    bool LoadFile(const QString& path);
    void SetPixmap(const QPixmap& pixmap);
    /// Shows a stand-in picture (no photo) at its natural size, centred, whatever the mode.
    void ShowPlaceholder(const QPixmap& pixmap);
    bool ShowsPlaceholder() const { return m_placeholder; }
    void Clear();
    void SetMode(Mode mode);
    Mode GetMode() const { return m_mode; }
    const QPixmap& Pixmap() const { return m_pixmap; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_pixmap;
    Mode m_mode;
    bool m_placeholder = false;
};

struct PigeonRecord;

/// Shows a pigeon's photo (the first by default) from the store, or the portrait of a bird
/// without photos, fitted to the box.
void ShowPigeonPhoto(PictureBox* box, const PigeonRecord& pigeon, size_t index = 0);
