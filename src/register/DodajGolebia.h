// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/Records.h"

#include <QDialog>

#include <vector>

class AppData;
class CEditorPage;
class CZakladkaListaPsow;
class QCheckBox;
class QTabWidget;

// The pigeon editor: a working copy of one pigeon on six pages. In add mode OK stores a new
// pigeon in the current category (and with "Don't close window after adding pigeon" another
// one on the next OK); in edit mode it stores the changes.
class CDodajGolebia : public QDialog {
    Q_OBJECT

public:
    enum class Mode { Add, Edit };
    enum Page { Information, Remarks, Documents, Treatments, Photos, PedigreeNotes, PageCount };

    /// In add mode pigeon is ignored and list receives the new rows.
    CDodajGolebia(AppData& appData, Mode mode, const PigeonRecord& pigeon, CZakladkaListaPsow* list,
                  QWidget* parent = nullptr);
    ~CDodajGolebia() override;

    const PigeonRecord& Working() const { return m_working; }
    int AddedCount() const { return m_added; }
    QTabWidget* Tabs() const { return m_tabs; }
    CEditorPage* PageAt(int page) const { return m_pages[size_t(page)]; }
    QString Heading() const;

    void accept() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool ConfirmSameBand();
    AppData& m_data;
    Mode m_mode;
    PigeonRecord m_working;
    CZakladkaListaPsow* m_list;
    QTabWidget* m_tabs;
    std::vector<CEditorPage*> m_pages;
    QCheckBox* m_keepOpen = nullptr;
    int m_added = 0;
};
