#include "data/ArquivoTexto.h"

#include "base/Falha.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString Nome(const QString& caminho) {
    return QFileInfo(caminho).fileName();
}

QByteArray LeBytes(const QString& caminho) {
    QFile arquivo(caminho);
    if (!arquivo.exists())
        throw Falha(QStringLiteral("Arquivo não encontrado: %1\n(%2)").arg(Nome(caminho), caminho));
    if (!arquivo.open(QIODevice::ReadOnly))
        throw Falha(QStringLiteral("Não foi possível ler o arquivo %1: %2")
                        .arg(Nome(caminho), arquivo.errorString()));
    QByteArray bytes = arquivo.readAll();
    if (arquivo.error() != QFileDevice::NoError)
        throw Falha(QStringLiteral("Não foi possível ler o arquivo %1: %2")
                        .arg(Nome(caminho), arquivo.errorString()));
    return bytes;
}

Falha ErroGravacao(const QSaveFile& arquivo) {
    return Falha(QStringLiteral("Não foi possível gravar o arquivo %1: %2")
                     .arg(Nome(arquivo.fileName()), arquivo.errorString()));
}

} // namespace

namespace ArquivoTexto {

std::unique_ptr<QSaveFile> Prepara(const QString& caminho, const QByteArray& bytes) {
    auto arquivo = std::make_unique<QSaveFile>(caminho);
    if (!arquivo->open(QIODevice::WriteOnly))
        throw ErroGravacao(*arquivo);
    if (arquivo->write(bytes) != bytes.size() || !arquivo->flush())
        throw ErroGravacao(*arquivo);
    return arquivo;
}

void Conclui(QSaveFile& arquivo) {
    if (!arquivo.commit())
        throw ErroGravacao(arquivo);
}

void GravaBytes(const QString& caminho, const QByteArray& bytes) {
    Conclui(*Prepara(caminho, bytes));
}

QByteArray Codifica(const QStringList& linhas) {
    QByteArray bytes;
    for (const QString& linha : linhas) {
        bytes += linha.toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}

QStringList LeLinhas(const QString& caminho) {
    const QString texto = QString::fromLatin1(LeBytes(caminho));
    QStringList linhas = texto.split(QLatin1Char('\n'));
    // The terminator of the last line leaves an empty piece behind it.
    if (!linhas.isEmpty() && linhas.last().isEmpty())
        linhas.removeLast();
    for (QString& linha : linhas)
        if (linha.endsWith(QLatin1Char('\r')))
            linha.chop(1);
    return linhas;
}

void GravaLinhas(const QString& caminho, const QStringList& linhas) {
    GravaBytes(caminho, Codifica(linhas));
}

void Copia(const QString& origem, const QString& destino) {
    GravaBytes(destino, LeBytes(origem));
}

} // namespace ArquivoTexto
