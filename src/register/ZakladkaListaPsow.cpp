// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/ZakladkaListaPsow.h"

#include "pedigree/DrukujRodowodGolebia.h"
#include "pedigree/DrzewoGenealogicznePsa.h"
#include "pedigree/EksportListyDoHTML.h"
#include "register/DodajGolebia.h"
#include "register/DodajSerieObraczek.h"
#include "register/PodgladZdjec.h"
#include "register/PreviewPages.h"
#include "register/PrzeniesPsa.h"
#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/Formatting.h"
#include "storage/PigeonLinks.h"
#include "storage/RowIdTableModel.h"
#include "ui/Artwork.h"
#include "ui/Banner.h"
#include "ui/CaptionStrip.h"
#include "ui/Contrast.h"
#include "ui/ListSelection.h"
#include "ui/MessageBox.h"
#include "ui/PictureBox.h"
#include "ui/RecordList.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTableView>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const char16_t* const kLinkTexts[] = {u"Add new pigeon", u"Edit current", u"Delete pigeon",
                                      u"Move to...",     u"Family Tree",  u"Print Category",
                                      u"Print Pedigree"};
const char16_t* const kPreviewCaptions[] = {u"Summary", u"Family tree", u"Progeny", u"Siblings",
                                            u"Race results"};
// Right edges of the preview captions, from the page's left.
constexpr int kPreviewRights[] = {350, 485, 610, 750, 950};

QStringList PigeonHeaders() {
    return {u"..."_s, u"Country"_s, u"Union"_s, u"Year"_s, u"Band"_s,
            u"Sex"_s, u"Remarks"_s, u"Color"_s, u"Sire"_s, u"Dam"_s};
}

QString PigeonCellText(const AppData& data, int id, int column) {
    // A link to a pigeon that is not loaded shows as a row of empty cells.
    const PigeonRecord& p = data.FindPigeon(id);
    switch (column) {
    case PigeonColumn::Check:
        return u" "_s;
    case PigeonColumn::Country:
        return p.country;
    case PigeonColumn::Union:
        return p.branch;
    case PigeonColumn::Year:
        return p.year;
    case PigeonColumn::Band:
        return p.ringNumber;
    case PigeonColumn::Sex:
        return SexWord(p.sex);
    case PigeonColumn::Remarks:
        return ShortRemark(p.notesGeneral);
    case PigeonColumn::Colour: {
        const auto colour = data.colours.find(p.idColour);
        return colour == data.colours.end() ? QString() : colour->second;
    }
    case PigeonColumn::Sire:
        return BandLabel(data.FindPigeon(p.idSire));
    case PigeonColumn::Dam:
        return BandLabel(data.FindPigeon(p.idDam));
    default:
        return {};
    }
}

} // namespace

