#pragma once

#include <windows.h>

namespace tarvolin {

// The per-monitor resolution functions of newer Windows, looked up at run
// time so that the program starts on Windows 7 SP1, each with the fallback
// an older system offers.
namespace DpiFunctions {

// The window's dots per inch: GetDpiForWindow (Windows 10 1607), the
// window's monitor from GetDpiForMonitor (8.1), else the screen's
// GetDeviceCaps(LOGPIXELSY).
int forWindow(HWND window);

// Grows a client rectangle r to the window rectangle for style and
// extendedStyle at dpi: AdjustWindowRectExForDpi, else AdjustWindowRectEx.
void adjustWindowRect(RECT& r, DWORD style, DWORD extendedStyle, int dpi);

// The system's fonts and metrics at dpi: SystemParametersInfoForDpi,
// else SystemParametersInfoW with the message font's height scaled from
// the screen's resolution to dpi.
NONCLIENTMETRICSW nonClientMetrics(int dpi);

// Lets the system scale the window's title bar and borders with its
// monitor where only the first per-monitor mode is on (Windows 10 1607;
// later systems do it on their own). Called on WM_NCCREATE.
void scaleNonClientArea(HWND window);

// The screen's dots per inch, which the system's own metrics are for.
int screenDpi();

// For tests: while missing is true every newer function reports itself
// missing, as on Windows 7, and the fallbacks answer.
void pretendMissing(bool missing);

} // namespace DpiFunctions

} // namespace tarvolin
