#include "ui/win32/services/DpiFunctions.h"

namespace tarvolin {

namespace {

bool missingPretended = false;

// The function name in dll, or null where the system lacks it. Each is
// looked up once, when first asked for.
template <typename Function> Function lookUp(const wchar_t* dll, const char* name)
{
    HMODULE module = GetModuleHandleW(dll);
    if (module == nullptr)
        module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module == nullptr)
        return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// function, or null while the tests pretend it missing.
template <typename Function> Function usable(Function function)
{
    return missingPretended ? nullptr : function;
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using EnableNonClientDpiScalingFunction = BOOL(WINAPI*)(HWND);
using SystemParametersInfoForDpiFunction = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);

constexpr int effectiveDpi = 0; // MDT_EFFECTIVE_DPI

} // namespace

int DpiFunctions::forWindow(HWND window)
{
    static const auto getDpiForWindow =
        lookUp<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
    static const auto getDpiForMonitor =
        lookUp<GetDpiForMonitorFunction>(L"shcore.dll", "GetDpiForMonitor");
    if (const auto function = usable(getDpiForWindow))
        return static_cast<int>(function(window));
    if (const auto function = usable(getDpiForMonitor)) {
        UINT x = 0, y = 0;
        if (SUCCEEDED(function(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), effectiveDpi,
                               &x, &y)) &&
            y > 0)
            return static_cast<int>(y);
    }
    return screenDpi();
}

void DpiFunctions::adjustWindowRect(RECT& r, DWORD style, DWORD extendedStyle, int dpi)
{
    static const auto adjustWindowRectExForDpi =
        lookUp<AdjustWindowRectExForDpiFunction>(L"user32.dll", "AdjustWindowRectExForDpi");
    if (const auto function = usable(adjustWindowRectExForDpi))
        function(&r, style, FALSE, extendedStyle, static_cast<UINT>(dpi));
    else
        AdjustWindowRectEx(&r, style, FALSE, extendedStyle);
}

NONCLIENTMETRICSW DpiFunctions::nonClientMetrics(int dpi)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    static const auto systemParametersInfoForDpi =
        lookUp<SystemParametersInfoForDpiFunction>(L"user32.dll", "SystemParametersInfoForDpi");
    if (const auto function = usable(systemParametersInfoForDpi)) {
        if (function(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)))
            return metrics;
    }
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, screenDpi());
    return metrics;
}

void DpiFunctions::scaleNonClientArea(HWND window)
{
    static const auto enableNonClientDpiScaling =
        lookUp<EnableNonClientDpiScalingFunction>(L"user32.dll", "EnableNonClientDpiScaling");
    if (const auto function = usable(enableNonClientDpiScaling))
        function(window);
}

int DpiFunctions::screenDpi()
{
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

void DpiFunctions::pretendMissing(bool missing)
{
    missingPretended = missing;
}

} // namespace tarvolin
