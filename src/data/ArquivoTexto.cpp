#include "data/ArquivoTexto.h"

#include "base/Falha.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>

namespace {

QString Nome(const QString& caminho) {
    return QFileInfo(caminho).fileName();
}

bool DiscoCheio(const QSaveFile& arquivo) {
    const QString erro = arquivo.errorString();
    return erro == qt_error_string(ENOSPC) || erro == qt_error_string(EDQUOT);
}

// The file itself is untouched: a QSaveFile that is not committed goes away.
Falha ErroGravacao(const QSaveFile& arquivo) {
    if (DiscoCheio(arquivo))
        return Falha(QStringLiteral("Não foi possível gravar o arquivo %1: disco cheio.\n"
                                    "O arquivo ficou como estava. Libere espaço no disco e "
                                    "repita a operação.")
                         .arg(Nome(arquivo.fileName())));
    return Falha(QStringLiteral("Não foi possível gravar o arquivo %1: %2\n"
                                "O arquivo ficou como estava.")
                     .arg(Nome(arquivo.fileName()), arquivo.errorString()));
}

QStringList Divide(const QString& texto, const QString& caminho) {
    QStringList linhas = texto.split(QLatin1Char('\n'));
    // The terminator of the last line leaves an empty piece behind it.
    if (!linhas.isEmpty() && linhas.last().isEmpty())
        linhas.removeLast();
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        QString& linha = linhas[i];
        if (linha.endsWith(QLatin1Char('\r')))
            linha.chop(1);
        if (linha.size() > ArquivoTexto::MaxCaracteresLinha)
            throw Falha(QStringLiteral("O arquivo %1 está danificado: a linha %2 tem %3 "
                                       "caracteres (no máximo %4).\n(%5)")
                            .arg(Nome(caminho))
                            .arg(i + 1)
                            .arg(linha.size())
                            .arg(ArquivoTexto::MaxCaracteresLinha)
                            .arg(caminho));
    }
    return linhas;
}

} // namespace

namespace ArquivoTexto {

std::unique_ptr<QSaveFile> Prepara(const QString& caminho, const QByteArray& bytes,
                                   const AbreGravacao& abre) {
    auto arquivo = abre ? abre(caminho) : std::make_unique<QSaveFile>(caminho);
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

void GravaBytes(const QString& caminho, const QByteArray& bytes, const AbreGravacao& abre) {
    Conclui(*Prepara(caminho, bytes, abre));
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
    return Divide(QString::fromLatin1(LeBytes(caminho)), caminho);
}

QStringList LeLinhas(const QString& caminho, bool& utf8) {
    const QByteArray bytes = LeBytes(caminho);
    utf8 = false;
    // Bytes above 127 that form valid UTF-8 sequences are not ISO-8859-1 text
    // by any likelihood (an accented letter followed by a plain one is not UTF-8).
    if (std::any_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) != 0; })) {
        QStringDecoder decodificador(QStringDecoder::Utf8);
        const QString texto = decodificador(bytes);
        if (!decodificador.hasError()) {
            utf8 = true;
            return Divide(texto, caminho);
        }
    }
    return Divide(QString::fromLatin1(bytes), caminho);
}

void GravaLinhas(const QString& caminho, const QStringList& linhas, const AbreGravacao& abre) {
    GravaBytes(caminho, Codifica(linhas), abre);
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

void Copia(const QString& origem, const QString& destino, const AbreGravacao& abre) {
    GravaBytes(destino, LeBytes(origem), abre);
}

} // namespace ArquivoTexto