CZakladkaListaPsow::CZakladkaListaPsow(AppData& appData, QWidget* parent)
    : CTabPage(appData, parent)
    , m_model(new RowIdTableModel(
          PigeonHeaders(),
          [&appData](int, int id, int column) { return PigeonCellText(appData, id, column); },
          this))
    , m_view(new QTableView(this))
    , m_photo(new PictureBox(this, PictureBox::Mode::Stretched))
    , m_bandSearch(new QLineEdit(this))
    , m_bandSearchOk(new QPushButton(u"OK"_s, this)) {
    setObjectName(u"pigeonListPage"_s);
    m_bandSearch->setObjectName(u"bandSearch"_s);
    m_bandSearch->setPlaceholderText(u"Band number"_s);
    m_bandSearch->setAccessibleName(u"Find a pigeon by its band"_s);
    m_bandSearch->setGeometry(10, 300, 150, 26);
    m_bandSearchOk->setObjectName(u"bandSearchOk"_s);
    m_bandSearchOk->setGeometry(165, 300, 40, 26);
    m_bandSearchOk->setAutoDefault(false);
    m_bandSearch->setEnabled(false);
    m_bandSearchOk->setEnabled(false);
    // OK again with the same text goes on to the next bird that matches.
    const auto search = [this] {
        m_finder->Search(m_bandSearch->text(), true);
    };
    connect(m_bandSearchOk, &QPushButton::clicked, this, search);
    connect(m_bandSearch, &QLineEdit::returnPressed, this, search);

    m_view->setObjectName(u"pigeonList"_s);
    m_view->setAccessibleName(u"Pigeons in the category"_s);
    BindRowKeys(m_view, PageCommand::EditPigeon, PageCommand::DeletePigeon);
    m_model->SetToolTipReader([&appData](int, int id, int column) {
        return column == PigeonColumn::Remarks ? appData.FindPigeon(id).notesGeneral : QString();
    });
    SetUpRecordList(m_view, m_model, u"Pigeons"_s, {30, 65, 100, 100, 100, 80, 120, 90, 100, 120},
                    {PigeonColumn::Band, PigeonColumn::Sire, PigeonColumn::Dam},
                    {.family = u"Verdana"_s});
    // Whatever selects a row (a click, the arrow, Home, End and page keys) makes it the current
    // pigeon; a click below the last row selects none.
    ClearSelectionOnEmptyClick(m_view);
    FollowSelectedRow(m_view, this, [this](int row) { ShowSelected(row); });

    m_photo->setObjectName(u"pigeonPhoto"_s);
    m_photo->setAccessibleName(u"Photo of the selected pigeon"_s);
    m_photo->ShowPlaceholder(Artwork::DefaultPortrait());
    m_photo->setCursor(Qt::PointingHandCursor);
    m_photo->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_previews = {new CPanelPodgladuTab1(appData, this), new CPanelPodgladuTab2(appData, this),
                  new CPanelPodgladuTab3(appData, this), new CPanelPodgladuTab4(appData, this),
                  new CPanelPodgladuTab5(appData, this)};
    for (size_t i = 1; i < m_previews.size(); ++i)
        m_previews[i]->hide();
    m_previewStrip = new CaptionStrip({int(m_previews.size()), [this] { return m_previewPage; },
                                       [this](int page) { ShowPreviewPage(page); },
                                       [this](int page) { return PreviewCaptionRect(page); },
                                       [](int page) {
                                           return QString::fromUtf16(kPreviewCaptions[page]);
                                       }},
                                      u"Preview pages"_s, this);
    m_previewStrip->setObjectName(u"previewStrip"_s);
    // Tab reads the page as the eye does: the side panel (links, band search), then the list
    // and the preview bar under it.
    setTabOrder(m_bandSearchOk, m_view);
    setTabOrder(m_view, m_previewStrip);
    // A bird changed from a page may stand in any row (as a parent too) and on every page.
    for (CPreviewPage* page : m_previews)
        connect(page, &CPreviewPage::pigeonEdited, this, [this] {
            m_view->viewport()->update();
            ShowSelected(m_data.currentPigeon);
        });
}

CZakladkaListaPsow::~CZakladkaListaPsow() = default;

void CZakladkaListaPsow::SetRaceHistoryOpener(const RaceHistoryOpener& open) {
    static_cast<CPanelPodgladuTab5*>(m_previews[4])->SetRaceHistoryOpener(open);
}

void CZakladkaListaPsow::SetPigeonFinder(BandSearchRunner::Show show) {
    m_finder = std::make_unique<BandSearchRunner>(m_data, this, std::move(show));
    m_bandSearch->setEnabled(true);
    m_bandSearchOk->setEnabled(true);
}

void CZakladkaListaPsow::SetCountLabels(QLabel* loftCount, QLabel* categoryCount) {
    m_loftCount = loftCount;
    m_categoryCount = categoryCount;
}

void CZakladkaListaPsow::ShowCategory(int loftIndex, int categoryIndex) {
    m_shownLoft = loftIndex;
    m_shownCategory = categoryIndex;
    if (loftIndex < 0 || loftIndex >= static_cast<int>(m_data.lofts.size()))
        return;
    const auto& categories = m_data.lofts[size_t(loftIndex)].categories;
    if (categoryIndex < 0 || categoryIndex >= static_cast<int>(categories.size()))
        return;
    Fill(loftIndex, categories[size_t(categoryIndex)].id);
}

void CZakladkaListaPsow::Fill(int loftIndex, int categoryId) {
    // A row index means nothing in another list: a command must never act on a pigeon the user
    // has not picked in the list on screen.
    SelectRow(-1);
    if (loftIndex == -1 && categoryId == -1) {
        m_model->Clear();
        return;
    }
    std::vector<int> ids;
    if (const DbResult result = m_data.ReadCategoryMembers(categoryId, ids); result.failed())
        MessageBox::ShowReadFailure(this, result);
    m_model->Fill(std::move(ids));
    UpdateCategoryCount();
}

