#include "support/CasosManual.h"

#include "support/ApoioEscala.h"

namespace {

// Person 7 of "Of Dia" away (PR) from 11/03/24 to 12/03/24.
void Afastado(AmbienteTeste& a, const QString& pr) {
    RegistroPequeno(a);
    a.Militar("7", "M7", 7, "Sd", pr, D(11, 3, 2024), D(12, 3, 2024));
    a.Membro(1, "7");
}

} // namespace

QStringList CelulasDaGrade(const QList<QStringList>& porServico) {
    QStringList celulas;
    for (int sv = 1; sv <= porServico.size(); ++sv)
        for (int d = 0; d < porServico[sv - 1].size(); ++d)
            celulas << QStringLiteral("%1:%2:%3")
                           .arg(sv)
                           .arg((D(11, 3, 2024) + d).Texto(), porServico[sv - 1][d]);
    return celulas;
}

const QList<CasoManual>& CasosManual() {
    const auto pequeno = [](AmbienteTeste& a) { RegistroPequeno(a); };
    static const QList<CasoManual> casos{
        {"sete_dias_recusados",
         pequeno,
         "17/03/24",
         {},
         {},
         {},
         {"Só é possível escalar até o dia 16/03/24"},
         true},
        {"seis_dias_aceitos",
         pequeno,
         "16/03/24",
         CelulasDaGrade({{"1", "2", "3", "1", "2", "3"}, {"4", "5", "6", "4", "5", "6"}}),
         {". | 11/03/24 | 12/03/24 | 13/03/24 | 14/03/24 | 15/03/24 | 16/03/24",
          "Of Dia | 1 | 2 | 3 | 1 | 2 | 3", "Guarda | 4 | 5 | 6 | 4 | 5 | 6"},
         {},
         {}},
        {"servico_termina_no_periodo",
         [](AmbienteTeste& a) {
             RegistroPequeno(a);
             a.Servico(3, "Ronda", 1, 1, "PV", D(1, 1, 2000), D(12, 3, 2024));
             a.Militar("7", "M7", 7);
             a.Militar("8", "M8", 8);
             a.Membro(3, "7");
             a.Membro(3, "8");
         },
         "14/03/24",
         CelulasDaGrade({{"1", "2", "3", "1"}, {"4", "5", "6", "4"}, {"7", "8"}}),
         {". | 11/03/24 | 12/03/24 | 13/03/24 | 14/03/24", "Of Dia | 1 | 2 | 3 | 1",
          "Guarda | 4 | 5 | 6 | 4", "Ronda | 7 | 8 | Sem Sv | Sem Sv"},
         {},
         {}},
        {"folga_1_linha_de_folga",
         pequeno,
         "12/03/24",
         CelulasDaGrade({{"1", "1"}, {"4", "5"}}),
         {},
         {"1 não terá folga de 48 Hs no dia 12/03/24"},
         {}},
        {"folga_0_sem_linha",
         [](AmbienteTeste& a) { RegistroPequeno(a, 1, 0); },
         "12/03/24",
         CelulasDaGrade({{"1", "1"}, {"4", "5"}}),
         {},
         {},
         {}},
        {"afastado_real_bloqueia",
         [](AmbienteTeste& a) { Afastado(a, "R"); },
         "12/03/24",
         CelulasDaGrade({{"7", "7"}, {"4", "5"}}),
         {},
         {"Dia: 11/03/247 não pode ser escalado; está fora da escala de 11/03/24 a 12/03/24",
          "Dia: 12/03/247 não pode ser escalado; está fora da escala de 11/03/24 a 12/03/24"},
         {}},
        // Applied on the first day: the second gets the rest line too.
        {"afastado_previsto_avisa_e_aplica",
         [](AmbienteTeste& a) { Afastado(a, "P"); },
         "12/03/24",
         CelulasDaGrade({{"7", "7"}, {"4", "5"}}),
         {},
         {"Dia: 11/03/24  Nº:  7 previsto sair da escala de 11/03/24 a 12/03/24",
          "7 não terá folga de 48 Hs no dia 12/03/24",
          "Dia: 12/03/24  Nº:  7 previsto sair da escala de 11/03/24 a 12/03/24"},
         {}},
        {"excesso",
         pequeno,
         "12/03/24",
         CelulasDaGrade({{"1", "2"}, {"4 5", "6"}}),
         {},
         {},
         {" Dia: 11/03/24 Excesso de militares escalados no Serviço de Guarda"}},
        {"falta",
         [](AmbienteTeste& a) { RegistroPequeno(a, 2); },
         "12/03/24",
         CelulasDaGrade({{"1", "2"}, {"4", "5 6"}}),
         {},
         {},
         {" Dia: 11/03/24 Falta escalar militar no Serviço de Guarda"}},
        {"grade_incompleta",
         pequeno,
         "12/03/24",
         CelulasDaGrade({{"1", "2"}, {"4"}}),
         {},
         {},
         {"Você deve preencher completamente a Grade de Serviços"},
         true},
        // 5 does not compete for "Of Dia" but still fills its place.
        {"nao_concorre_conta",
         pequeno,
         "12/03/24",
         CelulasDaGrade({{"5", "2"}, {"4", "6"}}),
         {},
         {"5  não concorre à escala de Of Dia"},
         {}},
    };
    return casos;
}
