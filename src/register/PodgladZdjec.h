// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/Records.h"

#include <QDialog>

#include <vector>

class PictureBox;
class QPushButton;

// The photo viewer: one photo of a pigeon at a time, with previous and next going round.
class CPodgladZdjec : public QDialog {
    Q_OBJECT

public:
    CPodgladZdjec(std::vector<PhotoRecord> photos, QWidget* parent = nullptr);

    int Current() const { return m_current; }
    void Next();
    void Previous();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowCurrent();

    std::vector<PhotoRecord> m_photos;
    int m_current = 0;
    PictureBox* m_picture;
    QPushButton* m_previous;
    QPushButton* m_next;
};
