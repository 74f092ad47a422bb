#pragma once
// The report of the run as a PDF file: composed from what the screens of the run showed, laid out
// as a document (not as pictures of the screens) with the history chart drawn in.
#include <filesystem>
#include <string>

#include "platform/app_context.h"
#include "report/run_report.h"

class QTextDocument;

namespace report {

// Lays the report out in document: the text, with the chart as a picture below the grid.
void BuildReportDocument(const RunReport& report, QTextDocument& document);

// Writes the report as a PDF file in one step: the file either holds the whole report or is left
// as it was. The reason in words for the user when it could not be written; "" on success.
std::string WriteReportPdf(const RunReport& report, const std::filesystem::path& file);

// «СОХРАНИТЬ ОТЧЕТ»: asks where to save the report (its suggested name in the user's documents
// folder), writes it and tells the user where it is, or why it could not be written.
void SaveReport(platform::AppContext& context);

}  // namespace report
