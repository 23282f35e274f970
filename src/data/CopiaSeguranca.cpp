#include "data/CopiaSeguranca.h"

#include "base/Dialogos.h"
#include "base/Falha.h"
#include "data/Aliases.h"
#include "data/ArquivoTexto.h"
#include "data/DMGeral.h"
#include "data/Instalacao.h"
#include "data/PastaDados.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace CopiaSeguranca {

namespace {

QString Limpo(const QString& pasta) {
    return QDir::cleanPath(QDir(QDir::fromNativeSeparators(pasta)).absolutePath());
}

// pasta is raiz or lies below it.
bool Contem(const QString& raiz, const QString& pasta) {
    const QString r = Limpo(raiz);
    const QString p = Limpo(pasta);
    return p == r || p.startsWith(r.endsWith(QLatin1Char('/')) ? r : r + QLatin1Char('/'));
}

// Beside the backup folder: the copy being written, and the old copy while
// the new one takes its place.
QString PastaNova(const QString& b) {
    return b + QStringLiteral(".nova");
}
QString PastaAnterior(const QString& b) {
    return b + QStringLiteral(".anterior");
}

// A swap interrupted after the old copy was moved aside puts it back.
void RetomaTroca(const QString& b) {
    if (!QFileInfo::exists(b) && QFileInfo(PastaAnterior(b)).isDir())
        QDir().rename(PastaAnterior(b), b);
}

// Replacing or reading the backup folder must never reach the register.
void RecusaPastaDosDados(const Ambiente& amb, const QString& b) {
    if (Contem(b, amb.pasta.Pasta()))
        throw Recusa(
            QStringLiteral("A pasta da cópia de segurança, %1, contém a pasta de dados "
                           "%2.\nNada foi feito. Escolha outro local para a cópia "
                           "(\"Alterar local da cópia\").")
                .arg(QDir::toNativeSeparators(b), QDir::toNativeSeparators(amb.pasta.Pasta())));
}

// Every row of a table, fields in their stored order.
QList<QVariantList> LinhasDe(DMGeral& dm, Banco banco, const QString& tabela) {
    const QStringList campos = DMGeral::Campos(tabela);
    DMGeral::Cursor c = dm.AbreTabela(banco, tabela);
    QList<QVariantList> linhas;
    while (c.Proximo()) {
        QVariantList linha;
        linha.reserve(campos.size());
        for (const QString& campo : campos)
            linha << c.Valor(campo);
        linhas << std::move(linha);
    }
    return linhas;
}

void ConfereContagem(DMGeral& dm, Banco banco, const QString& tabela, qint64 devidas) {
    const qint64 contadas = dm.ContaLinhas(banco, tabela);
    if (contadas != devidas)
        throw Falha(QStringLiteral("A tabela %1 ficou com %2 linhas, e devia ter %3.")
                        .arg(tabela)
                        .arg(contadas)
                        .arg(devidas));
}

void Passo(const Ambiente& amb, const char* passo) {
    if (amb.AoSalvar)
        amb.AoSalvar(passo);
}

// The new copy, read anew from its folder, against the register.
void Confere(Ambiente& amb, const QString& nova) {
    amb.dm.Prepara(Banco::Backup);
    amb.dm.ConfereIntegridade(Banco::Backup);
    for (const QString& tabela : DMGeral::NomesTabelas())
        ConfereContagem(amb.dm, Banco::Backup, tabela,
                        amb.dm.ContaLinhas(Banco::Principal, tabela));
    for (const QString& nome : ArquivosCopiados())
        if (ArquivoTexto::LeBytes(QDir(nova).filePath(nome)) !=
            ArquivoTexto::LeBytes(amb.pasta.Caminho(nome)))
            throw Falha(QStringLiteral("O arquivo %1 da cópia não é igual ao da pasta de dados.")
                            .arg(nome));
}

// The new copy takes the place of the old one.
void Troca(const QString& nova, const QString& b) {
    const QString anterior = PastaAnterior(b);
    if (QFileInfo::exists(anterior) && !QDir(anterior).removeRecursively())
        throw Falha(QStringLiteral("Não foi possível apagar a pasta %1.")
                        .arg(QDir::toNativeSeparators(anterior)));
    if (QFileInfo::exists(b) && !QDir().rename(b, anterior))
        throw Falha(QStringLiteral("Não foi possível substituir a pasta %1.")
                        .arg(QDir::toNativeSeparators(b)));
    if (!QDir().rename(nova, b)) {
        QDir().rename(anterior, b);
        throw Falha(QStringLiteral("Não foi possível substituir a pasta %1.")
                        .arg(QDir::toNativeSeparators(b)));
    }
    // What cannot be removed now goes at the next backup.
    QDir(anterior).removeRecursively();
}

void Grava(Ambiente& amb, const QString& nova) {
    if (!QDir().mkpath(QFileInfo(nova).absolutePath()))
        throw Falha(QStringLiteral("Não foi possível criar a pasta %1.")
                        .arg(QDir::toNativeSeparators(QFileInfo(nova).absolutePath())));
    if (QFileInfo::exists(nova) && !QDir(nova).removeRecursively())
        throw Falha(QStringLiteral("Não foi possível apagar a pasta %1, deixada por uma cópia "
                                   "interrompida.")
                        .arg(QDir::toNativeSeparators(nova)));
    if (!QDir().mkdir(nova))
        throw Falha(QStringLiteral("Não foi possível criar a pasta %1.")
                        .arg(QDir::toNativeSeparators(nova)));
    amb.dm.DefinePastaBackup(nova);
    amb.dm.CriaBanco(Banco::Backup);
    {
        DMGeral::Transacao t(amb.dm, Banco::Backup);
        for (const QString& tabela : DMGeral::NomesTabelas())
            amb.dm.SubstituiLinhas(Banco::Backup, tabela,
                                   LinhasDe(amb.dm, Banco::Principal, tabela));
        t.Confirma();
    }
    for (const QString& nome : ArquivosCopiados())
        amb.pasta.CopiaArquivo(nome, QDir(nova).filePath(nome));
    // Closed: the file is whole on the disk, and the check reads it anew.
    amb.dm.DefinePastaBackup(nova);
}

} // namespace