void CZakladkaListaPsow::ClearList() {
    m_shownLoft = -1;
    m_shownCategory = -1;
    m_model->Clear();
    SelectRow(-1);
    // A loft without categories shows no count, not the one of the category shown before.
    if (m_categoryCount)
        m_categoryCount->clear();
}

void CZakladkaListaPsow::UpdateCategoryCount() {
    if (m_categoryCount)
        m_categoryCount->setText(u"(%1)"_s.arg(m_model->rowCount()));
    // The loft's count follows every add and delete too; the loaded pigeons are the loft's.
    if (m_loftCount && m_data.currentLoft >= 0 &&
        m_data.currentLoft < static_cast<int>(m_data.lofts.size())) {
        const auto count = std::count_if(m_data.pigeons.begin(), m_data.pigeons.end(),
                                         [](const auto& entry) { return entry.first >= 1; });
        m_data.lofts[size_t(m_data.currentLoft)].pigeonCount = static_cast<int>(count);
        m_loftCount->setText(u"(%1)"_s.arg(count));
    }
}

int CZakladkaListaPsow::SetRow(int row, const PigeonRecord& pigeon) {
    return m_model->SetRow(row, pigeon.id);
}

int CZakladkaListaPsow::CurrentPigeonId() const {
    return m_data.currentPigeon < 0 ? 0 : m_model->IdAt(m_data.currentPigeon);
}

int CZakladkaListaPsow::CurrentCategoryId() const {
    if (m_data.currentLoft < 0 || m_data.currentCategory < 0)
        return 0;
    return m_data.lofts[size_t(m_data.currentLoft)].categories[size_t(m_data.currentCategory)].id;
}

void CZakladkaListaPsow::SelectRow(int row) {
    if (row < 0 || row >= m_model->rowCount()) {
        m_view->clearSelection();
        ShowSelected(-1);
        return;
    }
    m_view->selectRow(row);
    m_view->scrollTo(m_model->index(row, 0));
    ShowSelected(row);
}

void CZakladkaListaPsow::ShowSelected(int row) {
    if (row < 0 || row >= m_model->rowCount()) {
        m_data.currentPigeon = -1;
        m_photo->ShowPlaceholder(Artwork::DefaultPortrait());
        for (CPreviewPage* page : m_previews)
            page->Show(-1);
        return;
    }
    m_data.currentPigeon = row;
    const int id = m_model->IdAt(row);
    ShowPhotoOf(id);
    for (CPreviewPage* page : m_previews)
        page->Show(id);
}

void CZakladkaListaPsow::ShowPhotoOf(int pigeonId) {
    ShowPigeonPhoto(m_photo, m_data.FindPigeon(pigeonId));
}

void CZakladkaListaPsow::ShowPreviewPage(int page) {
    if (page < 0 || page >= static_cast<int>(m_previews.size()))
        return;
    m_previewPage = page;
    m_listMode = page == 0 ? 0 : 1;
    LayoutPage();
    for (size_t i = 0; i < m_previews.size(); ++i)
        m_previews[i]->setVisible(static_cast<int>(i) == page);
    update();
}

QRect CZakladkaListaPsow::LinkRect(int link) const {
    const int top = 50 + link * 30;
    return QRect(QPoint(5, top), QPoint(209, top + 29));
}

bool CZakladkaListaPsow::LinkEnabled(int link) const {
    switch (link) {
    case TreeLink:
        return isSignalConnected(QMetaMethod::fromSignal(&CZakladkaListaPsow::familyTreeRequested));
    case PedigreeLink:
        return isSignalConnected(QMetaMethod::fromSignal(&CZakladkaListaPsow::pedigreeRequested));
    case PrintCategoryLink:
        return Handles(PageCommand::PrintCategory);
    default:
        return link >= 0 && link < LinkCount;
    }
}

QRect CZakladkaListaPsow::PreviewCaptionRect(int page) const {
    const int left = page == 0 ? 240 : kPreviewRights[page - 1];
    return QRect(QPoint(left, height() - 22), QPoint(kPreviewRights[page] - 1, height() - 1));
}

