// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Pomoc.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

using namespace Qt::StringLiterals;

CPomoc::CPomoc(const QString& path, QWidget* parent)
    : BannerDialog(parent, 70)
    , m_browser(new QTextBrowser(this)) {
    setObjectName(u"helpWindow"_s);
    setWindowTitle(u"Help Topics"_s);
    setBannerTitle(u"Vornel Help"_s);
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    m_browser->setObjectName(u"helpBrowser"_s);
    m_browser->setOpenExternalLinks(true);
    if (QFileInfo::exists(path)) {
        m_browser->setSource(QUrl::fromLocalFile(path));
    } else {
        m_browser->setHtml(
            u"<h2>Page not found</h2><p>The help page <b>%1</b> is not there. "
            u"It is put back when the program starts.</p>"_s.arg(path.toHtmlEscaped()));
    }
    resize(795, 509);
}

void CPomoc::resizeEvent(QResizeEvent* event) {
    BannerDialog::resizeEvent(event);
    m_browser->setGeometry(rect().adjusted(10, 75, -10, -10));
}
