#include "ui/win32/TaskbarProgress.h"

#include <shobjidl.h>

namespace tarvolin {

TaskbarProgress::~TaskbarProgress()
{
    if (m_list != nullptr)
        m_list->Release();
}

ITaskbarList3* TaskbarProgress::list()
{
    if (!m_looked) {
        m_looked = true;
        // S_FALSE or a different threading model: COM is usable all the same.
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_ITaskbarList3, reinterpret_cast<void**>(&m_list))))
            m_list = nullptr;
        else if (FAILED(m_list->HrInit())) {
            m_list->Release();
            m_list = nullptr;
        }
    }
    return m_list;
}

void TaskbarProgress::show(double share, bool failed)
{
    constexpr ULONGLONG whole = 10000;
    if (ITaskbarList3* taskbar = list()) {
        taskbar->SetProgressState(m_window, failed ? TBPF_ERROR : TBPF_NORMAL);
        taskbar->SetProgressValue(m_window, static_cast<ULONGLONG>(share * whole), whole);
    }
}

void TaskbarProgress::clear()
{
    if (ITaskbarList3* taskbar = list())
        taskbar->SetProgressState(m_window, TBPF_NOPROGRESS);
}

} // namespace tarvolin
