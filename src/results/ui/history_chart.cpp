#include "results/ui/history_chart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/qt_text.h"

namespace results {
namespace {

using platform::ToQt;

// Levels bottom up: bad or high risk, satisfactory or moderate, good or low risk.
const QColor kLevelColours[3] = {QColor(0xc0, 0x39, 0x2b), QColor(0xd0, 0x8c, 0x10),
                                 QColor(0x2e, 0x8b, 0x57)};
const QColor kLineColour(0x5f, 0x7f, 0x9f);
const QColor kRuleColour(0xd8, 0xe0, 0xe8);

constexpr qreal kPadding = 8;
constexpr qreal kDot = 4.5;

struct Panel {
    QRectF plot;  // where the points stand
    std::vector<qreal> xs;
};

// The title on top and the dates below; the plot between them, from `left` on.
Panel LayOutPanel(QPainter& painter, const QRectF& area, qreal left, const QString& title,
                  const HistoryChart& chart) {
    const QFontMetricsF metrics(painter.font());
    QFont bold = painter.font();
    bold.setBold(true);
    painter.save();
    painter.setFont(bold);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), metrics.height()),
                     Qt::AlignHCenter | Qt::AlignTop, title);
    painter.restore();

    Panel panel;
    const qreal top = area.top() + metrics.height() * 1.6;
    const qreal bottom = area.bottom() - metrics.height() * 1.4;
    panel.plot = QRectF(QPointF(area.left() + left, top), QPointF(area.right() - kPadding, bottom));
    const int runs = static_cast<int>(chart.runs.size());
    // Room half a date wide at both ends, so the outer dates are not cut off.
    const qreal margin = metrics.horizontalAdvance("00.00.00") / 2 + 2;
    const qreal span = std::max<qreal>(0, panel.plot.width() - 2 * margin);
    for (int i = 0; i < runs; ++i) {
        const qreal x = runs == 1 ? panel.plot.center().x()
                                  : panel.plot.left() + margin + span * i / (runs - 1);
        panel.xs.push_back(x);
        const QString date = ToQt(chart.runs[i].date);
        const qreal width = metrics.horizontalAdvance(date) + 4;
        painter.setPen(i + 1 == runs ? Qt::black : QColor(0x40, 0x40, 0x40));
        painter.drawText(QRectF(x - width / 2, bottom + 4, width, metrics.height()),
                         Qt::AlignCenter, date);
    }
    return panel;
}

// A line through the points that have a value, broken where a run has none; the dots on top,
// this run's the largest.
void DrawSeries(QPainter& painter, const std::vector<std::optional<QPointF>>& points,
                const std::vector<QColor>& colours) {
    painter.setPen(QPen(kLineColour, 1.6));
    for (size_t i = 1; i < points.size(); ++i) {
        if (points[i - 1] && points[i]) painter.drawLine(*points[i - 1], *points[i]);
    }
    for (size_t i = 0; i < points.size(); ++i) {
        if (!points[i]) continue;
        const qreal radius = i + 1 == points.size() ? kDot + 1.5 : kDot;
        painter.setPen(QPen(Qt::white, 1.2));
        painter.setBrush(colours[i]);
        painter.drawEllipse(*points[i], radius, radius);
    }
    painter.setBrush(Qt::NoBrush);
}

