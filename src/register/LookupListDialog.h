// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/AppData.h"
#include "ui/Banner.h"

class QLineEdit;
class QListWidget;

// Keeps one lookup list: its names in id order, a name to add and the selected one to delete.
// Every change is written at once; the blank first entry (none) cannot be deleted.
class LookupListDialog : public BannerDialog {
    Q_OBJECT

public:
    LookupListDialog(AppData& appData, Lookup lookup, const QString& heading,
                     QWidget* parent = nullptr);

    Lookup Kind() const { return m_lookup; }
    void AddName();
    void DeleteSelected();

private:
    void Fill();

    AppData& m_data;
    Lookup m_lookup;
    QListWidget* m_list;
    QLineEdit* m_name;
};

// The lookup manager of colours (mode 1), varieties (2), lines (3) and eye colours (4).
class CWyborKoloru : public LookupListDialog {
    Q_OBJECT

public:
    CWyborKoloru(AppData& appData, int mode, QWidget* parent = nullptr);
    static Lookup LookupOfMode(int mode);
};

// The status manager.
class CZarzadzajStatusami : public LookupListDialog {
    Q_OBJECT

public:
    explicit CZarzadzajStatusami(AppData& appData, QWidget* parent = nullptr);
};
