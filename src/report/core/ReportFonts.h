// The font families the windows and the page templates name, mapped once to
// installed families with the same or very close metrics.
#pragma once

namespace ReportFonts {

void install();

} // namespace ReportFonts