const QStringList& ArquivosCopiados() {
    static const QStringList nomes{
        QStringLiteral("SemExped.Txt"),  QStringLiteral("DataIniFim.Txt"),
        QStringLiteral("Escala.Txt"),    QStringLiteral("ModelosPstGrd.Txt"),
        QStringLiteral("PstGrd.Txt"),    QStringLiteral("Niveis.Txt"),
        QStringLiteral("UltiEqual.Txt"), QStringLiteral("ArqCores.Txt")};
    return nomes;
}

QStringList RaizesMontadas() {
    QStringList raizes;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        if (v.isValid() && v.isReady() && !v.isReadOnly())
            raizes << v.rootPath();
    return raizes;
}

QStringList Raizes(const Ambiente& amb) {
    return amb.raizes ? amb.raizes() : RaizesMontadas();
}

QString RaizDe(const QString& pasta, const QStringList& raizes) {
    QString melhor;
    for (const QString& raiz : raizes)
        if (Contem(raiz, pasta) && (melhor.isEmpty() || Limpo(raiz).size() > Limpo(melhor).size()))
            melhor = raiz;
    if (!melhor.isEmpty())
        return melhor;
    QString existente = Limpo(pasta);
    while (!QFileInfo::exists(existente) && !QDir(existente).isRoot())
        existente = QFileInfo(existente).absolutePath();
    return QStorageInfo(existente).rootPath();
}

QString PastaNaRaiz(const Ambiente& amb, const QString& raiz) {
    const QString dados = amb.pasta.Pasta();
    if (Limpo(RaizDe(dados, Raizes(amb))) == Limpo(raiz))
        return Instalacao::PastaBackupPadrao(dados);
    return QDir(raiz).filePath(QLatin1String(PastaEspelho));
}

QString PastaBackup(const Ambiente& amb) {
    return Limpo(amb.dm.Pasta(Banco::Backup));
}

QString RaizAtual(const Ambiente& amb) {
    return RaizDe(PastaBackup(amb), Raizes(amb));
}

QString TextoRaiz(const QString& raiz) {
    return QDir::toNativeSeparators(raiz);
}

void Salva(Ambiente& amb) {
    const QString b = PastaBackup(amb);
    RecusaPastaDosDados(amb, b);
    RetomaTroca(b);
    const bool havia = QFileInfo::exists(QDir(b).filePath(QLatin1String(DMGeral::NomeArquivo)));
    const QString nova = PastaNova(b);
    try {
        Grava(amb, nova);
        Passo(amb, "copia gravada");
        Confere(amb, nova);
        amb.dm.DefinePastaBackup(b);
        Passo(amb, "copia conferida");
        Troca(nova, b);
    } catch (const Falha& f) {
        amb.dm.DefinePastaBackup(b);
        QDir(nova).removeRecursively();
        throw Falha(QStringLiteral("Cópia não realizada.\n%1\n%2")
                        .arg(f.Mensagem(),
                             havia ? QStringLiteral("A cópia de segurança anterior, em %1, ficou "
                                                    "como estava.")
                                         .arg(QDir::toNativeSeparators(b))
                                   : QStringLiteral("Nenhuma cópia foi gravada em %1.")
                                         .arg(QDir::toNativeSeparators(b))));
    }
    amb.dialogos.Aviso(
        QStringLiteral("                             Aviso:\n\nCópia realizada com sucesso no "
                       "drive ") +
        TextoRaiz(RaizAtual(amb)));
}

