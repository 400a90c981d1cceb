// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/EditorPage.h"

#include <array>

class QPlainTextEdit;
class QPushButton;

// "Remarks": one text box and four buttons that choose which of the four notes it shows.
class CDodajGolebiaTab2 : public CEditorPage {
    Q_OBJECT

public:
    enum Note { General, Appearance, Problems, Diseases, NoteCount };

    CDodajGolebiaTab2(AppData& appData, PigeonRecord& working, QWidget* parent);
    void Load() override;
    void Store() override;
    void ShowNote(int note);
    int ShownNote() const { return m_shown; }

private:
    QPlainTextEdit* m_text;
    std::array<QString, NoteCount> m_notes;
    int m_shown = General;
};

// "Pedigree Notes": the notes of the four generations and the pigeon's own.
class CDodajGolebiaTab6 : public CEditorPage {
    Q_OBJECT

public:
    CDodajGolebiaTab6(AppData& appData, PigeonRecord& working, QWidget* parent);
    void Load() override;
    void Store() override;

private:
    std::array<QPlainTextEdit*, 5> m_notes{}; // generations one to four, then the pigeon's
};