void CZakladkaListaPsow::LayoutPage() {
    const QRect r = rect();
    const int bottomGap = m_listMode == 0 ? 160 : 460;
    m_view->setGeometry(
        QRect(QPoint(240, r.top()), QPoint(r.right() - 15, r.bottom() - bottomGap)));
    const QRect first(QPoint(240, r.bottom() - 162), QPoint(r.right() - 15, r.bottom() - 28));
    const QRect others(QPoint(240, r.bottom() - 458), QPoint(r.right() - 15, r.bottom() - 28));
    for (size_t i = 0; i < m_previews.size(); ++i)
        m_previews[i]->setGeometry(i == 0 ? first : others);
    m_photo->setGeometry(PhotoRect().adjusted(2, 2, -2, -2));
    if (m_previewStrip)
        m_previewStrip->Sync();
}

void CZakladkaListaPsow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();
    const QColor pageFill = Contrast::Fill(colours, QColor(236, 242, 251), QPalette::Window);
    const QColor band = Contrast::Fill(colours, Qt::white, QPalette::Base);
    painter.fillRect(rect(), pageFill);
    for (const QRect& area : {QRect(QPoint(5, 15), QPoint(209, 169)),
                              QRect(QPoint(5, 170), QPoint(209, 259)), PhotoRect()})
        painter.fillRect(area, band);
    const QColor pedigree = Contrast::Fill(colours, QColor(228, 235, 250), QPalette::AlternateBase);
    painter.fillRect(LinkRect(PedigreeLink), pedigree);
    painter.setFont(CaptionFont(18));
    painter.setPen(Contrast::Ink(colours, QColor(63, 172, 255), band));
    painter.drawText(QRect(15, 15, 190, 34), Qt::AlignVCenter, u"Pigeon"_s);
    painter.setFont(CaptionFont(14));
    for (int link = 0; link < LinkCount; ++link)
        PaintPageLink(painter, LinkRect(link), QString::fromUtf16(kLinkTexts[link]),
                      LinkEnabled(link), link == PedigreeLink ? pedigree : band);
    painter.setFont(CaptionFont(12, false));
    // Darker than the panel's blue-grey so that it reads on the page (4.5:1).
    painter.setPen(Contrast::Ink(colours, QColor(95, 111, 139), pageFill));
    painter.drawText(QRect(10, 278, 200, 18), Qt::AlignLeft | Qt::AlignVCenter,
                     u"Find a pigeon by its band"_s);
    painter.drawText(QRect(5, 390, 205, 18), Qt::AlignLeft | Qt::AlignVCenter,
                     u"Click the photo for all photos"_s);

    // The preview bar with its five captions.
    const QRect bar(QPoint(240, height() - 22), QPoint(957, height() - 1));
    const QColor top = Contrast::Deepen(colours, QColor(19, 126, 209), Qt::white);
    QLinearGradient gradient(bar.topLeft(), bar.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, Contrast::Deepen(colours, QColor(15, 107, 177), Qt::white));
    painter.fillRect(bar, gradient);
    painter.setFont(CaptionFont(13));
    // Under a dark palette the chosen caption is a deeper green, opaque, that white reads on.
    const QColor chosen = Contrast::Deepen(colours, QColor(83, 187, 180), Qt::white);
    for (int page = 0; page < 5; ++page) {
        const QRect caption = PreviewCaptionRect(page);
        if (page == m_previewPage)
            painter.fillRect(caption.adjusted(1, 2, -1, 0),
                             Contrast::IsLight(colours) ? QColor(155, 255, 155, 120) : chosen);
        painter.setPen(Contrast::Ink(colours, Qt::white, page == m_previewPage ? chosen : top));
        painter.drawText(caption, Qt::AlignCenter, QString::fromUtf16(kPreviewCaptions[page]));
    }
}

void CZakladkaListaPsow::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    for (int page = 0; page < 5; ++page) {
        if (PreviewCaptionRect(page).contains(point)) {
            ShowPreviewPage(page);
            return;
        }
    }
    for (int link = 0; link < LinkCount; ++link) {
        if (LinkRect(link).contains(point)) {
            if (LinkEnabled(link))
                RunLink(link);
            return;
        }
    }
    if (PhotoRect().contains(point))
        OpenPhotoViewer();
}

