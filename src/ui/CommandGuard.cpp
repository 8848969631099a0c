// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CommandGuard.h"

#include "base/AppError.h"
#include "base/AppInfo.h"
#include "ui/Dialogs.h"

namespace ui {

void showGeneralError(QWidget *parent, const QString &text)
{
    MessageRequest request;
    request.text = base::errorBoxText(text);
    request.caption = base::applicationTitle();
    request.icon = Icon::Error;
    request.buttons = Buttons::Ok;
    dialogs().message(parent, request);
}

bool runCommand(QWidget *parent, const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (const CommandAborted &) {
        return false;
    } catch (const AppError &error) {
        showGeneralError(parent, error.text());
    } catch (const std::exception &error) {
        showGeneralError(parent, QString::fromLocal8Bit(error.what()));
    }
    return false;
}

} // namespace ui
