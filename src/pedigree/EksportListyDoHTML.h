// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pedigree/ListPage.h"
#include "ui/Banner.h"

#include <vector>

class AppData;
class PageStyleFields;
class QCheckBox;
class QListWidget;

/// Pixels a text takes on the printed list in its font.
ListTextWidth ListFontWidth(const PageStyle& style);

// Prints or saves a list of pigeons as a page with one column per kind of data, chosen by
// moving kinds between "Available data" and "Data to print". With a pigeon whose siblings the
// list holds, the page is headed "Brothers and sisters of" it.
class CEksportListyDoHTML : public BannerDialog {
    Q_OBJECT

public:
    CEksportListyDoHTML(const AppData& appData, std::vector<int> pigeonIds,
                        const QString& caption = {}, int siblingsOf = 0, QWidget* parent = nullptr);

    QListWidget* Available() const { return m_available; }
    QListWidget* Chosen() const { return m_chosen; }
    /// The column kinds of a list, in order.
    static std::vector<int> Codes(const QListWidget* list);
    ListPageSettings Settings() const;

    /// Moves the selected kind from one list to the end of the other.
    void MoveToPrint();
    void MoveToAvailable();
    /// Writes the page to gx_lista.html and shows it in the preview.
    void PrintPreview();
    /// Asks for a file and writes the page there.
    void SaveList();

private:
    bool HasColumns();

    const AppData& m_data;
    std::vector<int> m_ids;
    int m_siblingsOf;
    QListWidget* m_available;
    QListWidget* m_chosen;
    PageStyleFields* m_style;
    QCheckBox* m_general;
    QCheckBox* m_diseases;
    QCheckBox* m_appearance;
    QCheckBox* m_problems;
};
