// SPDX-License-Identifier: GPL-3.0-or-later
#include "racing/RaceHistoryChart.h"

#include "storage/Formatting.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QToolTip>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr qreal kHitRadius = 8;

double Luminance(const QColor& colour) {
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Clearer(const QColor& background, const QColor& one, const QColor& other) {
    return Contrast(one, background) >= Contrast(other, background) ? one : other;
}

QColor Mix(const QColor& a, const QColor& b, double share) {
    return QColor::fromRgbF(float(a.redF() * (1 - share) + b.redF() * share),
                            float(a.greenF() * (1 - share) + b.greenF() * share),
                            float(a.blueF() * (1 - share) + b.blueF() * share));
}

RaceHistoryColours ColoursOn(const QColor& background, const QColor& text) {
    return {background, text, Mix(text, background, 0.8),
            Clearer(background, QColor(31, 105, 180), QColor(120, 180, 255)),
            Clearer(background, QColor(200, 80, 0), QColor(255, 165, 80))};
}

// Where things stand in an area: the plot inside the axes' labels, and the value scales.
struct ChartLayout {
    QRectF plot;
    const RaceHistory& history;

    ChartLayout(const QFontMetricsF& metrics, const QRectF& area, const RaceHistory& h)
        : history(h) {
        qreal left = 0;
        for (double tick : h.velocity.Ticks())
            left = std::max(left, metrics.horizontalAdvance(FormatNumber(tick)));
        qreal right = 0;
        for (double tick : h.position.Ticks())
            right = std::max(right, metrics.horizontalAdvance(QString::number(qRound(tick))));
        const qreal line = metrics.height();
        plot = area.adjusted(left + 12, line * 2, -(right + 12), -(line * 1.5 + 6));
    }
    qreal X(qint64 date) const {
        const double span = double(std::max<qint64>(1, history.to - history.from));
        return plot.left() + plot.width() * double(date - history.from) / span;
    }
    qreal YVelocity(double velocity) const {
        const ChartAxis& a = history.velocity;
        return plot.bottom() - plot.height() * (velocity - a.min) / (a.max - a.min);
    }
    // The best place at the top, as the fastest velocity is.
    qreal YPosition(double position) const {
        const ChartAxis& a = history.position;
        return plot.top() + plot.height() * (position - a.min) / (a.max - a.min);
    }
    std::optional<QPointF> VelocityPoint(size_t i) const {
        const RaceHistoryPoint& p = history.points[i];
        if (!p.velocity)
            return std::nullopt;
        return QPointF(X(p.date), YVelocity(*p.velocity));
    }
    std::optional<QPointF> PositionPoint(size_t i) const {
        const RaceHistoryPoint& p = history.points[i];
        if (p.position < 1)
            return std::nullopt;
        return QPointF(X(p.date), YPosition(p.position));
    }
};

void PaintAxes(QPainter& painter, const ChartLayout& layout, const RaceHistoryColours& colours) {
    const RaceHistory& history = layout.history;
    const QRectF& plot = layout.plot;
    const qreal line = painter.fontMetrics().height();
    // Every other season shaded, a line where each begins, its year under it.
    for (size_t i = 0; i < history.seasons.size(); ++i) {
        const ChartSeason& season = history.seasons[i];
        const qreal from = layout.X(season.from);
        const qreal to = layout.X(season.to);
        if (i % 2 == 1)
            painter.fillRect(QRectF(from, plot.top(), to - from, plot.height()),
                             Mix(colours.background, colours.grid, 0.35));
        if (season.from > history.from) {
            painter.setPen(QPen(colours.grid, 1, Qt::DashLine));
            painter.drawLine(QPointF(from, plot.top()), QPointF(from, plot.bottom() + 4));
        }
        const QString year = QString::number(season.year);
        if (painter.fontMetrics().horizontalAdvance(year) + 4 < to - from) {
            painter.setPen(colours.text);
            painter.drawText(QRectF(from, plot.bottom() + 4, to - from, line * 1.5),
                             Qt::AlignCenter, year);
        }
    }
    for (double tick : history.velocity.Ticks()) {
        const qreal y = layout.YVelocity(tick);
        painter.setPen(QPen(colours.grid, 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(colours.text);
        painter.drawText(QRectF(0, y - line / 2, plot.left() - 6, line),
                         Qt::AlignRight | Qt::AlignVCenter, FormatNumber(tick));
    }
    for (double tick : history.position.Ticks()) {
        if (tick < 1) // no race has place 0
            continue;
        const qreal y = layout.YPosition(tick);
        painter.setPen(QPen(colours.text, 1));
        painter.drawLine(QPointF(plot.right(), y), QPointF(plot.right() + 4, y));
        painter.drawText(QRectF(plot.right() + 6, y - line / 2, 200, line),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::number(qRound(tick)));
    }
    painter.setPen(QPen(colours.text, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    // The axis titles in their series' colours stand for the legend.
    const QRectF titles(plot.left(), plot.top() - line * 1.8, plot.width(), line * 1.4);
    const qreal middle = titles.center().y();
    painter.setPen(colours.velocity);
    painter.drawText(titles.adjusted(14, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     u"Velocity [m/min]"_s);
    painter.setPen(colours.position);
    painter.drawText(titles.adjusted(0, 0, -14, 0), Qt::AlignRight | Qt::AlignVCenter,
                     u"Position (1 at the top)"_s);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.velocity);
    painter.drawEllipse(QPointF(titles.left() + 4, middle), 4, 4);
    painter.setBrush(colours.position);
    painter.drawRect(QRectF(titles.right() - 8, middle - 4, 8, 8));
}

void PaintSeries(QPainter& painter, const ChartLayout& layout, const RaceHistoryColours& colours,
                 int highlighted) {
    const size_t count = layout.history.points.size();
    for (const bool velocity : {true, false}) {
        const QColor colour = velocity ? colours.velocity : colours.position;
        QPainterPath path;
        std::vector<QPointF> points;
        for (size_t i = 0; i < count; ++i) {
            const auto point = velocity ? layout.VelocityPoint(i) : layout.PositionPoint(i);
            if (!point)
                continue;
            if (path.elementCount() == 0)
                path.moveTo(*point);
            else
                path.lineTo(*point);
            points.push_back(*point);
        }
        // Dashes tell the position line from the velocity line without its colour.
        painter.setPen(
            QPen(colour, 2, velocity ? Qt::SolidLine : Qt::DashLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        painter.setPen(QPen(colours.background, 1));
        painter.setBrush(colour);
        for (const QPointF& p : points) {
            if (velocity)
                painter.drawEllipse(p, 4, 4);
            else
                painter.drawRect(QRectF(p.x() - 4, p.y() - 4, 8, 8));
        }
    }
    if (highlighted < 0 || size_t(highlighted) >= count)
        return;
    const size_t i = size_t(highlighted);
    const qreal x = layout.X(layout.history.points[i].date);
    painter.setPen(QPen(colours.text, 1, Qt::DotLine));
    painter.drawLine(QPointF(x, layout.plot.top()), QPointF(x, layout.plot.bottom()));
    painter.setPen(QPen(colours.text, 2));
    painter.setBrush(Qt::NoBrush);
    if (const auto p = layout.VelocityPoint(i))
        painter.drawEllipse(*p, 7, 7);
    if (const auto p = layout.PositionPoint(i))
        painter.drawRect(QRectF(p->x() - 7, p->y() - 7, 14, 14));
}

} // namespace

RaceHistoryColours ChartColours(const QPalette& palette) {
    return ColoursOn(palette.color(QPalette::Base), palette.color(QPalette::Text));
}

RaceHistoryColours PrintColours() {
    return ColoursOn(Qt::white, Qt::black);
}

void PaintRaceHistory(QPainter& painter, const QRectF& area, const RaceHistory& history,
                      const RaceHistoryColours& colours, int highlighted) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, colours.background);
    if (history.points.empty()) {
        painter.setPen(colours.text);
        painter.drawText(area, Qt::AlignCenter, u"This pigeon has no race results."_s);
    } else {
        const ChartLayout layout(QFontMetricsF(painter.font()), area, history);
        PaintAxes(painter, layout, colours);
        painter.setClipRect(layout.plot.adjusted(-9, -9, 9, 9));
        PaintSeries(painter, layout, colours, highlighted);
    }
    painter.restore();
}

RaceHistoryChart::RaceHistoryChart(QWidget* parent)
    : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAccessibleName(u"Race history chart"_s);
}

void RaceHistoryChart::SetHistory(RaceHistory history) {
    m_history = std::move(history);
    m_highlighted = -1;
    m_hovered = -1;
    update();
}

void RaceHistoryChart::Highlight(int index) {
    if (index < -1 || index >= int(m_history.points.size()) || index == m_highlighted)
        return;
    m_highlighted = index;
    update();
    Q_EMIT highlightChanged(index);
}

std::optional<QPointF> RaceHistoryChart::VelocityPoint(int index) const {
    if (index < 0 || index >= int(m_history.points.size()))
        return std::nullopt;
    return ChartLayout(QFontMetricsF(font()), rect(), m_history).VelocityPoint(size_t(index));
}

std::optional<QPointF> RaceHistoryChart::PositionPoint(int index) const {
    if (index < 0 || index >= int(m_history.points.size()))
        return std::nullopt;
    return ChartLayout(QFontMetricsF(font()), rect(), m_history).PositionPoint(size_t(index));
}

QSize RaceHistoryChart::sizeHint() const {
    return {760, 360};
}

QSize RaceHistoryChart::minimumSizeHint() const {
    return {360, 200};
}

int RaceHistoryChart::PointAt(const QPointF& position) const {
    if (m_history.points.empty())
        return -1;
    const ChartLayout layout(QFontMetricsF(font()), rect(), m_history);
    int nearest = -1;
    qreal best = kHitRadius * kHitRadius;
    for (size_t i = 0; i < m_history.points.size(); ++i) {
        for (const auto& point : {layout.VelocityPoint(i), layout.PositionPoint(i)}) {
            if (!point)
                continue;
            const QPointF d = *point - position;
            const qreal distance = QPointF::dotProduct(d, d);
            if (distance <= best) {
                best = distance;
                nearest = int(i);
            }
        }
    }
    return nearest;
}

void RaceHistoryChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintRaceHistory(painter, rect(), m_history, ChartColours(palette()), m_highlighted);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void RaceHistoryChart::keyPressEvent(QKeyEvent* event) {
    const int last = int(m_history.points.size()) - 1;
    if (last < 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        Highlight(m_highlighted < 0 ? last : std::max(0, m_highlighted - 1));
        break;
    case Qt::Key_Right:
        Highlight(std::min(last, m_highlighted + 1));
        break;
    case Qt::Key_Home:
        Highlight(0);
        break;
    case Qt::Key_End:
        Highlight(last);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void RaceHistoryChart::mousePressEvent(QMouseEvent* event) {
    const int index = PointAt(event->position());
    if (event->button() == Qt::LeftButton && index >= 0)
        Highlight(index);
    QWidget::mousePressEvent(event);
}

void RaceHistoryChart::mouseMoveEvent(QMouseEvent* event) {
    const int index = PointAt(event->position());
    if (index != m_hovered) {
        m_hovered = index;
        // At once, not after the tooltip delay: a chart is read by moving over it.
        if (index >= 0)
            QToolTip::showText(event->globalPosition().toPoint(),
                               RaceHistoryText(m_history.points[size_t(index)]), this);
        else
            QToolTip::hideText();
    }
    QWidget::mouseMoveEvent(event);
}

void RaceHistoryChart::leaveEvent(QEvent* event) {
    m_hovered = -1;
    QToolTip::hideText();
    QWidget::leaveEvent(event);
}

void RaceHistoryChart::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        update();
    QWidget::changeEvent(event);
}
