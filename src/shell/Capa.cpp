#include "shell/Capa.h"

#include "base/Falha.h"
#include "model/Sistema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

namespace Capa {

TextosCapa Le(Sistema& s) {
    s.NiveisCapa = s.pasta.LeNiveis();
    const auto& l = s.NiveisCapa.Linhas;
    return {l[0], l[1], l[2], l[3], l[4], l[8]};
}

QString LemaAposLinha1(const QString& linha1, const QString& lema) {
    return linha1 == OrganizacaoPadrao ? lema : QStringLiteral(" ");
}

void Grava(Sistema& s, const TextosCapa& textos) {
    Niveis n = s.NiveisCapa;
    for (int i = 0; i < 5; ++i)
        n.Linhas[i] = textos[i];
    // The backup folder in force; the held text when it names the same folder.
    const QString emVigor = s.dm.Pasta(Banco::Backup);
    if (QDir::cleanPath(QDir::fromNativeSeparators(n.Linhas[5])) != QDir::cleanPath(emVigor))
        n.Linhas[5] = QDir::toNativeSeparators(emVigor);
    n.Linhas[8] = textos[5];
    n.Aviso.clear();
    s.pasta.GravaNiveis(n);
    s.NiveisCapa = n;
}

const QStringList& PadroesFoto() {
    static const QStringList padroes = {QStringLiteral("*.bmp"), QStringLiteral("*.png"),
                                        QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")};
    return padroes;
}

QStringList FotosDaPasta(const Sistema& s) {
    return QDir(s.pasta.Pasta())
        .entryList(PadroesFoto(), QDir::Files, QDir::Name | QDir::IgnoreCase);
}

QString CopiaFoto(const Sistema& s, const QString& origem) {
    const QFileInfo info(origem);
    const QString extensao = info.suffix().isEmpty() ? QString() : '.' + info.suffix();
    const QString destino = QDir(s.pasta.Pasta()).filePath(QStringLiteral("ANovaFoto") + extensao);
    const QString temporario = destino + QStringLiteral(".tmp");
    const auto falha = [&](const QString& motivo) {
        QFile::remove(temporario);
        return Falha(
            QStringLiteral("Não foi possível copiar a foto %1 para %2: %3")
                .arg(QDir::toNativeSeparators(origem), QDir::toNativeSeparators(destino), motivo));
    };
    if (!info.isFile())
        throw falha(QStringLiteral("o arquivo não existe."));
    if (info.absoluteFilePath() == QFileInfo(destino).absoluteFilePath())
        return QDir::toNativeSeparators(destino);
    QFile::remove(temporario);
    QFile fonte(origem);
    if (!fonte.copy(temporario))
        throw falha(fonte.errorString());
    // Replaces the earlier copy in one step.
    std::error_code erro;
    std::filesystem::rename(temporario.toStdU16String(), destino.toStdU16String(), erro);
    if (erro)
        throw falha(QString::fromLocal8Bit(erro.message()));
    return QDir::toNativeSeparators(destino);
}

} // namespace Capa
