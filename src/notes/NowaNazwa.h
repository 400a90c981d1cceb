// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLineEdit;

// "New Note": the name of a new note, with OK.
class CNowaNazwa : public QDialog {
    Q_OBJECT

public:
    explicit CNowaNazwa(QWidget* parent = nullptr);

    /// The name typed, read on OK.
    const QString& Name() const { return m_name; }
    QLineEdit* NameEdit() const { return m_edit; }

    void accept() override;

private:
    QLineEdit* m_edit;
    QString m_name;
};