void DrawRatingPanel(QPainter& painter, const QRectF& area, const HistoryChart& chart) {
    const QFontMetricsF metrics(painter.font());
    qreal captions = 0;
    for (const std::string& level : chart.levels)
        captions = std::max(captions, metrics.horizontalAdvance(ToQt(level)));
    const Panel panel =
        LayOutPanel(painter, area, kPadding + captions + 8, ToQt(chart.ratingTitle), chart);
    const auto levelY = [&](int level) {
        return panel.plot.bottom() - panel.plot.height() * (0.12 + 0.38 * level);
    };
    for (int level = 0; level < 3; ++level) {
        const qreal y = levelY(level);
        painter.setPen(QPen(kRuleColour, 1));
        painter.drawLine(QPointF(panel.plot.left(), y), QPointF(panel.plot.right(), y));
        painter.setPen(kLevelColours[level].darker(125));
        painter.drawText(
            QRectF(area.left() + kPadding, y - metrics.height() / 2, captions, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, ToQt(chart.levels[level]));
    }
    std::vector<std::optional<QPointF>> points;
    std::vector<QColor> colours;
    for (size_t i = 0; i < chart.runs.size(); ++i) {
        const int level = chart.runs[i].level;
        points.push_back(level < 0 ? std::nullopt
                                   : std::optional<QPointF>(QPointF(panel.xs[i], levelY(level))));
        colours.push_back(level < 0 ? QColor() : kLevelColours[level]);
    }
    DrawSeries(painter, points, colours);
}

void DrawBodyMassPanel(QPainter& painter, const QRectF& area, const HistoryChart& chart) {
    const QFontMetricsF metrics(painter.font());
    const Panel panel = LayOutPanel(painter, area, kPadding, ToQt(chart.bodyMassTitle), chart);
    float low = 1e9f, high = 0.0f;
    for (const HistoryChart::Run& run : chart.runs) {
        if (run.bodyMassIndex <= 0.0f) continue;
        low = std::min(low, run.bodyMassIndex);
        high = std::max(high, run.bodyMassIndex);
    }
    // At least two units between the lowest and the highest point, so that a change of a tenth
    // does not look like a leap; the value stands above its point.
    const float middle = (low + high) / 2;
    const float half = std::max(1.0f, (high - low) / 2);
    const qreal top = panel.plot.top() + metrics.height() + 2;
    const qreal bottom = panel.plot.bottom() - kDot - 2;
    const auto indexY = [&](float index) {
        return bottom - (bottom - top) * ((index - (middle - half)) / (2 * half));
    };
    painter.setPen(QPen(kRuleColour, 1));
    painter.drawLine(panel.plot.bottomLeft(), panel.plot.bottomRight());
    std::vector<std::optional<QPointF>> points;
    for (size_t i = 0; i < chart.runs.size(); ++i) {
        const float index = chart.runs[i].bodyMassIndex;
        points.push_back(index > 0.0f ? std::optional<QPointF>(QPointF(panel.xs[i], indexY(index)))
                                      : std::nullopt);
    }
    DrawSeries(painter, points, std::vector<QColor>(points.size(), kLineColour));
    painter.setPen(Qt::black);
    for (size_t i = 0; i < points.size(); ++i) {
        if (!points[i]) continue;
        const QString value = ToQt(BodyMassIndexText(chart.runs[i].bodyMassIndex));
        const qreal width = metrics.horizontalAdvance(value) + 4;
        painter.drawText(
            QRectF(points[i]->x() - width / 2, points[i]->y() - kDot - 2 - metrics.height(), width,
                   metrics.height()),
            Qt::AlignCenter, value);
    }
}

bool HasBodyMass(const HistoryChart& chart) {
    return std::any_of(chart.runs.begin(), chart.runs.end(),
                       [](const HistoryChart::Run& run) { return run.bodyMassIndex > 0.0f; });
}

}  // namespace

void DrawHistoryChart(QPainter& painter, const QRectF& area, const HistoryChart& chart,
                      const QFont& font) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
    painter.fillRect(area, Qt::white);
    painter.setPen(QPen(kLineColour, 1));
    painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
    const QRectF inner = area.adjusted(kPadding, kPadding, -kPadding, -kPadding);
    if (HasBodyMass(chart)) {
        const qreal split = inner.left() + inner.width() * 0.55;
        DrawRatingPanel(painter, QRectF(inner.topLeft(), QPointF(split, inner.bottom())), chart);
        painter.setPen(QPen(kRuleColour, 1));
        painter.drawLine(QPointF(split, inner.top()), QPointF(split, inner.bottom()));
        DrawBodyMassPanel(painter, QRectF(QPointF(split, inner.top()), inner.bottomRight()), chart);
    } else {
        DrawRatingPanel(painter, inner, chart);
    }
    painter.restore();
}

HistoryChartView::HistoryChartView(QWidget* parent) : QWidget(parent) {
    setObjectName("HistoryChart");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    hide();
}

void HistoryChartView::SetChart(HistoryChart chart) {
    chart_ = std::move(chart);
    setAccessibleName(ToQt(chart_.ratingTitle + ", " + chart_.bodyMassTitle));
    setAccessibleDescription(ToQt(ChartSummary(chart_)));
    setVisible(chart_.Shown());
    update();
}

QSize HistoryChartView::sizeHint() const {
    const QFontMetrics metrics(font());
    return {640, metrics.height() * 9};
}

void HistoryChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawHistoryChart(painter, QRectF(rect()), chart_, font());
}

}  // namespace results
