#pragma once

#include <QString>
#include <QStringList>

// Text files of the data folder: read and written whole, one value per line,
// ISO-8859-1 with CR LF line ends (CR LF or LF accepted on reading). A write
// replaces the file atomically. Every failure throws Falha with a Portuguese
// message that names the file.
namespace ArquivoTexto {

QStringList LeLinhas(const QString& caminho);
void GravaLinhas(const QString& caminho, const QStringList& linhas);
// Creates (or empties) the destination and copies the source byte for byte.
void Copia(const QString& origem, const QString& destino);

} // namespace ArquivoTexto
