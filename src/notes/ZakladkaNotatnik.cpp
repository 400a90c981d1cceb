// SPDX-License-Identifier: GPL-3.0-or-later
#include "notes/ZakladkaNotatnik.h"

#include "notes/NoteBodies.h"
#include "notes/NowaNazwa.h"
#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/TextFile.h"
#include "ui/Artwork.h"
#include "ui/Contrast.h"
#include "ui/FileDialog.h"
#include "ui/ListSelection.h"
#include "ui/MessageBox.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

constexpr int kListWidth = 220;
constexpr int kToolbarHeight = 34;

QPushButton* ToolButton(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    // The editor keeps the focus and its selection while a format is applied.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

bool IsRule(const QTextBlockFormat& format) {
    return format.hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth);
}

// Qt writes a line that carries a horizontal rule as the rule alone: text typed on that line
// moves to a line of its own under the rule, so that it is written too.
void KeepTextOffRules(QTextDocument* document) {
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (!IsRule(block.blockFormat()) || block.length() <= 1)
            continue;
        QTextBlockFormat plain = block.blockFormat();
        plain.clearProperty(QTextFormat::BlockTrailingHorizontalRulerWidth);
        QTextCursor cursor(block);
        cursor.insertBlock(plain);
    }
}

QString BodyHtml(QTextEdit* editor) {
    KeepTextOffRules(editor->document());
    return editor->toHtml();
}

} // namespace

