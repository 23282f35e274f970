#include "data/Instalacao.h"

#include "base/Falha.h"
#include "base/Relogio.h"
#include "data/ArquivoTexto.h"
#include "data/DMGeral.h"
#include "data/PastaDados.h"

#include <QDir>
#include <QFile>

// Outside any namespace, as the resource macro requires.
static void IniciaRecursos() {
    Q_INIT_RESOURCE(resources);
}

namespace {

QByteArray Recurso(const QString& nome) {
    IniciaRecursos();
    QFile f(QStringLiteral(":/instalacao/") + nome);
    if (!f.open(QIODevice::ReadOnly))
        throw Falha(QStringLiteral("Recurso da instalação ausente: %1").arg(nome));
    return f.readAll();
}

QStringList LinhasRecurso(const QString& nome) {
    QStringList linhas = QString::fromUtf8(Recurso(nome)).split(QLatin1Char('\n'));
    if (!linhas.isEmpty() && linhas.last().isEmpty())
        linhas.removeLast();
    return linhas;
}

} // namespace

namespace Instalacao {

bool PastaNova(const QString& pasta) {
    const QDir d(pasta);
    return !d.exists() || d.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

QString PastaBackupPadrao(const QString& pasta) {
    return QDir(pasta).filePath(QStringLiteral("Espelho"));
}

void InstalaPastaDados(const QString& pasta, Data hoje) {
    if (!QDir().mkpath(pasta))
        throw Falha(QStringLiteral("Não foi possível criar a pasta de dados %1").arg(pasta));
    const QDir d(pasta);
    const auto grava = [&](const QString& nome, const QStringList& linhas) {
        ArquivoTexto::GravaLinhas(d.filePath(nome), linhas);
    };
    const auto gravaComModelo = [&](const QString& nome, const QStringList& linhas) {
        grava(QStringLiteral("Ini") + nome, linhas);
        grava(nome, linhas);
    };
    const QString ontem = (hoje - 1).Texto();
    QStringList cores;
    for (int i = 1; i <= 13; ++i)
        cores << QString::number(i);

    gravaComModelo(QStringLiteral("Entradas.Txt"), {QStringLiteral("0")});
    gravaComModelo(QStringLiteral("Entradas2.Txt"), {QStringLiteral("0")});
    gravaComModelo(QStringLiteral("Escala.Txt"), {ontem});
    gravaComModelo(QStringLiteral("SemExped.Txt"), {});
    gravaComModelo(QStringLiteral("Manual.Txt"), LinhasRecurso(QStringLiteral("Manual.txt")));
    gravaComModelo(QStringLiteral("DataIniFim.Txt"), {ontem, ontem});
    gravaComModelo(QStringLiteral("Entradas.Doc"),
                   LinhasRecurso(QStringLiteral("Entradas.Doc.txt")));
    gravaComModelo(QStringLiteral("UltiEqual.Txt"), {ontem});
    gravaComModelo(QStringLiteral("ArqCores.Txt"), cores);

    grava(QStringLiteral("Niveis.Txt"),
          {QStringLiteral("Devedo Vuredod"), QStringLiteral("Organização Militar"),
           QStringLiteral("Nome da Unidade"), QStringLiteral("Cidade - UF"),
           QStringLiteral("Capa1.bmp"), PastaBackupPadrao(pasta), QStringLiteral("0"), QString(),
           QStringLiteral("Segurança em Nossas Fronteiras")});
    grava(QStringLiteral("ModelosPstGrd.Txt"), LinhasRecurso(QStringLiteral("ModelosPstGrd.txt")));
    const RelogioFixo relogio(hoje);
    PastaDados(pasta, relogio).GeraPstGrd();
    grava(QStringLiteral("Impressao.Txt"), LinhasRecurso(QStringLiteral("Impressao.txt")));

    for (const char* figura : {"Bandeira.bmp", "Capa1.bmp", "Capa2.bmp"})
        ArquivoTexto::GravaBytes(d.filePath(QLatin1String(figura)), Recurso(QLatin1String(figura)));

    // The only place where the tables of the data folder are created.
    DMGeral dm(pasta, PastaBackupPadrao(pasta));
    dm.CriaBanco(Banco::Principal);
}

} // namespace Instalacao
