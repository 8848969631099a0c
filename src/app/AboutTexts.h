#pragma once
// The about box's own texts and the address of the mail link.

#include <QString>
#include <QUrl>

namespace app::about {

QString signature();          // "Bandimor project"
QString boxCaption();         // the signature framed by "* * *" on each side
QString versionCaption();     // "Bandimor v 1.7", the frame's caption
QString buttonCaption();      // "Так и есть"
QString greeting();           // the one-line greeting under the frame
QString originLine();         // the short line about where the program comes from
QString mailAddress();        // shown by the link and used in the letter;
                              // short enough for the link's 128 pixels

// The address handed to the shell: "mailto: " (with its blank), the
// address, "?subject=Замечания по Bandimor v 1.7". Decoded, the URL gives
// that text back unchanged; the blanks and Cyrillic letters travel
// percent-encoded as UTF-8, which mail programs decode.
QUrl mailtoUrl(const QString &address);

} // namespace app::about
