#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QSaveFile;

// Text files of the data folder: read and written whole, one value per line,
// ISO-8859-1 with CR LF line ends (CR LF or LF accepted on reading). A write
// replaces the file atomically. Every failure throws Falha with a Portuguese
// message that names the file.
namespace ArquivoTexto {

// The longest line a file of the data folder may hold.
constexpr int MaxCaracteresLinha = 4096;

// The file object a write goes through; empty for a QSaveFile on the disk.
using AbreGravacao = std::function<std::unique_ptr<QSaveFile>(const QString& caminho)>;

// A line longer than MaxCaracteresLinha throws Falha naming the file and line.
QStringList LeLinhas(const QString& caminho);
// As LeLinhas; a file that holds UTF-8 text (not ISO-8859-1) is read as UTF-8
// and utf8 set, so that the caller can warn.
QStringList LeLinhas(const QString& caminho, bool& utf8);
void GravaLinhas(const QString& caminho, const QStringList& linhas, const AbreGravacao& abre = {});
// The bytes of a file holding these lines.
QByteArray Codifica(const QStringList& linhas);

// A write in two steps: Prepara writes the bytes beside the file and flushes
// them (so that a full disk shows here); Conclui puts them in place of the file.
// Every step is checked: open, write, flush, commit. A prepared write that fails
// or is dropped leaves the file as it was.
std::unique_ptr<QSaveFile> Prepara(const QString& caminho, const QByteArray& bytes,
                                   const AbreGravacao& abre = {});
void Conclui(QSaveFile& arquivo);
void GravaBytes(const QString& caminho, const QByteArray& bytes, const AbreGravacao& abre = {});
// The bytes of a file, read whole.
QByteArray LeBytes(const QString& caminho);
// Creates (or empties) the destination and copies the source byte for byte.
void Copia(const QString& origem, const QString& destino, const AbreGravacao& abre = {});

} // namespace ArquivoTexto