CZakladkaNotatnik::CZakladkaNotatnik(AppData& appData, QWidget* parent)
    : CTabPage(appData, parent)
    , m_list(new QListWidget(this))
    , m_editor(new QTextEdit(this))
    , m_toolbar(new QWidget(this))
    , m_autoSave(new QTimer(this)) {
    setObjectName(u"notepadPage"_s);
    setAutoFillBackground(true);
    QPalette page = palette();
    page.setColor(QPalette::Window, Contrast::Fill(page, QColor(236, 242, 251), QPalette::Window));
    setPalette(page);
    m_list->setObjectName(u"notes"_s);
    m_list->setAccessibleName(u"Notes"_s);
    m_list->setViewMode(QListView::ListMode);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setTextElideMode(Qt::ElideRight);
    m_list->setUniformItemSizes(true);
    m_list->setIconSize(QSize(16, 16));
    m_editor->setObjectName(u"noteEditor"_s);
    m_editor->setAcceptRichText(true);
    m_editor->setTabChangesFocus(false);
    QFont bodyFont = m_editor->font();
    bodyFont.setPointSize(11);
    m_editor->setFont(bodyFont);

    auto* toolbar = new QHBoxLayout(m_toolbar);
    toolbar->setContentsMargins(0, 0, 0, 0);
    auto* add = ToolButton(u"New Note"_s, u"newNote"_s, m_toolbar);
    add->setFocusPolicy(Qt::StrongFocus);
    m_delete = ToolButton(u"Delete Note"_s, u"deleteNote"_s, m_toolbar);
    m_delete->setFocusPolicy(Qt::StrongFocus);
    connect(add, &QPushButton::clicked, this, [this] { Perform(PageCommand::NewNote); });
    connect(m_delete, &QPushButton::clicked, this, &CZakladkaNotatnik::DeleteNote);
    toolbar->addWidget(add);
    toolbar->addWidget(m_delete);
    toolbar->addSpacing(12);

    auto* bold = ToolButton(u"B"_s, u"bold"_s, m_toolbar);
    auto* italic = ToolButton(u"I"_s, u"italic"_s, m_toolbar);
    auto* underline = ToolButton(u"U"_s, u"underline"_s, m_toolbar);
    auto* line = ToolButton(u"__"_s, u"line"_s, m_toolbar);
    QFont font = bold->font();
    font.setBold(true);
    bold->setFont(font);
    font.setBold(false);
    font.setItalic(true);
    italic->setFont(font);
    font.setItalic(false);
    font.setUnderline(true);
    underline->setFont(font);
    connect(bold, &QPushButton::clicked, this, &CZakladkaNotatnik::ToggleBold);
    connect(italic, &QPushButton::clicked, this, &CZakladkaNotatnik::ToggleItalic);
    connect(underline, &QPushButton::clicked, this, &CZakladkaNotatnik::ToggleUnderline);
    // Ctrl+B, Ctrl+I and Ctrl+U act at once (a button's own shortcut clicks it a moment later,
    // after the next letters may already be typed).
    const std::pair<QKeySequence::StandardKey, void (CZakladkaNotatnik::*)()> keys[] = {
        {QKeySequence::Bold, &CZakladkaNotatnik::ToggleBold},
        {QKeySequence::Italic, &CZakladkaNotatnik::ToggleItalic},
        {QKeySequence::Underline, &CZakladkaNotatnik::ToggleUnderline}};
    for (const auto& [key, toggle] : keys) {
        auto* shortcut = new QShortcut(key, m_editor);
        shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, toggle);
    }
    connect(line, &QPushButton::clicked, this, &CZakladkaNotatnik::InsertLine);
    size_t next = 0;
    for (QPushButton* button : {bold, italic, underline, line}) {
        button->setFixedWidth(32);
        toolbar->addWidget(button);
        m_formatButtons[next++] = button;
    }
    toolbar->addSpacing(12);
    for (int size = 1; size <= 5; ++size) {
        auto* button = ToolButton(QString::number(size), u"size%1"_s.arg(size), m_toolbar);
        button->setFixedWidth(28);
        connect(button, &QPushButton::clicked, this, [this, size] { SetSize(size); });
        toolbar->addWidget(button);
        m_formatButtons[next++] = button;
    }
    toolbar->addSpacing(12);
    auto* print = ToolButton(u"Print"_s, u"print"_s, m_toolbar);
    auto* save = ToolButton(u"Save"_s, u"save"_s, m_toolbar);
    connect(print, &QPushButton::clicked, this, &CZakladkaNotatnik::Print);
    connect(save, &QPushButton::clicked, this, &CZakladkaNotatnik::SaveAs);
    toolbar->addWidget(print);
    toolbar->addWidget(save);
    m_formatButtons[next++] = print;
    m_formatButtons[next++] = save;
    toolbar->addStretch();

    FollowSelectedRow(m_list, this, [this](int row) { OnRowSelected(row); });
    m_list->viewport()->installEventFilter(this);
    connect(m_list, &QListWidget::clicked, this,
            [this](const QModelIndex& index) { OnRowClicked(index.row()); });
    // Typed text reaches the file soon after typing stops, whatever ends the program.
    m_autoSave->setSingleShot(true);
    m_autoSave->setInterval(kAutoSaveDelay);
    connect(m_autoSave, &QTimer::timeout, this, &CZakladkaNotatnik::AutoSave);
    connect(m_editor, &QTextEdit::textChanged, this, [this] {
        if (m_editor->document()->isModified())
            m_autoSave->start();
    });
    CloseNote();
}

bool CZakladkaNotatnik::eventFilter(QObject* watched, QEvent* event) {
    // The open row before the press: a click on it opens that note again.
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonPress)
        m_rowAtPress = m_current;
    return CTabPage::eventFilter(watched, event);
}

bool CZakladkaNotatnik::Handles(PageCommand command) const {
    return command == PageCommand::NewNote;
}

void CZakladkaNotatnik::HandleCommand(PageCommand command) {
    if (command == PageCommand::NewNote)
        NewNote();
}

QPushButton* CZakladkaNotatnik::Button(const QString& objectName) const {
    return m_toolbar->findChild<QPushButton*>(objectName);
}

void CZakladkaNotatnik::LayoutPage() {
    const QRect r = rect();
    m_toolbar->setGeometry(QRect(QPoint(5, 5), QPoint(r.right() - 5, 5 + kToolbarHeight - 1)));
    const int top = 10 + kToolbarHeight;
    m_list->setGeometry(QRect(QPoint(5, top), QPoint(5 + kListWidth - 1, r.bottom() - 5)));
    m_editor->setGeometry(
        QRect(QPoint(15 + kListWidth, top), QPoint(r.right() - 5, r.bottom() - 5)));
}

void CZakladkaNotatnik::PageShown() {
    if (!m_firstShow)
        return;
    m_firstShow = false;
    if (m_openId < 1 && m_list->count() > 0)
        SelectNote(0);
}

