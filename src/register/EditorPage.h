// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/Records.h"

#include <QWidget>

#include <optional>

class AppData;

// A page of the pigeon editor. Pages that only edit fields fill themselves from the working
// copy and write it back on OK; pages of photos, documents and treatments store their changes
// at once, for a pigeon that is already stored.
class CEditorPage : public QWidget {
    Q_OBJECT

public:
    CEditorPage(AppData& appData, PigeonRecord& working, QWidget* parent)
        : QWidget(parent)
        , m_data(appData)
        , m_working(working) {}

    /// Shows the working copy's fields.
    virtual void Load() {}
    /// Writes the page's fields into the working copy.
    virtual void Store() {}
    /// What a field holds that cannot be stored, or nothing.
    virtual std::optional<QString> Problem() const { return std::nullopt; }

protected:
    /// The loaded record of the pigeon being edited, so that immediate changes show elsewhere.
    PigeonRecord* Loaded() const {
        return m_working.id >= 1 ? LoadedPigeon(m_working.id) : nullptr;
    }
    PigeonRecord* LoadedPigeon(int id) const;

    AppData& m_data;
    PigeonRecord& m_working;
};
