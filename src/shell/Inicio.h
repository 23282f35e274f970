#pragma once

#include "base/Data.h"
#include "data/Aliases.h"

#include <QLockFile>
#include <QString>
#include <memory>

struct Sistema;

// What the program does before and right after the working model exists:
// find the data folder (the alias "Tarvolim2", or --pasta-dados for one run),
// install the defaults into a new folder, lock it against a second run, and the
// start-up steps that read the cover settings and make sure of both aliases.
class Inicio {
public:
    // pastaDados empty: the folder of the alias "Tarvolim2", or the default.
    Inicio(QString pastaDados, QString arquivoAliases);

    static QString PastaDadosPadrao();     // ~/SisTarvolim/Tarvolim2
    static QString ArquivoAliasesPadrao(); // <configuration folder>/Aliases.ini

    // Resolves the data folder, installs it when new (the last roster date is
    // the day before hoje) and locks it. Throws Falha when another run holds it,
    // or when the folder holds a register whose database or tables are missing
    // or not the register's; refuses (Recusa) a folder that is neither new nor
    // a register. Nothing is written in either case.
    void Prepara(Data hoje);
    const QString& PastaDados() const { return pastaDados; }
    bool PastaForcada() const { return forcada; }
    // The backup folder known before Niveis.Txt is read: the alias's, or the
    // default one.
    QString PastaBackupInicial() const;
    Aliases& AliasesDoSistema() { return aliases; }

    // Start-up steps on the new working model: Niveis.Txt into the cover values,
    // then the aliases "Tarvolim2" and "BackUpSv2" when they do not exist yet
    // (not with --pasta-dados, which leaves the user's aliases alone). The
    // backup database follows the alias, or line 6 when there is none.
    void PassosIniciais(Sistema& s);

private:
    QString pastaDados;
    bool forcada;
    Aliases aliases;
    std::unique_ptr<QLockFile> trava;
};
