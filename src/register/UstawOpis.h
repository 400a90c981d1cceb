#pragma once

#include "ui/Banner.h"

class QPlainTextEdit;

// "Set summary....": the short description of a pigeon, shown wherever birds are chosen.
class CUstawOpis : public BannerDialog {
    Q_OBJECT

public:
    explicit CUstawOpis(const QString& summary, QWidget* parent = nullptr);
    QString Summary() const;

private:
    QPlainTextEdit* m_text;
};
