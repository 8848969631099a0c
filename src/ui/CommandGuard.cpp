#include "ui/CommandGuard.h"

#include "app/AppError.h"
#include "app/AppInfo.h"
#include "ui/Dialogs.h"

namespace ui {

void showGeneralError(QWidget *parent, const QString &text)
{
    MessageRequest request;
    request.text = app::errorBoxText(text);
    request.caption = app::applicationTitle();
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
