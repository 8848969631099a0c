// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's bitmaps (splash.bmp, Images/*.bmp) into the folder
// given as the first argument, and, given a second one, the application icon
// for the desktop into that hicolor theme folder (NxN/apps/bandimor.png).
// With "--help-pictures <folder>" it writes the coil drawings of the help
// pages instead, with "--windows-icon <file>" the icon of the Windows
// program. Run at build time on the offscreen platform.

#include "pictures/PictureFiles.h"
#include "pictures/WindowsIcon.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // Text on the pictures needs the fonts of a GUI application.
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    QTextStream err(stderr);
    if (arguments.size() != 2 && arguments.size() != 3) {
        err << "usage: bandimor_makepictures <output folder> [<hicolor icon folder>]\n"
               "       bandimor_makepictures --help-pictures <folder>\n"
               "       bandimor_makepictures --windows-icon <file>\n";
        return 2;
    }
    QString error;
    const bool helpPictures = arguments.at(1) == QLatin1String("--help-pictures");
    const bool windowsIcon = arguments.at(1) == QLatin1String("--windows-icon");
    if (helpPictures || windowsIcon) {
        const bool written = arguments.size() == 3
            && (helpPictures ? pictures::writeHelpPictures(arguments.at(2), &error)
                             : pictures::writeWindowsIcon(arguments.at(2), &error));
        if (!written) {
            err << "bandimor_makepictures: " << (error.isEmpty() ? QStringLiteral("no path given") : error)
                << '\n';
            return 1;
        }
        return 0;
    }
    if (!pictures::writePictureFiles(arguments.at(1), &error)
        || (arguments.size() == 3 && !pictures::writeDesktopIcons(arguments.at(2), &error))) {
        err << "bandimor_makepictures: " << error << '\n';
        return 1;
    }
    return 0;
}
