#include "register/PreviewPages.h"

#include "storage/AppData.h"
#include "storage/Formatting.h"
#include "ui/Banner.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

QLabel* Label(QWidget* parent, const QString& name, const QFont& font, const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QFont Face(const QString& family, int pixelSize, int weight) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

} // namespace

CPreviewPage::CPreviewPage(const AppData& appData, QWidget* parent)
    : QWidget(parent)
    , m_data(appData) {}

void CPreviewPage::PaintBackground(QPainter& painter) const {
    QLinearGradient gradient(rect().topLeft(), rect().topRight());
    gradient.setColorAt(0, QColor(213, 224, 247));
    gradient.setColorAt(1, Qt::white);
    painter.fillRect(rect(), gradient);
}

CPanelPodgladuTab1::CPanelPodgladuTab1(const AppData& appData, QWidget* parent)
    : CPreviewPage(appData, parent)
    , m_band(Label(this, u"band"_s, Face(u"Tahoma"_s, 30, 700), QColor(105, 148, 229)))
    , m_sire(Label(this, u"sire"_s, Face(u"Verdana"_s, 20, 700), QColor(148, 175, 232)))
    , m_dam(Label(this, u"dam"_s, Face(u"Verdana"_s, 20, 700), QColor(148, 175, 232)))
    , m_summary(Label(this, u"summary"_s, Face(u"Tahoma"_s, 18, 500), Qt::blue))
    , m_velocity(Label(this, u"velocity"_s, Face(u"Tahoma"_s, 20, 700), QColor(94, 102, 208)))
    , m_qualifications(
          Label(this, u"qualifications"_s, Face(u"Tahoma"_s, 20, 700), QColor(94, 102, 208))) {
    setObjectName(u"previewSummary"_s);
    m_summary->setWordWrap(true);
    m_summary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Show(-1);
}

void CPanelPodgladuTab1::Show(int pigeonId) {
    m_pigeonId = pigeonId;
    const PigeonRecord& pigeon = m_data.FindPigeon(pigeonId < 1 ? 0 : pigeonId);
    if (pigeonId < 1 || pigeon.id == 0) {
        m_band->setText(u"Please select pigeon"_s);
        m_sire->setText(u"No sire information "_s);
        m_dam->setText(u"No dam information "_s);
        m_summary->setText(u"Pigeon summary is not available.\r\nSelect pigeon from list to show "
                           u"this information..."_s);
        m_velocity->setText(u"Velocity: 0"_s);
        m_qualifications->setText(u"Qualifications: 0"_s);
        return;
    }
    m_band->setText(BandLabel(pigeon));
    m_summary->setText(pigeon.shortDescription);
    m_sire->setText(pigeon.idSire >= 1 ? BandLabel(m_data.FindPigeon(pigeon.idSire))
                                       : u"No sire information "_s);
    m_dam->setText(pigeon.idDam >= 1 ? BandLabel(m_data.FindPigeon(pigeon.idDam))
                                     : u"No dam  information "_s);
    m_qualifications->setText(u"Qualifications: %1"_s.arg(pigeon.raceEntries));
    const int velocity =
        pigeon.raceEntries > 0 ? static_cast<int>(pigeon.velocitySum / pigeon.raceEntries) : 0;
    m_velocity->setText(u"Velocity: %1"_s.arg(velocity));
}

void CPanelPodgladuTab1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBackground(painter);
}

void CPanelPodgladuTab1::resizeEvent(QResizeEvent*) {
    const int w = width();
    m_band->setGeometry(12, 4, w - 24, 38);
    m_sire->setGeometry(12, 44, (w - 24) / 2, 26);
    m_dam->setGeometry(12 + (w - 24) / 2, 44, (w - 24) / 2, 26);
    m_summary->setGeometry(12, 74, w - 260, height() - 78);
    m_qualifications->setGeometry(w - 240, 76, 228, 26);
    m_velocity->setGeometry(w - 240, 104, 228, 26);
}

CHeadingPreviewPage::CHeadingPreviewPage(const AppData& appData, const QString& heading,
                                         QWidget* parent)
    : CPreviewPage(appData, parent)
    , m_heading(heading) {}

void CHeadingPreviewPage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBackground(painter);
    painter.setFont(CaptionFont(20));
    painter.setPen(QColor(63, 172, 255));
    painter.drawText(rect().adjusted(12, 8, -12, -8), Qt::AlignLeft | Qt::AlignTop, m_heading);
}

CPanelPodgladuTab2::CPanelPodgladuTab2(const AppData& appData, QWidget* parent)
    : CHeadingPreviewPage(appData, u"Family tree"_s, parent) {
    setObjectName(u"previewFamilyTree"_s);
}

CPanelPodgladuTab3::CPanelPodgladuTab3(const AppData& appData, QWidget* parent)
    : CHeadingPreviewPage(appData, u"Partners and progeny"_s, parent) {
    setObjectName(u"previewProgeny"_s);
}

CPanelPodgladuTab4::CPanelPodgladuTab4(const AppData& appData, QWidget* parent)
    : CHeadingPreviewPage(appData, u"Brothers and sisters"_s, parent) {
    setObjectName(u"previewSiblings"_s);
}

CPanelPodgladuTab5::CPanelPodgladuTab5(const AppData& appData, QWidget* parent)
    : CHeadingPreviewPage(appData, u"Race results"_s, parent) {
    setObjectName(u"previewRaces"_s);
}
