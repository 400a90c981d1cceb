// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/BandSearchRunner.h"

#include "ui/MessageBox.h"

using namespace Qt::StringLiterals;

BandSearchRunner::BandSearchRunner(AppData& appData, QWidget* parent, Show show)
    : m_data(appData)
    , m_parent(parent)
    , m_show(std::move(show)) {}

void BandSearchRunner::Search(const QString& text, bool again) {
    if (again && m_search.Current() && text.trimmed() == m_search.Text()) {
        if (!m_search.Next())
            m_search.Start(m_data, text); // round to the first match
        m_show(*m_search.Current());
        return;
    }
    if (const DbResult result = m_search.Start(m_data, text); !result.ok()) {
        MessageBox::ShowReadFailure(m_parent, result);
        return;
    }
    if (m_search.Text().isEmpty()) {
        MessageBox::ShowMessage(m_parent, u"Enter band number and click search"_s);
        return;
    }
    if (!m_search.Current()) {
        MessageBox::ShowMessage(
            m_parent,
            u"No pigeon in the categories of this loft has \"%1\" in its band number."_s.arg(
                m_search.Text()));
        return;
    }
    m_show(*m_search.Current());
}

bool BandSearchRunner::HasSearch() {
    if (m_search.Current())
        return true;
    MessageBox::ShowMessage(m_parent, u"Enter band number and click search"_s);
    return false;
}

void BandSearchRunner::Next() {
    if (!HasSearch())
        return;
    if (!m_search.Next()) {
        MessageBox::ShowMessage(
            m_parent,
            u"There is no further pigeon with \"%1\" in its band number."_s.arg(m_search.Text()));
        return;
    }
    m_show(*m_search.Current());
}

void BandSearchRunner::Previous() {
    if (!HasSearch())
        return;
    if (!m_search.Previous()) {
        MessageBox::ShowMessage(
            m_parent,
            u"There is no earlier pigeon with \"%1\" in its band number."_s.arg(m_search.Text()));
        return;
    }
    m_show(*m_search.Current());
}
