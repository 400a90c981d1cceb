// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Pomoc.h"

#include "ui/Contrast.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// The help pages carry colours for a light page. Under a dark palette each text colour is
// checked against the base it stands on and each cell background takes the palette's.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

protected:
    QVariant loadResource(int type, const QUrl& name) override {
        QVariant resource = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::HtmlResource || Contrast::IsLight(palette()))
            return resource;
        QString html = resource.typeId() == QMetaType::QByteArray
                           ? QString::fromUtf8(resource.toByteArray())
                           : resource.toString();
        static const QRegularExpression colour(
            u"(background-color|color)\\s*:\\s*(#[0-9A-Fa-f]{6})"_s);
        const QColor base = palette().color(QPalette::Base);
        QString out;
        qsizetype last = 0;
        for (const QRegularExpressionMatch& match : colour.globalMatch(html)) {
            const QColor wanted = QColor::fromString(match.captured(2));
            const QColor shown = match.captured(1) == u"color"_s
                                     ? Contrast::Ink(palette(), wanted, base)
                                     : Contrast::Fill(palette(), wanted, QPalette::AlternateBase);
            out += html.mid(last, match.capturedStart(2) - last) + shown.name();
            last = match.capturedEnd(2);
        }
        out += html.mid(last);
        // Links lighten until they read on the dark base.
        QColor link = palette().color(QPalette::Link);
        for (int step = 0; step < 20 && Contrast::Ratio(link, base) < Contrast::kReadable; ++step)
            link = link.lighter(115);
        const QString linkStyle =
            u"a { color: %1; }"_s.arg(Contrast::Ink(palette(), link, base).name());
        const qsizetype styleEnd = out.indexOf(u"</style>"_s);
        return styleEnd < 0 ? u"<style>%1</style>"_s.arg(linkStyle) + out
                            : out.insert(styleEnd, linkStyle);
    }
};

} // namespace

CPomoc::CPomoc(const QString& path, QWidget* parent)
    : BannerDialog(parent, 70)
    , m_browser(new HelpBrowser(this)) {
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
