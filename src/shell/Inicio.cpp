#include "shell/Inicio.h"

#include "base/Falha.h"
#include "data/DMGeral.h"
#include "data/Instalacao.h"
#include "model/Sistema.h"

#include <QDir>
#include <QStandardPaths>

Inicio::Inicio(QString pasta, QString arquivoAliases)
    : pastaDados(std::move(pasta)), forcada(!pastaDados.isEmpty()),
      aliases(std::move(arquivoAliases)) {}

QString Inicio::PastaDadosPadrao() {
    return QDir::home().filePath(QStringLiteral("SisTarvolim/Tarvolim2"));
}

QString Inicio::ArquivoAliasesPadrao() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(QStringLiteral("Aliases.ini"));
}

namespace {

// A folder that holds a register (perhaps a damaged one) has its database or
// its last roster date.
bool GuardaCadastro(const QString& pasta) {
    const QDir d(pasta);
    return d.exists(QStringLiteral("Tarvolim.db")) || d.exists(QStringLiteral("Escala.Txt"));
}

} // namespace

void Inicio::Prepara(Data hoje) {
    if (!forcada)
        pastaDados = aliases.Existe(QLatin1String(Aliases::Principal))
                         ? aliases.Pasta(QLatin1String(Aliases::Principal))
                         : PastaDadosPadrao();
    pastaDados = QDir(pastaDados).absolutePath();
    if (Instalacao::PastaNova(pastaDados))
        Instalacao::InstalaPastaDados(pastaDados, hoje);
    else if (!GuardaCadastro(pastaDados))
        throw Recusa(QStringLiteral("A pasta %1 não está vazia e não guarda um cadastro do "
                                    "Tarvolim (falta o Tarvolim.db e o Escala.Txt).\nNada foi "
                                    "gravado nela. Indique a pasta de dados do Tarvolim, ou uma "
                                    "pasta nova ou vazia para instalar.")
                         .arg(pastaDados));

    trava = std::make_unique<QLockFile>(QDir(pastaDados).filePath(QStringLiteral("Tarvolim.lock")));
    trava->setStaleLockTime(0);
    if (!trava->tryLock(0)) {
        const auto erro = trava->error();
        trava.reset();
        if (erro == QLockFile::LockFailedError)
            throw Falha(QStringLiteral("O Tarvolim já está aberto com esta pasta de dados:\n%1\n\n"
                                       "Feche o outro programa antes de abrir de novo.")
                            .arg(pastaDados));
        throw Falha(QStringLiteral("Não foi possível usar a pasta de dados %1 (sem permissão de "
                                   "gravação?)")
                        .arg(pastaDados));
    }
    // A register whose database or tables are damaged stops the program here,
    // before anything is written into the folder.
    try {
        DMGeral(pastaDados, PastaBackupInicial()).Prepara(Banco::Principal);
    } catch (const Falha&) {
        trava.reset();
        throw;
    }
}

QString Inicio::PastaBackupInicial() const {
    if (!forcada && aliases.Existe(QLatin1String(Aliases::Backup)))
        return aliases.Pasta(QLatin1String(Aliases::Backup));
    return Instalacao::PastaBackupPadrao(pastaDados);
}

void Inicio::PassosIniciais(Sistema& s) {
    s.NiveisCapa = s.pasta.LeNiveis();
    if (!s.NiveisCapa.Aviso.isEmpty())
        s.dialogos.Aviso(s.NiveisCapa.Aviso);
    if (forcada) {
        s.dm.DefinePastaBackup(s.NiveisCapa.PastaBackup());
        return;
    }
    if (!aliases.Existe(QLatin1String(Aliases::Principal)))
        aliases.Define(QLatin1String(Aliases::Principal), pastaDados);
    if (!aliases.Existe(QLatin1String(Aliases::Backup)))
        aliases.Define(QLatin1String(Aliases::Backup), s.NiveisCapa.PastaBackup());
    s.dm.DefinePastaBackup(aliases.Pasta(QLatin1String(Aliases::Backup)));
}
