#pragma once

#include "data/Aliases.h"
#include "data/CopiaSeguranca.h"
#include "support/AmbienteTeste.h"

#include <QTemporaryDir>

// A register on a temporary folder with its aliases, and two storage roots:
// the data folder's and another one, a folder standing for a removable
// medium. The backup screens and routines work on amb.
struct ApoioCopia {
    ApoioCopia();

    AmbienteTeste a;
    Aliases aliases{a.dir.filePath(QStringLiteral("Aliases.ini"))};
    QTemporaryDir outra;
    QStringList raizes;
    CopiaSeguranca::Ambiente amb;

    QString B() const { return a.PastaBackup(); }
    QString RaizDosDados() const { return raizes.first(); }
    // "Salvar em", with its notice.
    void Salva();
    // Every row of the 33 tables and the bytes of the eight text files, of the
    // register or of the backup, read beside the store under test.
    QStringList Estado(Banco banco);
    // What lies beside the backup folder: a new copy or an old one left behind.
    QStringList Vizinhas() const;
};

// Duties 1 and 3, three persons, their rotations, history; the last roster
// date 05/03/24 and two red days.
void RegistroCopia(AmbienteTeste& a);
// The register after the backup: duty 5 added with members, a person, a day
// of history and the last roster date 06/03/24.
void AlteraDepoisDaCopia(AmbienteTeste& a);
