// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "racing/RaceHistory.h"

#include <QColor>
#include <QWidget>

#include <optional>

class QPainter;
class QPalette;

struct RaceHistoryColours {
    QColor background;
    QColor text;
    QColor grid;
    QColor velocity;
    QColor position;
};

/// Colours for the palette's base colour, each series the one of two hues that stands out more
/// from it, so that a dark theme stays readable.
RaceHistoryColours ChartColours(const QPalette& palette);
/// Dark on white, for paper.
RaceHistoryColours PrintColours();

/// Paints the chart over the area in the painter's font; highlighted is a point's index or -1.
void PaintRaceHistory(QPainter& painter, const QRectF& area, const RaceHistory& history,
                      const RaceHistoryColours& colours, int highlighted);

// A pigeon's races over the seasons: velocity against the left axis, position against the right
// one. Hovering a point shows its race in a tooltip; a click, Left, Right, Home and End choose the
// race that is highlighted.
class RaceHistoryChart : public QWidget {
    Q_OBJECT

public:
    explicit RaceHistoryChart(QWidget* parent = nullptr);

    void SetHistory(RaceHistory history);
    const RaceHistory& History() const { return m_history; }
    int Highlighted() const { return m_highlighted; }
    void Highlight(int index);
    /// Where a race's points stand in the widget; nothing for a point the race does not have.
    std::optional<QPointF> VelocityPoint(int index) const;
    std::optional<QPointF> PositionPoint(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void highlightChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    /// The race whose point lies under the position, -1 when none is near.
    int PointAt(const QPointF& position) const;

    RaceHistory m_history;
    int m_highlighted = -1;
    int m_hovered = -1;
};
