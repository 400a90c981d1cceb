// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/DbSession.h"
#include "ui/TabPage.h"

#include <array>

class QListWidget;
class QPushButton;
class QTextEdit;
class QTimer;

// The notepad tab: the current loft's notes on the left, the open note's body on the right,
// edited as HTML with bold, italic, underline, five sizes and a horizontal line. The body is
// written back whenever the note is left: another note, another tab, New Note, Delete Note, a
// loft change and the end of the program, and two seconds after typing stops.
class CZakladkaNotatnik : public CTabPage {
    Q_OBJECT

public:
    CZakladkaNotatnik(AppData& appData, QWidget* parent);

    bool Handles(PageCommand command) const override;
    void LayoutPage() override;
    void PageShown() override;
    void ClearLoftLists() override;
    void FillLoftLists() override;
    bool SavePendingEdits() override;

    /// Writes the open note's body when it was changed; false (and the user told) when it could
    /// not be written.
    bool SaveCurrent();
    void NewNote();
    void DeleteNote();
    /// Selects a note's row as a click would (-1 for none).
    void SelectNote(int row);
    /// The row of the open note, -1 for none.
    int CurrentNote() const { return m_current; }

    QListWidget* List() const { return m_list; }
    QTextEdit* Editor() const { return m_editor; }
    QPushButton* Button(const QString& objectName) const;

    /// How long typing must rest before the note is written, in milliseconds.
    static constexpr int kAutoSaveDelay = 2000;

protected:
    void HandleCommand(PageCommand command) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DbResult WriteOpenNote();
    void AutoSave();
    void OnRowClicked(int row);
    void OnRowSelected(int row);
    void OpenNote(int row);
    void CloseNote();
    void EnableEditing(bool enabled);
    void ToggleBold();
    void ToggleItalic();
    void ToggleUnderline();
    void SetSize(int button);
    void InsertLine();
    void Print();
    void SaveAs();

    QListWidget* m_list;
    QTextEdit* m_editor;
    QWidget* m_toolbar;
    std::array<QPushButton*, 11> m_formatButtons{};
    QPushButton* m_delete = nullptr;
    QTimer* m_autoSave;
    bool m_autoSaveReported = false; // a failed write made by the timer was reported already
    int m_rowAtPress = -1;
    int m_current = -1;
    int m_openId = 0; // the open note's id: the notes may be reloaded before it is saved
    QString m_openName;
    bool m_readable = false; // the open note's body was read, so it may be written
    bool m_firstShow = true;
};
