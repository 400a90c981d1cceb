// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/Banner.h"

class QTextBrowser;

// The help window: one page of the installed help under a banner.
class CPomoc : public BannerDialog {
    Q_OBJECT

public:
    explicit CPomoc(const QString& path, QWidget* parent = nullptr);

    QTextBrowser* Browser() const { return m_browser; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QTextBrowser* m_browser;
};
