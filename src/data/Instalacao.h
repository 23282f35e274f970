#pragma once

#include "base/Data.h"

#include <QString>

// Installation defaults: a new data folder receives the templates, the working
// text files, the pictures and the empty tables.
namespace Instalacao {

// True when the folder does not exist yet or holds nothing.
bool PastaNova(const QString& pasta);
// Creates the folder and everything an installation carries, the database with
// its empty tables included. The last roster date and the roster period start
// as the day before hoje.
void InstalaPastaDados(const QString& pasta, Data hoje);
// "<pasta>/Espelho": the default backup folder.
QString PastaBackupPadrao(const QString& pasta);

} // namespace Instalacao
