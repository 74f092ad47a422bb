#include "report/ui/report_file.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextImageFormat>

#include "docs/ui/rtf_builder.h"
#include "platform/qt_text.h"
#include "results/ui/history_chart.h"
#include "users/file_replace.h"
#include "users/ini_file.h"

namespace report {
namespace {

using platform::ToQt;

// The chart's size in the document's pixels (96 to the inch): the width of the text on an A4
// page; drawn at three times that, so that it stays sharp on paper.
constexpr int kChartWidth = 620;
constexpr int kChartHeight = 190;
constexpr int kChartScale = 3;

QImage ChartPicture(const results::HistoryChart& chart) {
    QImage picture(kChartWidth * kChartScale, kChartHeight * kChartScale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(kChartScale);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    results::DrawHistoryChart(painter, QRectF(0, 0, kChartWidth, kChartHeight), chart, font);
    return picture;
}

}  // namespace

void BuildReportDocument(const RunReport& report, QTextDocument& document) {
    const ReportDocument composed = ComposeReport(report);
    docs::BuildTextDocument(composed.beforeChart, document);
    if (composed.chart) {
        const QString name = QStringLiteral("zorvek://history-chart");
        document.addResource(QTextDocument::ImageResource, QUrl(name), ChartPicture(report.chart));
        QTextCursor cursor(&document);
        cursor.movePosition(QTextCursor::End);
        cursor.insertBlock();
        QTextImageFormat picture;
        picture.setName(name);
        picture.setWidth(kChartWidth);
        picture.setHeight(kChartHeight);
        cursor.insertImage(picture);
    }
    docs::AppendToTextDocument(composed.afterChart, document);
    // One plain face for the whole report; the plan keeps a face its document names.
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    document.setMetaInformation(QTextDocument::DocumentTitle, ToQt(ReportText("Title")));
}

std::string WriteReportPdf(const RunReport& report, const std::filesystem::path& file) {
    QTextDocument document;
    BuildReportDocument(report, document);
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(20, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(ToQt(ReportText("Title")));
        writer.setCreator(QStringLiteral("Зорвек"));
        // The document is laid out on the page's printable area in its own pixels (96 to the
        // inch) with no margins of its own: the page's margins are the only ones.
        const QRectF area = writer.pageLayout().paintRect(QPageLayout::Point);
        document.setPageSize(area.size() * (96.0 / 72.0));
        QTextFrameFormat frame = document.rootFrame()->frameFormat();
        frame.setMargin(0);
        document.rootFrame()->setFrameFormat(frame);
        document.print(&writer);
    }
    const QByteArray& bytes = pdf.data();
    const users::ReplaceResult written = users::ReplaceFileContent(
        file, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    return written.ok() ? "" : users::SystemErrorReason(written.error);
}

void SaveReport(platform::AppContext& context) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    const QString suggested = QDir(folder).filePath(ToQt(ReportFileName(context.report)));
    const std::string chosen = context.files.SaveFileName(
        ReportText("SaveTitle"), platform::FromQt(suggested), ReportText("SaveFilter"), "pdf");
    if (chosen.empty()) return;
    const std::string reason = WriteReportPdf(context.report, chosen);
    if (reason.empty()) {
        context.messages.Show(SavedMessage(chosen));
        return;
    }
    context.messages.Show(NotSavedMessage(chosen, reason), platform::MessageBox::Buttons::Ok,
                          platform::MessageBox::Icon::Warning);
}

}  // namespace report
