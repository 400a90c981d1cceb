// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/EditorPage.h"

#include "storage/AppData.h"

PigeonRecord* CEditorPage::LoadedPigeon(int id) const {
    const auto found = m_data.pigeons.find(id);
    return found == m_data.pigeons.end() ? nullptr : &found->second;
}