void CZakladkaNotatnik::ClearLoftLists() {
    // A note that cannot be written stays on screen, apart from any row, until it can be.
    if (SaveCurrent()) {
        CloseNote();
    } else {
        m_current = -1;
        EnableEditing(true);
    }
    const QSignalBlocker blocker(m_list->selectionModel());
    m_list->clear();
}

void CZakladkaNotatnik::FillLoftLists() {
    {
        const QSignalBlocker blocker(m_list->selectionModel());
        m_list->clear();
        for (const NoteRecord& note : m_data.notes)
            m_list->addItem(new QListWidgetItem(Artwork::NoteIcon(), note.name));
    }
    if (m_current >= 0)
        CloseNote();
    // The new loft's first note opens when the page is next shown, as at start.
    m_firstShow = true;
    if (isVisible())
        PageShown();
}

bool CZakladkaNotatnik::SavePendingEdits() {
    return SaveCurrent();
}

DbResult CZakladkaNotatnik::WriteOpenNote() {
    m_autoSave->stop();
    if (m_openId < 1 || !m_readable || !m_editor->document()->isModified())
        return DbResult::Done();
    const DbResult result = WriteNoteBody(m_openId, BodyHtml(m_editor));
    if (result.ok()) {
        m_editor->document()->setModified(false);
        m_autoSaveReported = false;
    }
    return result;
}

bool CZakladkaNotatnik::SaveCurrent() {
    if (const DbResult result = WriteOpenNote(); !result.ok()) {
        MessageBox::ShowFailure(this, result);
        return false;
    }
    return true;
}

void CZakladkaNotatnik::AutoSave() {
    // A write that keeps failing is reported once, not every time typing rests; leaving the
    // note still reports it.
    if (const DbResult result = WriteOpenNote(); !result.ok() && !m_autoSaveReported) {
        m_autoSaveReported = true;
        MessageBox::ShowFailure(this, result);
    }
}

void CZakladkaNotatnik::OnRowClicked(int row) {
    if (row >= 0 && row == m_current && row == m_rowAtPress && SaveCurrent())
        OpenNote(row);
}

void CZakladkaNotatnik::SelectNote(int row) {
    if (row < 0 || row >= m_list->count()) {
        m_list->clearSelection();
        return;
    }
    m_list->setCurrentRow(row);
}

void CZakladkaNotatnik::OnRowSelected(int row) {
    if (row == m_current)
        return;
    if (!SaveCurrent()) {
        // The open note stays open, with its text, until it can be written.
        const QSignalBlocker blocker(m_list->selectionModel());
        if (m_current >= 0)
            m_list->setCurrentRow(m_current);
        else
            m_list->clearSelection();
        return;
    }
    if (row < 0)
        CloseNote();
    else
        OpenNote(row);
}

void CZakladkaNotatnik::OpenNote(int row) {
    if (row < 0 || row >= static_cast<int>(m_data.notes.size())) {
        CloseNote();
        return;
    }
    const NoteRecord& note = m_data.notes[size_t(row)];
    const NoteBody body = ReadNoteBody(note.id);
    m_current = row;
    m_openId = note.id;
    m_openName = note.name;
    m_readable = body.ok;
    m_editor->setHtml(body.html);
    m_editor->document()->setModified(false);
    m_autoSave->stop();
    m_autoSaveReported = false;
    m_editor->moveCursor(QTextCursor::End);
    EnableEditing(body.ok);
    if (!body.ok)
        MessageBox::ShowMessage(this, u"The note could not be read:\n"_s + NotePath(note.id), {},
                                QMessageBox::Warning);
}

void CZakladkaNotatnik::CloseNote() {
    m_current = -1;
    m_openId = 0;
    m_openName.clear();
    m_readable = false;
    m_editor->clear();
    m_editor->document()->setModified(false);
    m_autoSave->stop();
    EnableEditing(false);
}

void CZakladkaNotatnik::EnableEditing(bool enabled) {
    m_editor->setReadOnly(!enabled);
    m_editor->setEnabled(enabled);
    for (QPushButton* button : m_formatButtons)
        button->setEnabled(enabled);
    m_delete->setEnabled(m_current >= 0);
}

