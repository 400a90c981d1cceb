// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pedigree/PageWriting.h"

#include <QGroupBox>

class QLineEdit;

// The font, font size and bottom margin of a printed list, as typed.
class PageStyleFields : public QGroupBox {
    Q_OBJECT

public:
    PageStyleFields(const QString& marginLabel, QWidget* parent);

    PageStyle Style() const;
    QLineEdit* Font() const { return m_font; }
    QLineEdit* FontSize() const { return m_size; }
    QLineEdit* BottomMargin() const { return m_margin; }

private:
    QLineEdit* m_font;
    QLineEdit* m_size;
    QLineEdit* m_margin;
};

/// Asks for the file a printed list is saved to ("*.html", "Plik HTML"); ".html" is added to a
/// name typed without an extension. Empty when the user cancels.
QString ChooseListFile(QWidget* parent, const QString& title);
