// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/EditorPage.h"

class PictureBox;
class QComboBox;
class QListWidget;
class QTableWidget;

// "Photo Album": the pigeon's photos, one shown at a time in the chosen draw mode.
class CDodajGolebiaTab3 : public CEditorPage {
    Q_OBJECT

public:
    CDodajGolebiaTab3(AppData& appData, PigeonRecord& working, QWidget* parent);
    void Load() override;
    void AddPhoto();
    void DeleteCurrentPhoto();
    void ShowPhoto(int row);
    PictureBox* Picture() const { return m_picture; }

private:
    PictureBox* m_picture;
    QListWidget* m_list;
    QComboBox* m_mode;
};

// "Documents & Multimedia": files kept with the pigeon.
class CDodajGolebiaTab4 : public CEditorPage {
    Q_OBJECT

public:
    CDodajGolebiaTab4(AppData& appData, PigeonRecord& working, QWidget* parent);
    void Load() override;
    void AddDocument();
    void DeleteCurrentDocument();
    void OpenCurrentDocument();

private:
    QListWidget* m_list;
};

// "Medicaments & Suplements": the pigeon's treatments.
class CDodajGolebiaTab5 : public CEditorPage {
    Q_OBJECT

public:
    CDodajGolebiaTab5(AppData& appData, PigeonRecord& working, QWidget* parent);
    void Load() override;
    void AddTreatment();
    void EditTreatment();
    void DeleteTreatment();

private:
    QTableWidget* m_table;
};
