#include "app/CreditsText.h"

namespace app::credits {

QList<CreditsLine> creditsLines()
{
    const auto body = [](const QString &text) { return CreditsLine{text, false}; };
    return {
        {QStringLiteral("Credits &&"), true},
        body(QStringLiteral("Программа для радиолюбителей. ")),
        body(QStringLiteral("Позволяет узнать всё о миниатюрном ")),
        body(QStringLiteral("резисторе по его цветовой маркировке ")),
        body(QStringLiteral("и наоборот в соответсвие с ")),
        body(QStringLiteral("ГОСТ 175-72 и публикацией 62 МЭК. ")),
        body(QStringLiteral("Незаконное распространение ")),
        body(QStringLiteral("приветствуется.")),
        body(QString()),
        body(QStringLiteral("Это был комментарий к первой версии.")),
        body(QStringLiteral("Теперь же она может рассчитывать")),
        body(QStringLiteral("различные параметры катушек ")),
        body(QStringLiteral("и резонансных контуров, сохранять ")),
        body(QStringLiteral("результат работы в файл ")),
        body(QString(27, QLatin1Char(' ')) + QStringLiteral("и многое другое...")),
        body(QString()),
        // The second section has no header.
        body(QStringLiteral("Bandimor project, 2026")),
        body(QStringLiteral("73! Привет всем радиолюбителям!")),
    };
}

} // namespace app::credits
