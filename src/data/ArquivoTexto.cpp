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

void GravaBytes(const QString& caminho, const QByteArray& bytes) {
    QSaveFile arquivo(caminho);
    const auto erro = [&] {
        return Falha(QStringLiteral("Não foi possível gravar o arquivo %1: %2")
                         .arg(Nome(caminho), arquivo.errorString()));
    };
    if (!arquivo.open(QIODevice::WriteOnly))
        throw erro();
    if (arquivo.write(bytes) != bytes.size())
        throw erro();
    if (!arquivo.commit())
        throw erro();
}

} // namespace

namespace ArquivoTexto {

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
    QByteArray bytes;
    for (const QString& linha : linhas) {
        bytes += linha.toLatin1();
        bytes += "\r\n";
    }
    GravaBytes(caminho, bytes);
}

void Copia(const QString& origem, const QString& destino) {
    GravaBytes(destino, LeBytes(origem));
}

} // namespace ArquivoTexto
