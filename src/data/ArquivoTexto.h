#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

class QSaveFile;

// Text files of the data folder: read and written whole, one value per line,
// ISO-8859-1 with CR LF line ends (CR LF or LF accepted on reading). A write
// replaces the file atomically. Every failure throws Falha with a Portuguese
// message that names the file.
namespace ArquivoTexto {

QStringList LeLinhas(const QString& caminho);
void GravaLinhas(const QString& caminho, const QStringList& linhas);
// The bytes of a file holding these lines.
QByteArray Codifica(const QStringList& linhas);

// A write in two steps: Prepara writes the bytes beside the file and flushes
// them (so that a full disk shows here); Conclui puts them in place of the file.
// A prepared write that is dropped leaves the file as it was.
std::unique_ptr<QSaveFile> Prepara(const QString& caminho, const QByteArray& bytes);
void Conclui(QSaveFile& arquivo);
void GravaBytes(const QString& caminho, const QByteArray& bytes);
// Creates (or empties) the destination and copies the source byte for byte.
void Copia(const QString& origem, const QString& destino);

} // namespace ArquivoTexto
