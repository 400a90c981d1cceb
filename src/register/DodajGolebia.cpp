// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/DodajGolebia.h"

#include "register/DodajGolebiaAttachments.h"
#include "register/DodajGolebiaNotes.h"
#include "register/DodajGolebiaTab1.h"
#include "register/ZakladkaListaPsow.h"
#include "storage/AppData.h"
#include "storage/Formatting.h"
#include "ui/Banner.h"
#include "ui/MessageBox.h"

#include <QCheckBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

CDodajGolebia::CDodajGolebia(AppData& appData, Mode mode, const PigeonRecord& pigeon,
                             CZakladkaListaPsow* list, QWidget* parent)
    : QDialog(parent)
    , m_data(appData)
    , m_mode(mode)
    , m_working(mode == Mode::Edit ? pigeon : PigeonRecord{})
    , m_list(list)
    , m_tabs(new QTabWidget(this)) {
    setObjectName(u"pigeonEditor"_s);
    if (m_mode == Mode::Add)
        m_working.id = -1;
    setWindowTitle(m_mode == Mode::Add ? u"Add New Pigeon"_s : Heading());
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);

    m_tabs->setObjectName(u"pages"_s);
    m_pages = {new CDodajGolebiaTab1(m_data, m_working, m_tabs),
               new CDodajGolebiaTab2(m_data, m_working, m_tabs),
               new CDodajGolebiaTab4(m_data, m_working, m_tabs),
               new CDodajGolebiaTab5(m_data, m_working, m_tabs),
               new CDodajGolebiaTab3(m_data, m_working, m_tabs),
               new CDodajGolebiaTab6(m_data, m_working, m_tabs)};
    const char16_t* const captions[] = {
        u"Pigeon information",        u"Remarks",     u"Documents && Multimedia",
        u"Medicaments && Suplements", u"Photo Album", u"Pedigree Notes"};
    for (size_t i = 0; i < m_pages.size(); ++i)
        m_tabs->addTab(m_pages[i], QString::fromUtf16(captions[i]));

    // Made after the pages, so that Tab reaches it after their fields, where it stands.
    m_keepOpen = new QCheckBox(u"Don't close window after adding pigeon"_s, this);
    m_keepOpen->setObjectName(u"keepOpen"_s);
    m_keepOpen->setVisible(m_mode == Mode::Add);
    auto* help = new QPushButton(u"?"_s, this);
    help->setObjectName(u"help"_s);
    help->setAutoDefault(false);
    help->setMaximumWidth(28);
    connect(help, &QPushButton::clicked, this, [this] {
        MessageBox::ShowMessage(
            this, u"Fill in what you know of the pigeon and press \"Add\". Photos, documents and "
                  u"treatments can be added once the pigeon is stored: open it again with "
                  u"\"Edit current\"."_s);
    });
    auto* ok = new QPushButton(u"Add"_s, this);
    ok->setObjectName(u"ok"_s);
    ok->setDefault(true);
    auto* close = new QPushButton(u"Close"_s, this);
    close->setObjectName(u"close"_s);
    close->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &CDodajGolebia::accept);
    connect(close, &QPushButton::clicked, this, &CDodajGolebia::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_keepOpen);
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(ok);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 66, 10, 10);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);
    resize(1060, 700);
    // Typing starts in the band's first field.
    if (auto* first = m_pages[0]->findChild<QWidget*>(u"country"_s))
        first->setFocus();
}

CDodajGolebia::~CDodajGolebia() = default;

QString CDodajGolebia::Heading() const {
    return m_mode == Mode::Add ? u"Add New Pigeon"_s : u"Editing: "_s + BandLabel(m_working);
}

void CDodajGolebia::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBanner(painter, rect(), Heading(), 70);
}

// A band is meant to be unique, but a fancier may re-register a returned bird: ask, not refuse.
bool CDodajGolebia::ConfirmSameBand() {
    const PigeonRecord& p = m_working;
    if (p.ringNumber.trimmed().isEmpty())
        return true;
    for (const auto& [id, other] : m_data.pigeons) {
        if (id != p.id && id >= 1 && other.ringNumber.trimmed() == p.ringNumber.trimmed() &&
            other.year.trimmed() == p.year.trimmed() &&
            other.country.trimmed() == p.country.trimmed() &&
            other.branch.trimmed() == p.branch.trimmed())
            return MessageBox::AskYesNo(
                this,
                u"The band %1 is already registered in this loft. Store "
                u"this pigeon as well?"_s.arg(BandLabel(other).simplified()),
                {}, QMessageBox::Warning);
    }
    return true;
}

void CDodajGolebia::accept() {
    for (size_t i = 0; i < m_pages.size(); ++i) {
        if (const auto problem = m_pages[i]->Problem()) {
            m_tabs->setCurrentIndex(static_cast<int>(i));
            MessageBox::ShowMessage(this, *problem, {}, QMessageBox::Warning);
            return;
        }
    }
    for (CEditorPage* page : m_pages)
        page->Store();
    m_working.idLoft = m_data.CurrentLoftId();
    if (!ConfirmSameBand())
        return;
    auto* information = static_cast<CDodajGolebiaTab1*>(m_pages[Information]);
    if (const DbResult result = information->AddTypedColour(); !result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }

    if (m_mode == Mode::Edit) {
        if (const DbResult result = m_data.SavePigeon(m_working.id, m_working); !result.ok()) {
            MessageBox::ShowFailure(this, result);
            return;
        }
        QDialog::accept();
        return;
    }

    m_working.id = -1;
    m_working.dateAdded = QDateTime::currentSecsSinceEpoch();
    const DbResult result =
        m_list ? m_list->StoreNewPigeon(m_working) : m_data.SavePigeon(-1, m_working);
    if (!result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }
    ++m_added;
    if (!m_keepOpen->isChecked()) {
        QDialog::accept();
        return;
    }
    // The next "Add" makes another pigeon from the same fields; nothing of the stored one
    // (its id, photos, documents, treatments) stays in the editor.
    m_working.id = -1;
    m_working.dateAdded = -1;
    m_working.photos.clear();
    m_working.documents.clear();
    m_working.treatments.clear();
    for (int page : {Documents, Treatments, Photos})
        m_pages[size_t(page)]->Load();
}