void CZakladkaListaPsow::RunLink(int link) {
    switch (link) {
    case AddLink:
        Perform(PageCommand::AddPigeon);
        break;
    case EditLink:
        Perform(PageCommand::EditPigeon);
        break;
    case DeleteLink:
        Perform(PageCommand::DeletePigeon);
        break;
    case MoveLink:
        Perform(PageCommand::MovePigeon);
        break;
    case TreeLink:
        if (m_data.currentPigeon < 0)
            MessageBox::ShowMessage(this, u"Wybierz ptaka z listy"_s);
        else
            Q_EMIT familyTreeRequested(CurrentPigeonId());
        break;
    case PrintCategoryLink:
        Perform(PageCommand::PrintCategory);
        break;
    case PedigreeLink:
        if (m_data.currentPigeon < 0)
            MessageBox::ShowMessage(this,
                                    u"You must select pigeon from list to print his pedigree."_s);
        else
            Q_EMIT pedigreeRequested(CurrentPigeonId());
        break;
    default:
        break;
    }
}

bool CZakladkaListaPsow::Handles(PageCommand command) const {
    switch (command) {
    case PageCommand::AddPigeon:
    case PageCommand::EditPigeon:
    case PageCommand::DeletePigeon:
    case PageCommand::MovePigeon:
    case PageCommand::AddRingSeries:
    case PageCommand::AddToPrintList:
    case PageCommand::RemoveFromPrintList:
        return true;
    case PageCommand::PrintList:
    case PageCommand::PrintCategory:
        // The list export window listens for these prints.
        return isSignalConnected(QMetaMethod::fromSignal(&CZakladkaListaPsow::printListRequested));
    case PageCommand::ShowFamilyTree:
        return LinkEnabled(TreeLink);
    case PageCommand::PrintPedigree:
        return LinkEnabled(PedigreeLink);
    case PageCommand::PrintProgeny:
    case PageCommand::PrintSiblings:
    case PageCommand::PrintRacingResults:
        return true;
    default:
        return false;
    }
}

void CZakladkaListaPsow::HandleCommand(PageCommand command) {
    switch (command) {
    case PageCommand::AddPigeon:
        AddPigeon();
        break;
    case PageCommand::EditPigeon:
        EditCurrent();
        break;
    case PageCommand::DeletePigeon:
        DeleteCurrent();
        break;
    case PageCommand::MovePigeon:
        MoveCurrent();
        break;
    case PageCommand::AddRingSeries:
        AddRingSeries();
        break;
    case PageCommand::AddToPrintList:
        AddToPrintList();
        break;
    case PageCommand::RemoveFromPrintList:
        RemoveFromPrintList();
        break;
    case PageCommand::PrintList:
        PrintList();
        break;
    case PageCommand::PrintCategory:
        PrintCategory();
        break;
    case PageCommand::ShowFamilyTree:
        RunLink(TreeLink);
        break;
    case PageCommand::PrintPedigree:
        RunLink(PedigreeLink);
        break;
    case PageCommand::PrintProgeny:
    case PageCommand::PrintSiblings:
    case PageCommand::PrintRacingResults:
        PrintRelatives(command);
        break;
    default:
        break;
    }
}

void CZakladkaListaPsow::PrintRelatives(PageCommand command) {
    const int pigeonId = m_data.currentPigeon < 0 ? 0 : CurrentPigeonId();
    const PigeonRecord& pigeon = m_data.FindPigeon(pigeonId);
    const QString what = command == PageCommand::PrintProgeny    ? u"progeny"_s
                         : command == PageCommand::PrintSiblings ? u"siblings"_s
                                                                 : u"racing results"_s;
    if (pigeon.id < 1) {
        MessageBox::ShowMessage(this,
                                u"You must select pigeon from list to print his %1."_s.arg(what));
        return;
    }
    if (command == PageCommand::PrintRacingResults) {
        PrintRacingResults(m_data, pigeon.id, this);
        return;
    }
    std::vector<int> ids;
    if (command == PageCommand::PrintProgeny) {
        ids = ProgenyOf(m_data, pigeon.id);
    } else {
        // Its own clutch first, then the other young of its parents.
        const SiblingSources sources = FindSiblingSources(m_data, pigeon.id);
        ids = SiblingIds(m_data, sources, pigeon.id, false);
        for (int id : SiblingIds(m_data, sources, pigeon.id, true))
            if (std::find(ids.begin(), ids.end(), id) == ids.end())
                ids.push_back(id);
    }
    if (ids.empty()) {
        MessageBox::ShowMessage(this, u"No %1 of %2 is recorded."_s.arg(what, BandLabel(pigeon)));
        return;
    }
    const bool siblings = command == PageCommand::PrintSiblings;
    CEksportListyDoHTML dialog(m_data, ids, siblings ? u"Wydruk rodzeństwa"_s : u"Print Progeny"_s,
                               siblings ? pigeon.id : 0, this);
    dialog.exec();
}

