#pragma once

#include <QWidget>

class AppData;
class QLabel;
class QPainter;

// A page of the preview panel under the pigeon list; it is told the selected pigeon's id, or
// -1 when none is selected.
class CPreviewPage : public QWidget {
    Q_OBJECT

public:
    CPreviewPage(const AppData& appData, QWidget* parent);
    virtual void Show(int pigeonId) = 0;
    int ShownPigeon() const { return m_pigeonId; }

protected:
    /// The panel's gradient from pale blue to white.
    void PaintBackground(QPainter& painter) const;

    const AppData& m_data;
    int m_pigeonId = -1;
};

// Page 1: the selected pigeon's summary.
class CPanelPodgladuTab1 : public CPreviewPage {
    Q_OBJECT

public:
    CPanelPodgladuTab1(const AppData& appData, QWidget* parent);
    void Show(int pigeonId) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* m_band;
    QLabel* m_sire;
    QLabel* m_dam;
    QLabel* m_summary;
    QLabel* m_velocity;
    QLabel* m_qualifications;
};

// Pages 2 to 5 (family tree, progeny, siblings, race results) show their heading until their
// contents are built.
class CHeadingPreviewPage : public CPreviewPage {
    Q_OBJECT

public:
    CHeadingPreviewPage(const AppData& appData, const QString& heading, QWidget* parent);
    void Show(int pigeonId) override { m_pigeonId = pigeonId; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_heading;
};

class CPanelPodgladuTab2 : public CHeadingPreviewPage {
    Q_OBJECT

public:
    CPanelPodgladuTab2(const AppData& appData, QWidget* parent);
};

class CPanelPodgladuTab3 : public CHeadingPreviewPage {
    Q_OBJECT

public:
    CPanelPodgladuTab3(const AppData& appData, QWidget* parent);
};

class CPanelPodgladuTab4 : public CHeadingPreviewPage {
    Q_OBJECT

public:
    CPanelPodgladuTab4(const AppData& appData, QWidget* parent);
};

class CPanelPodgladuTab5 : public CHeadingPreviewPage {
    Q_OBJECT

public:
    CPanelPodgladuTab5(const AppData& appData, QWidget* parent);
};