bool Recupera(Ambiente& amb, const std::function<void()>& mostraCadastro) {
    const QString b = PastaBackup(amb);
    RecusaPastaDosDados(amb, b);
    RetomaTroca(b);
    if (!QFileInfo::exists(QDir(b).filePath(QLatin1String(DMGeral::NomeArquivo)))) {
        amb.dialogos.Aviso(QStringLiteral("   Recuperação não realizada porque no local não "
                                          "há\narquivos. Corrija o erro e tente novamente."));
        return false;
    }
    const auto recusa = [](const Falha& f) {
        return Recusa(QStringLiteral("Recuperação não realizada.\n%1\nO cadastro ficou como "
                                     "estava.")
                          .arg(f.Mensagem()));
    };
    const QStringList tabelas = DMGeral::NomesTabelas();
    QList<QList<QVariantList>> linhas;
    QList<QByteArray> arquivos;
    try {
        // Read anew from the file, and checked whole before anything is written.
        amb.dm.DefinePastaBackup(b);
        amb.dm.Prepara(Banco::Backup);
        amb.dm.ConfereIntegridade(Banco::Backup);
        const PastaDados copia(b, amb.relogio);
        copia.LeNiveis();
        copia.LeUltimaEscala();
        copia.LeDataIniFim();
        for (const QString& nome : ArquivosCopiados())
            arquivos << ArquivoTexto::LeBytes(copia.Caminho(nome));
        for (const QString& tabela : tabelas)
            linhas << LinhasDe(amb.dm, Banco::Backup, tabela);
        amb.dm.DefinePastaBackup(b);
    } catch (const Falha& f) {
        amb.dm.DefinePastaBackup(b);
        throw recusa(f);
    }
    {
        DMGeral::Transacao t(amb.dm, Banco::Principal);
        t.Registra(QStringLiteral("Recuperar cópia de segurança"), QStringLiteral("de %1").arg(b));
        try {
            for (qsizetype i = 0; i < tabelas.size(); ++i) {
                amb.dm.SubstituiLinhas(Banco::Principal, tabelas[i], linhas[i]);
                ConfereContagem(amb.dm, Banco::Principal, tabelas[i], linhas[i].size());
            }
            for (qsizetype i = 0; i < arquivos.size(); ++i)
                t.GravaBytes(ArquivosCopiados()[i], arquivos[i]);
        } catch (const Falha& f) {
            throw recusa(f);
        }
        t.Confirma();
    }
    amb.dm.Esquece();
    if (mostraCadastro)
        mostraCadastro();
    amb.dialogos.Aviso(QStringLiteral("                                     Aviso:\n\nA aplicação "
                                      "será encerrada. Reinicie em seguida."));
    return true;
}

bool FechaLocal(Ambiente& amb, const QString& raizAtual, const std::optional<QString>& escolhida) {
    const QString raiz = escolhida.value_or(raizAtual);
    const QStringList presentes = Raizes(amb);
    const bool presente = std::any_of(presentes.cbegin(), presentes.cend(),
                                      [&](const QString& r) { return Limpo(r) == Limpo(raiz); }) &&
                          QFileInfo(raiz).isDir();
    if (!presente) {
        amb.dialogos.Aviso(QStringLiteral("Operação não executada porque a mídia Espelho não está "
                                          "instalada."));
        return false;
    }
    if (Limpo(raiz) == Limpo(raizAtual))
        return false;
    MudaLocalBackup(amb, PastaNaRaiz(amb, raiz));
    return true;
}

void MudaLocalBackup(Ambiente& amb, const QString& nova) {
    if (amb.aliases && !amb.aliases->Existe(QLatin1String(Aliases::Backup)))
        throw Recusa(QStringLiteral("Alias não existe"));
    if (!QDir().mkpath(nova))
        throw Falha(QStringLiteral("Não foi possível criar a pasta %1.\nO local da cópia de "
                                   "segurança continua o mesmo.")
                        .arg(QDir::toNativeSeparators(nova)));
    Niveis niveis = amb.niveis;
    niveis.Linhas[5] = QDir::toNativeSeparators(Limpo(nova));
    niveis.Aviso.clear();
    amb.pasta.GravaNiveis(niveis);
    if (amb.aliases) {
        try {
            amb.aliases->Define(QLatin1String(Aliases::Backup), Limpo(nova));
        } catch (const Falha&) {
            amb.pasta.GravaNiveis(amb.niveis);
            throw;
        }
    }
    amb.niveis = niveis;
    amb.dm.DefinePastaBackup(Limpo(nova));
    amb.dialogos.Aviso(QStringLiteral("   A aplicação será encerrada para que o Sistema "
                                      "reconheça \no novo local da cópia de segurança. Reinicie "
                                      "logo em seguida."));
    amb.dialogos.Aviso(QStringLiteral("                    Quando o programa retornar:  \n\n ==> "
                                      "Volte à opção 14. e grave ou recupere a Cópia de "
                                      "Segurança."));
}

} // namespace CopiaSeguranca