void CZakladkaListaPsow::AddPigeon() {
    if (m_data.currentLoft < 0 || m_data.currentCategory < 0) {
        MessageBox::ShowMessage(this, u"You can't add pigeon with no selected category."_s);
        return;
    }
    CDodajGolebia editor(m_data, CDodajGolebia::Mode::Add, {}, this, this);
    if (editor.exec() == QDialog::Accepted && editor.AddedCount() == 0)
        MessageBox::ShowMessage(this, u"Error - cannot add pigeon."_s);
}

DbResult CZakladkaListaPsow::StoreNewPigeon(PigeonRecord& pigeon) {
    DbResult result = m_data.AddPigeonToCategory(pigeon, CurrentCategoryId());
    if (result.ok()) {
        m_model->SetRow(-1, pigeon.id);
        UpdateCategoryCount();
    }
    return result;
}

void CZakladkaListaPsow::MoveCurrent() {
    const int row = m_data.currentPigeon;
    if (row < 0 || m_data.currentLoft < 0 || m_data.currentCategory < 0)
        return;
    CPrzeniesPsa dialog(m_data, this);
    if (dialog.exec() != QDialog::Accepted || dialog.ChosenIndex() < 0)
        return;
    const int pigeonId = m_model->IdAt(row);
    const int target =
        m_data.lofts[size_t(m_data.currentLoft)].categories[size_t(dialog.ChosenIndex())].id;
    if (dialog.Copy()) {
        if (const DbResult result = m_data.AddCategoryLink(target, pigeonId); !result.ok())
            MessageBox::ShowFailure(this, result);
        return;
    }
    if (target == CurrentCategoryId()) {
        MessageBox::ShowMessage(this, u"The pigeon is already in this category."_s);
        return;
    }
    if (const DbResult result = m_data.MoveCategoryLink(pigeonId, CurrentCategoryId(), target);
        !result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }
    m_model->RemoveRow(row);
    SelectRow(-1);
    UpdateCategoryCount();
}

void CZakladkaListaPsow::EditCurrent() {
    const int row = m_data.currentPigeon;
    if (row < 0)
        return;
    const PigeonRecord pigeon = m_data.FindPigeon(m_model->IdAt(row));
    if (pigeon.id < 1)
        return;
    CDodajGolebia editor(m_data, CDodajGolebia::Mode::Edit, pigeon, nullptr, this);
    const bool stored = editor.exec() == QDialog::Accepted;
    // Photos, documents and treatments were stored as they were changed, even on "Close".
    if (stored)
        m_model->SetRow(row, editor.Working().id);
    // Rows of its young show the edited pigeon as sire or dam.
    m_view->viewport()->update();
    SelectRow(row);
}

void CZakladkaListaPsow::DeleteCurrent() {
    const int row = m_data.currentPigeon;
    if (row < 0 || m_data.currentLoft < 0 || m_data.currentCategory < 0)
        return;
    const int id = m_model->IdAt(row);
    const bool loaded = m_data.pigeons.count(id) > 0;
    QString question = u"Do you want delete selected pigeon?"_s;
    if (loaded) {
        PigeonLinks links;
        if (const DbResult read = CountPigeonLinks(id, links); !read.ok()) {
            MessageBox::ShowReadFailure(this, read);
            return;
        }
        if (const QString linked = PigeonLinksText(links); !linked.isEmpty())
            question = linked + u"\n\n"_s + question;
    }
    if (!MessageBox::AskYesNo(this, question, u"Are you sure?"_s, QMessageBox::Warning))
        return;
    // A row whose pigeon is not loaded has only its link to remove.
    const DbResult result = loaded ? m_data.DeletePigeonWithAttachments(id)
                                   : m_data.RemoveCategoryLink(CurrentCategoryId(), id);
    if (!result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }
    m_model->RemoveRow(row);
    // Rows of its young lose it as sire or dam.
    m_view->viewport()->update();
    SelectRow(-1);
    UpdateCategoryCount();
}

