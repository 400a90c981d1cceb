// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/DodajGolebiaNotes.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

CDodajGolebiaTab2::CDodajGolebiaTab2(AppData& appData, PigeonRecord& working, QWidget* parent)
    : CEditorPage(appData, working, parent)
    , m_text(new QPlainTextEdit(this)) {
    setObjectName(u"remarksPage"_s);
    m_text->setObjectName(u"remarks"_s);
    auto* buttons = new QHBoxLayout;
    const char16_t* const captions[] = {u"General remarks", u"Appearance", u"Problems",
                                        u"Disease remarks"};
    const char16_t* const names[] = {u"general", u"appearance", u"problems", u"diseases"};
    for (int note = 0; note < NoteCount; ++note) {
        auto* button = new QPushButton(QString::fromUtf16(captions[note]), this);
        button->setObjectName(QString::fromUtf16(names[note]));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, note] { ShowNote(note); });
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_text);
    Load();
}

void CDodajGolebiaTab2::Load() {
    m_notes = {m_working.notesGeneral, m_working.notesAppearance, m_working.notesProblems,
               m_working.notesDiseases};
    m_shown = General;
    m_text->setPlainText(m_notes[General]);
}

void CDodajGolebiaTab2::ShowNote(int note) {
    m_notes[size_t(m_shown)] = m_text->toPlainText();
    m_shown = note;
    m_text->setPlainText(m_notes[size_t(note)]);
}

void CDodajGolebiaTab2::Store() {
    m_notes[size_t(m_shown)] = m_text->toPlainText();
    m_working.notesGeneral = m_notes[General];
    m_working.notesAppearance = m_notes[Appearance];
    m_working.notesProblems = m_notes[Problems];
    m_working.notesDiseases = m_notes[Diseases];
}

CDodajGolebiaTab6::CDodajGolebiaTab6(AppData& appData, PigeonRecord& working, QWidget* parent)
    : CEditorPage(appData, working, parent) {
    setObjectName(u"pedigreeNotesPage"_s);
    const char16_t* const captions[] = {u"First Generation", u"Second generation",
                                        u"Third generation", u"Fourth generation", u"Pigeon notes"};
    auto* layout = new QGridLayout(this);
    for (size_t i = 0; i < m_notes.size(); ++i) {
        m_notes[i] = new QPlainTextEdit(this);
        m_notes[i]->setObjectName(u"pedigreeNote%1"_s.arg(i));
        const int row = static_cast<int>(i) / 2 * 2;
        const int column = static_cast<int>(i) % 2;
        layout->addWidget(new QLabel(QString::fromUtf16(captions[i]), this), row, column);
        layout->addWidget(m_notes[i], row + 1, column);
    }
    Load();
}

void CDodajGolebiaTab6::Load() {
    const QString notes[] = {m_working.pedigreeNote1, m_working.pedigreeNote2,
                             m_working.pedigreeNote3, m_working.pedigreeNote4,
                             m_working.pedigreeNote0};
    for (size_t i = 0; i < m_notes.size(); ++i)
        m_notes[i]->setPlainText(notes[i]);
}

void CDodajGolebiaTab6::Store() {
    m_working.pedigreeNote1 = m_notes[0]->toPlainText();
    m_working.pedigreeNote2 = m_notes[1]->toPlainText();
    m_working.pedigreeNote3 = m_notes[2]->toPlainText();
    m_working.pedigreeNote4 = m_notes[3]->toPlainText();
    m_working.pedigreeNote0 = m_notes[4]->toPlainText();
}
