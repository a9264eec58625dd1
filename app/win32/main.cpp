// Start-up of the Windows program: create the main window from its layout,
// run its load handler, show it with the focus on the start button, choose
// the file named on the command line (a file dragged onto the program or its
// shortcut, "Send To"), and hand over to the message loop. The program ends from the main window
// (its close button or its closing), never by returning from here in ordinary use.

#include "ui/win32/Form1.h"
#include "ui/win32/services/Win32WindowServices.h"

#include <windows.h>

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    // A drive without a medium fails its calls instead of asking the user.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    const INITCOMMONCONTROLSEX controls = {sizeof controls,
                                           ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    tarvolin::Win32WindowServices services;
    tarvolin::Form1 form(services);
    form.show();
    // The arguments as the UTF-16 command line holds them, long paths too.
    form.chooseHanded(tarvolin::Form1::commandLineNames(GetCommandLineW()));
    return services.run();
}
