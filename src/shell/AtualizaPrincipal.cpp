#include "shell/AtualizaPrincipal.h"

#include "model/Sistema.h"

void AtualizaPrincipal(Sistema& s, TelaPrincipal* tela) {
    TelaPrincipal semTela;
    TelaPrincipal& t = tela ? *tela : semTela;
    MontaIrmaos(s);
    t.AplicaCores();
    t.MostraCapa();
    s.Aba.BEscalarVisivel = false;
    t.EscondeEscalar();
    CarregaVetSv(s, Banco::Principal);
    s.UltimaEscala = s.pasta.LeUltimaEscala();
    t.MostraUltimaEscala(s.UltimaEscala);
    // A table whose load found what memory cannot hold stays as it is: the
    // load told the operator, and the refresh goes on without rewriting it.
    CarregaGrades(s, Banco::Principal);
    GravaGrades(s, Banco::Principal, true);
    CarregaVetBas(s, Banco::Principal);
    RevisaAfastamentos(s);
    if (!s.VetBasBloqueado.Ativo())
        GravaVetBas(s, Banco::Principal);
}

void RevisaAfastamentos(Sistema& s) {
    const Data hoje = s.relogio.Hoje();
    for (int a = 1; a <= 1000 && !s.VetBas[a].Nome.isEmpty(); ++a) {
        TipoVetBas& b = s.VetBas[a];
        if (b.PR == QLatin1String("P")) {
            if (hoje > b.Fim) {
                b.PR.clear();
                b.Ini = Data();
                b.Fim = Data();
            } else if (hoje >= b.Ini) {
                s.dialogos.Aviso(QStringLiteral(" O número ") + b.Num +
                                 QStringLiteral(" estava previsto sair da escala de ") +
                                 b.Ini.Texto() + QStringLiteral(" até ") + b.Fim.Texto() +
                                 QStringLiteral("\n\n                        Verificar se saiu ou "
                                                "não da escala. "));
            }
        } else if (b.PR == QLatin1String("R") && hoje > b.Fim) {
            s.dialogos.Aviso(
                QStringLiteral(" O número ") + b.Num +
                QStringLiteral(" estava previsto retornar para a escala dia ") + b.Fim.Texto() +
                QStringLiteral("\n mas ainda consta como afastado do serviço \n\n"
                               "                            Verificar se ele já retornou. \n\n"
                               "Para retorná-lo para as escalas, use o item 11 da guia "
                               "/Manutenção/"));
        }
    }
}
