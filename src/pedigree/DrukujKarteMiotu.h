// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pedigree/PairingCard.h"
#include "storage/Records.h"
#include "ui/Banner.h"

class AppData;
class PageStyleFields;
class QCheckBox;

// The pairing card of a pair (its sire and dam, then its children), printed through the preview
// or saved as an HTML file. The pairing page opens it as "Pairing Card", the progeny page of
// the preview panel as "Print Progeny".
class CDrukujKarteMiotu : public BannerDialog {
    Q_OBJECT

public:
    CDrukujKarteMiotu(const AppData& appData, const PairRecord& pair,
                      const QString& caption = QStringLiteral("Pairing Card"),
                      QWidget* parent = nullptr);

    PairingCardSettings Settings() const;
    /// Writes the card to gx_lista.html and shows it in the preview.
    void PrintPreview();
    /// Asks for a file and writes the card there.
    void SaveList();

private:
    const AppData& m_data;
    PairRecord m_pair;
    PageStyleFields* m_style;
    QCheckBox* m_parentPhotos;
    QCheckBox* m_childPhotos;
    QCheckBox* m_pairRemarks;
    QCheckBox* m_childRemarks;
};
