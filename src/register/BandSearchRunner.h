// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/BandSearch.h"

#include <functional>

class QWidget;

// The band search as a window runs it: the search, the steps and the messages a user meets;
// each match found is handed to show, which brings its row into view.
class BandSearchRunner {
public:
    using Show = std::function<void(const BandMatch&)>;

    BandSearchRunner(AppData& appData, QWidget* parent, Show show);

    /// A new search; with again, the same text as the last search steps to its next match,
    /// round to the first after the last.
    void Search(const QString& text, bool again = false);
    void Next();
    void Previous();
    const BandSearch& State() const { return m_search; }

private:
    bool HasSearch();

    AppData& m_data;
    QWidget* m_parent;
    Show m_show;
    BandSearch m_search;
};
