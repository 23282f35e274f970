#include "support/ApoioCopia.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace CopiaSeguranca;

ApoioCopia::ApoioCopia()
    : amb{a.sis->dm,
          a.sis->pasta,
          a.dialogos,
          a.relogio,
          a.sis->NiveisCapa,
          &aliases,
          a.sis->SlotsCores,
          [this] { return raizes; },
          {}} {
    a.sis->NiveisCapa = a.sis->pasta.LeNiveis();
    aliases.Define(QLatin1String(Aliases::Principal), a.Pasta());
    aliases.Define(QLatin1String(Aliases::Backup), a.PastaBackup());
    raizes = {RaizDe(a.Pasta(), {}), outra.path()};
}

void ApoioCopia::Salva() {
    a.dialogos.EsperaAviso(QStringLiteral("Cópia realizada com sucesso no drive ") +
                           TextoRaiz(RaizDosDados()));
    CopiaSeguranca::Salva(amb);
    QVERIFY(a.dialogos.ScriptCumprido());
}

QStringList ApoioCopia::Estado(Banco banco) {
    QStringList r;
    for (const QString& t : DMGeral::NomesTabelas())
        for (const QStringList& l : a.Linhas(t, banco))
            r << t + ':' + l.join('|');
    const QDir pasta(banco == Banco::Principal ? a.Pasta() : B());
    for (const QString& nome : ArquivosCopiados())
        r << nome + '=' + QString::fromLatin1(BytesDoArquivo(pasta.filePath(nome)).toHex());
    return r;
}

QStringList ApoioCopia::Vizinhas() const {
    return QDir(QFileInfo(B()).absolutePath())
        .entryList({QStringLiteral("Espelho.*")}, QDir::AllEntries);
}

void RegistroCopia(AmbienteTeste& a) {
    a.Servico(1, "Of Dia");
    a.Servico(3, "Gda", 2);
    a.Militar("1", "Ana", 10);
    a.Militar("2", "Bia", 20, "Cb", "P", D(20, 3, 2024), D(25, 3, 2024));
    a.Militar("3", "Caio", 30);
    a.Membro(1, "1", 4, 1, "01/03/24");
    a.Membro(1, "2", 5, 0);
    a.Membro(3, "2", 2, 2);
    a.Membro(3, "3", 1, 3, "13/05/09", "02/03/24");
    a.Historico(D(1, 3, 2024), 1, "Of Dia", "1");
    a.Historico(D(2, 3, 2024), 3, "Gda", "2 3", "Vm");
    a.sis->pasta.GravaUltimaEscala(D(5, 3, 2024));
    a.sis->pasta.GravaLinhas("SemExped.Txt", {"09/03/24", "10/03/24"});
}

void AlteraDepoisDaCopia(AmbienteTeste& a) {
    a.Servico(5, "Ronda");
    a.Militar("9", "Zeca", 90);
    a.Membro(5, "9");
    a.Membro(5, "1");
    a.Historico(D(6, 3, 2024), 5, "Ronda", "9");
    a.sis->pasta.GravaUltimaEscala(D(6, 3, 2024));
}
