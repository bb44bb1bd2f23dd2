#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

namespace daz::datagen {

// Writes lines as UTF-8 text, each ended by eol ("\r\n" for the files the
// game reads with its INI reader).
void WriteLines(const QString& path, const QStringList& lines, const char* eol);

// Empties dir (creating it when needed), so that no file of an earlier
// run survives.
void RecreateDir(const QDir& dir);
void MakeDir(const QDir& dir);

} // namespace daz::datagen
