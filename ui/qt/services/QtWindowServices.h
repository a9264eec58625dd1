#pragma once

#include "ui/qt/services/WindowServices.h"

namespace tarvolin {

class QtWindowServices : public WindowServices
{
public:
    void showNotice(QWidget* owner, const QString& text) override;
    void pumpEvents() override;
    void endProgram() override;
    void showWindow(QWidget* window) override;
};

} // namespace tarvolin