void CZakladkaNotatnik::NewNote() {
    // A note belongs to a loft; without one it would never be listed again.
    if (m_data.currentLoft < 0) {
        MessageBox::ShowMessage(this, u"Select a loft before adding a note."_s);
        return;
    }
    if (!SaveCurrent())
        return;
    CNowaNazwa prompt(this);
    if (prompt.exec() != QDialog::Accepted)
        return;
    NoteRecord note;
    note.id = -1;
    note.idLoft = m_data.CurrentLoftId();
    note.name = prompt.Name();
    const DbResult result = CreateNote(m_data, note);
    if (!result.ok())
        MessageBox::ShowFailure(this, result);
    if (note.id >= 1) {
        const QSignalBlocker blocker(m_list->selectionModel());
        m_list->addItem(new QListWidgetItem(Artwork::NoteIcon(), note.name));
    }
}

void CZakladkaNotatnik::DeleteNote() {
    const int row = m_current;
    if (row < 0 || row >= static_cast<int>(m_data.notes.size()))
        return;
    if (!SaveCurrent())
        return;
    if (!MessageBox::AskYesNo(this, u"Do you want delete selected note?"_s, u"Are you sure?"_s))
        return;
    if (const DbResult result = m_data.DeleteNote(m_data.notes[size_t(row)]); !result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }
    m_data.notes.erase(m_data.notes.begin() + row);
    {
        const QSignalBlocker blocker(m_list->selectionModel());
        delete m_list->takeItem(row);
        m_list->clearSelection();
        m_list->setCurrentRow(-1);
    }
    CloseNote();
}

void CZakladkaNotatnik::ToggleBold() {
    QTextCharFormat format;
    format.setFontWeight(m_editor->fontWeight() >= QFont::Bold ? QFont::Normal : QFont::Bold);
    m_editor->mergeCurrentCharFormat(format);
}

void CZakladkaNotatnik::ToggleItalic() {
    QTextCharFormat format;
    format.setFontItalic(!m_editor->fontItalic());
    m_editor->mergeCurrentCharFormat(format);
}

void CZakladkaNotatnik::ToggleUnderline() {
    QTextCharFormat format;
    format.setFontUnderline(!m_editor->fontUnderline());
    m_editor->mergeCurrentCharFormat(format);
}

void CZakladkaNotatnik::SetSize(int button) {
    // HTML sizes 1 to 7 are Qt's size adjustments -2 to 4 around the default 3.
    QTextCharFormat format;
    format.setProperty(QTextFormat::FontSizeAdjustment, NoteFontSize(button) - 3);
    m_editor->mergeCurrentCharFormat(format);
}

void CZakladkaNotatnik::InsertLine() {
    // The rule gets a line of its own and the typing goes on on a new line under it.
    QTextCursor cursor = m_editor->textCursor();
    cursor.beginEditBlock();
    const QTextBlockFormat current = cursor.blockFormat();
    const QTextCharFormat chars = cursor.charFormat();
    QTextBlockFormat rule;
    rule.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                     QTextLength(QTextLength::PercentageLength, 100));
    cursor.insertBlock(rule);
    QTextBlockFormat after = current;
    after.clearProperty(QTextFormat::BlockTrailingHorizontalRulerWidth);
    cursor.insertBlock(after, chars);
    cursor.endEditBlock();
    m_editor->setTextCursor(cursor);
}

void CZakladkaNotatnik::Print() {
    if (m_openId < 1)
        return;
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(u"printDialog"_s);
    if (dialog.exec() == QDialog::Accepted)
        m_editor->print(&printer);
}

void CZakladkaNotatnik::SaveAs() {
    if (m_openId < 1)
        return;
    const QString path = FileDialog::ChooseSaveFile(this, u"Save As"_s, m_openName + u".html"_s,
                                                    u"HTML files (*.html *.htm);;All files (*)"_s);
    if (path.isEmpty())
        return;
    if (!WriteTextFile(path, BodyHtml(m_editor)))
        MessageBox::ShowMessage(this, u"The file could not be written:\n"_s + path, {},
                                QMessageBox::Warning);
}