void CZakladkaListaPsow::AddRingSeries() {
    if (m_data.currentLoft < 0 || m_data.currentCategory < 0) {
        MessageBox::ShowMessage(this, u"You must select category from list of categories"_s,
                                u"Error"_s);
        return;
    }
    std::vector<int> ids;
    const auto store = [this, &ids](const CDodajSerieObraczek& series) {
        PigeonRecord model;
        model.idLoft = m_data.CurrentLoftId();
        model.country = series.Country();
        model.branch = series.Union();
        model.year = series.Year();
        return m_data.AddRingSeries(model, series.StartNumber(), series.EndNumber(),
                                    CurrentCategoryId(), ids);
    };
    CDodajSerieObraczek dialog(store, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    for (int id : ids)
        m_model->SetRow(-1, id);
    UpdateCategoryCount();
}

void CZakladkaListaPsow::AddToPrintList() {
    if (m_data.currentPigeon < 0)
        return;
    if (const DbResult result = m_data.AddToBirdList(CurrentPigeonId()); !result.ok())
        MessageBox::ShowFailure(this, result);
}

void CZakladkaListaPsow::RemoveFromPrintList() {
    if (m_data.currentPigeon < 0)
        return;
    if (const DbResult result = m_data.RemoveFromBirdList(CurrentPigeonId()); !result.ok())
        MessageBox::ShowFailure(this, result);
}

void CZakladkaListaPsow::PrintList() {
    std::vector<int> ids;
    if (const DbResult result = m_data.ReadBirdList(ids); result.failed()) {
        MessageBox::ShowReadFailure(this, result);
        return;
    }
    Q_EMIT printListRequested(ids, QString());
}

void CZakladkaListaPsow::PrintCategory() {
    if (m_data.currentLoft < 0 || m_data.currentCategory < 0)
        return;
    std::vector<int> ids;
    if (const DbResult result = m_data.ReadCategoryMembers(CurrentCategoryId(), ids);
        result.failed()) {
        MessageBox::ShowReadFailure(this, result);
        return;
    }
    Q_EMIT printListRequested(ids, u"Print Category"_s);
}

void CZakladkaListaPsow::OpenPhotoViewer() {
    if (m_data.currentPigeon < 0) {
        MessageBox::ShowMessage(this, u"Select pigeon from list to browse his photos."_s);
        return;
    }
    const PigeonRecord& pigeon = m_data.FindPigeon(CurrentPigeonId());
    if (pigeon.photos.empty()) {
        MessageBox::ShowMessage(this, u"Selected pigeon has not photos."_s);
        return;
    }
    CPodgladZdjec viewer(pigeon.photos, this);
    viewer.exec();
}

PanelLink CZakladkaListaPsow::PanelLinkAt(int link) const {
    return {LinkRect(link), QString::fromUtf16(kLinkTexts[link]), LinkEnabled(link)};
}

void ConnectPrintWindows(CZakladkaListaPsow* list, AppData& appData) {
    QObject::connect(list, &CZakladkaListaPsow::familyTreeRequested, list,
                     [list, &appData](int pigeonId) {
                         CDrzewoGenealogicznePsa tree(appData, pigeonId, list);
                         tree.exec();
                     });
    QObject::connect(
        list, &CZakladkaListaPsow::pedigreeRequested, list, [list, &appData](int pigeonId) {
            CDrukujRodowodGolebia pedigree(appData, appData.FindPigeon(pigeonId), list);
            pedigree.exec();
        });
    QObject::connect(list, &CZakladkaListaPsow::printListRequested, list,
                     [list, &appData](const std::vector<int>& ids, const QString& title) {
                         CEksportListyDoHTML dialog(appData, ids, title, 0, list);
                         dialog.exec();
                     });
}
