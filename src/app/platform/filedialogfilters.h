#pragma once
// Name filters of every file dialog, built from lists of extensions (the
// format table's rows) so that what a dialog shows and what it matches can
// never drift apart. Every pattern comes in both letter cases, since file
// systems on Linux tell them apart.

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "formats/fontformats.h"

struct TFileFilterRow {
    QString Description;    // "BDF fonts"
    QStringList Extensions; // lower case with dot: ".psf.gz"
};

// "BDF fonts (*.bdf) (*.bdf *.BDF)": the shown extensions, then the patterns.
QString FileFilter(const TFileFilterRow& row);
// "All fonts that can be imported (*.bdf *.BDF ...)": the patterns of every
// row under one caption, without a shown list.
QString CombinedFileFilter(const QString& caption, const std::vector<TFileFilterRow>& rows);
// The rows of the format table's groups (or-ed TFormatGroup) that can be
// read (writing false) or written.
std::vector<TFileFilterRow> FormatFilterRows(bool writing, unsigned groups);
// The patterns of a row in both letter cases: "*.bdf *.BDF".
QStringList FilePatterns(const TFileFilterRow& row);
