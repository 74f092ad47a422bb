#pragma once
// The history chart below a results grid: the overall rating of each run on three levels and the
// body-mass index beside it, oldest run on the left. The same drawing goes into the report.
#include <QWidget>

#include "results/results_page.h"

class QPainter;

namespace results {

// Draws chart into area with font: the rating panel, and the body-mass panel when at least one
// run has an index.
void DrawHistoryChart(QPainter& painter, const QRectF& area, const HistoryChart& chart,
                      const QFont& font);

class HistoryChartView : public QWidget {
  public:
    explicit HistoryChartView(QWidget* parent);
    // Shows the chart when it is worth drawing, and hides the view otherwise.
    void SetChart(HistoryChart chart);
    const HistoryChart& chart() const { return chart_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    HistoryChart chart_;
};

}  // namespace results
