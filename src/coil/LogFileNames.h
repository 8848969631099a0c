// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names around the results log's files: the untitled name, the window caption
// and the print job's name built from the file name, the file types of the
// open and save dialogs and the extension a typed name without one receives.

#include <QString>
#include <QStringList>

namespace coil {

// LogFileName while the log has no file.
QString untitledLogName();

// "{coil.rtf} - Bandimor v1.7": the file name without its directory, then
// the application title.
QString logCaption(const QString &logFileName);

// The print job's name, as the print queue lists it and a PDF printer names
// its file: the file name without its directory, and without the caption's
// braces ("coil.rtf", "Безымянный").
QString printJobName(const QString &logFileName);

// The file types as the dialogs list them, "Description|pattern|..." pairs.
QString logFileFilterString();

// The pairs of a "Description|pattern|..." string as Qt name filters; each
// description keeps its text and gets "(pattern)" only if it lacks it.
QStringList qtNameFilters(const QString &filterString);

// The extension of a file type's pattern ("*.RTF" gives "RTF"); for a type
// that takes any name ("*.*") the log's own format, RTF, since a log is
// always written as RTF.
QString extensionOfFilter(const QString &filterString, int filterIndex);

// path with "." and the file type's extension appended when the file name
// has no extension of its own.
QString withDefaultExtension(const QString &path, const QString &filterString, int filterIndex);

} // namespace coil
