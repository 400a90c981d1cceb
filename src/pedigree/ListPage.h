// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pedigree/PageWriting.h"

#include <QString>

#include <vector>

class AppData;

// The kinds of data a printed list of pigeons can show, one column each; the number is the
// code the export dialog's two lists hold.
enum ListColumn {
    ListNumber = 0,
    ListBand,
    ListSex,
    ListColour,
    ListRemark,
    ListSire,
    ListDam,
    ListBreeder,
    ListOwner,
    ListVariety,
    ListNickname,
    ListPhoto,
    ListColumnCount
};

/// The head title of a column kind ("NR.", "Band", ...).
QString ListColumnTitle(int code);
/// Its width in the head ("15mm", "45mm", "42mm" or "*").
QString ListColumnWidth(int code);

struct ListPageSettings {
    PageStyle style;
    std::vector<int> columns{ListNumber, ListBand, ListColour, ListPhoto};
    // Which remarks fill the "Remark" column, in this order.
    bool generalRemarks = false;
    bool diseaseRemarks = false;
    bool appearanceRemarks = false;
    bool problemRemarks = false;
    int siblingsOf = 0; // a pigeon id of 1 or more heads the page "Brothers and sisters of"
};

/// The whole list page for the pigeons in order, beginning with the byte-order mark.
QString ListPageHtml(const AppData& data, const std::vector<int>& pigeonIds,
                     const ListPageSettings& settings);

/// The file every list print goes to: gx_lista.html in the data folder.
QString ListPagePath();
