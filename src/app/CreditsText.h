#pragma once
// The text of the scrolling credits, line by line, as it is drawn.

#include <QList>
#include <QString>

namespace app::credits {

struct CreditsLine
{
    QString text;      // drawn as it stands: no access keys, blanks kept
    bool isHeader = false;
};

QList<CreditsLine> creditsLines();

} // namespace app::credits
