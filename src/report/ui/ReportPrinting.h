// Prepared report pages on a real printer: the page set-up that makes the
// page origin the paper's corner, and the printing of the pages honouring
// the printer's page range and copies. Kept out of the report engine so that
// the engine needs nothing but QtGui.
#pragma once

class QPrinter;
class Report;

namespace ReportPrinting {

// Sets the printer's paper, orientation and full-page mode to the
// template's.
void applyPageLayout(const Report& report, QPrinter* printer);

// Prints the prepared pages on a printer already set up (by a dialog or by
// the caller), honouring its page range. False when the printer cannot be
// started.
bool printTo(const Report& report, QPrinter* printer);

} // namespace ReportPrinting
