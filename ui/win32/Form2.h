#pragma once

#include "ui/win32/ControlSet.h"
#include "ui/win32/Window.h"

#include <memory>

struct IPicture;

namespace tarvolin {

// The About window: the emblem, the product and version, the author's
// address and the note that the program is free to use and pass on. A fixed
// border with the system menu and the close box, no owner, no behaviour of
// its own; closing it destroys it. Nothing in it takes the focus.
class Form2 : public Window<Form2>
{
public:
    // Creates the window from its layout, hidden; WindowServices::showWindow
    // shows it.
    Form2();
    ~Form2();

    // The window's controls; only while the window exists.
    const ControlSet& controls() const { return *m_controls; }

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void onDrawItem(const DRAWITEMSTRUCT& item);

    std::unique_ptr<ControlSet> m_controls;
    struct Release
    {
        void operator()(IPicture* picture) const;
    };
    std::unique_ptr<IPicture, Release> m_emblem;
};

} // namespace tarvolin
