#pragma once

#include "ui/Banner.h"

class QLineEdit;
class QPlainTextEdit;
class QLabel;

// A name and a description under a banner, with OK and "Anuluj". OK refuses a name of fewer
// than four characters (blanks count) with the message the caller gives.
class NameDescriptionDialog : public BannerDialog {
    Q_OBJECT

public:
    NameDescriptionDialog(const QString& title, const QString& nameLabel,
                          const QString& descriptionLabel, const QString& tooShortMessage,
                          QWidget* parent = nullptr);

    void setName(const QString& name);
    QString name() const;
    void setDescription(const QString& description);
    QString description() const;

    void accept() override;

private:
    QLineEdit* m_name;
    QPlainTextEdit* m_description;
    QString m_tooShortMessage;
};
