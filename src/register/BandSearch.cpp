// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/BandSearch.h"

#include "storage/AppData.h"

DbResult BandSearch::Start(AppData& data, const QString& text) {
    m_text = text.trimmed();
    m_matches.clear();
    m_position = -1;
    if (m_text.isEmpty() || data.currentLoft < 0 ||
        data.currentLoft >= static_cast<int>(data.lofts.size()))
        return DbResult::Done();
    const auto& categories = data.lofts[size_t(data.currentLoft)].categories;
    for (size_t category = 0; category < categories.size(); ++category) {
        std::vector<int> ids;
        if (DbResult result = data.ReadCategoryMembers(categories[category].id, ids); !result.ok())
            return result;
        for (size_t row = 0; row < ids.size(); ++row) {
            const PigeonRecord& pigeon = data.FindPigeon(ids[row]);
            if (pigeon.id >= 1 && pigeon.ringNumber.contains(m_text, Qt::CaseInsensitive))
                m_matches.push_back({int(category), int(row), pigeon.id});
        }
    }
    if (!m_matches.empty())
        m_position = 0;
    return DbResult::Done();
}

const BandMatch* BandSearch::Current() const {
    return m_position < 0 ? nullptr : &m_matches[size_t(m_position)];
}

bool BandSearch::Next() {
    if (m_position < 0 || m_position + 1 >= static_cast<int>(m_matches.size()))
        return false;
    ++m_position;
    return true;
}

bool BandSearch::Previous() {
    if (m_position <= 0)
        return false;
    --m_position;
    return true;
}
