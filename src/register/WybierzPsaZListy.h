// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <vector>

class AppData;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The pigeon chooser: one pigeon of the current loft, narrowed by the caller's mode, a category
// and a band-number search.
class CWybierzPsaZListy : public QDialog {
    Q_OBJECT

public:
    CWybierzPsaZListy(AppData& appData, int mode, QWidget* parent = nullptr);

    /// The chosen pigeon's id, -1 for none.
    int ChosenId() const { return m_chosenId; }
    /// 1 when a pigeon was chosen, -1 when OK was pressed without one, 0 before any choice.
    int ResultFlag() const { return m_flag; }
    /// The ids the list shows, in order.
    const std::vector<int>& Shown() const { return m_shown; }

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillCandidates(int categoryIndex);
    void ShowList(const std::vector<int>& ids);
    void OnSearch(const QString& text);
    void OnChosen(int row);
    void EditSelected();
    int SelectedListRow() const;
    int SelectedId() const;
    void EnablePrintButtons();
    void ShowFamilyTree();
    void PrintPedigree();

    AppData& m_data;
    int m_mode;
    std::vector<int> m_candidates;
    std::vector<int> m_shown;
    int m_chosenId = -1;
    int m_flag = 0;
    QLineEdit* m_search;
    QListWidget* m_list;
    QComboBox* m_category;
    QLabel* m_band;
    QLabel* m_colour;
    QLabel* m_summary;
    QPushButton* m_pedigree = nullptr;
    QPushButton* m_tree = nullptr;
};
