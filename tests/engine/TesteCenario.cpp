#include "engine/Escalacao.h"
#include "engine/Previsao.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioEscala.h"
#include "support/Registro.h"

#include <QTest>

namespace {
QStringList Historico(AmbienteTeste& a) {
    QStringList linhas;
    for (const QStringList& l : a.Linhas("Hist"))
        linhas << l.join('|');
    return linhas;
}
QStringList UltimosServicos(AmbienteTeste& a) {
    QStringList linhas;
    for (const QStringList& l : a.Linhas("Basico"))
        if (!l[6].isEmpty())
            linhas << l[0] + ": " + l[6];
    return linhas;
}
} // namespace

// A small register through forecast, commit and undo, against values worked
// out by hand. Sunday 10/03/24 is the last roster date; Tuesday 12/03 is a
// holiday; person 2 is away until Monday 11/03 and presents himself on
// Wednesday 13/03 (the first black day after), so he is out of the whole
// period. Duties: 1 "Of Dia" (both kinds, rest 1), 2 "Sgt Dia" (black days),
// 3 "Guarda" (red days, two persons), 4 "Cb Dia" (both kinds, rest 0).
class TesteCenario : public QObject {
    Q_OBJECT
private slots:
    void previsao_escalacao_e_desfazer() {
        AmbienteTeste a(D(10, 3, 2024));
        Sistema& s = *a.sis;
        s.pasta.GravaUltimaEscala(D(10, 3, 2024));
        s.pasta.GravaLinhas("SemExped.Txt", {"12/03/24"});
        a.Servico(1, "Of Dia", 1, 1, "PV", D(1, 1, 2000), D(1, 1, 2050), 1);
        a.Servico(2, "Sgt Dia", 1, 0, "Pt", D(1, 1, 2000), D(1, 1, 2050), 2);
        a.Servico(3, "Guarda", 2, 0, "Vm", D(1, 1, 2000), D(1, 1, 2050), 3);
        a.Servico(4, "Cb Dia", 1, 0, "PV", D(1, 1, 2000), D(1, 1, 2050), 4);
        for (int i = 1; i <= 12; ++i)
            a.Militar(QString::number(i), QStringLiteral("M%1").arg(i), i, "Sd", i == 2 ? "R" : "",
                      i == 2 ? D(10, 3, 2024) : Data(), i == 2 ? D(11, 3, 2024) : Data());
        for (const auto& [sv, membros] :
             std::vector<std::pair<int, QStringList>>{{1, {"1", "2", "3"}},
                                                      {2, {"4", "5", "6"}},
                                                      {3, {"7", "8", "9", "10"}},
                                                      {4, {"11", "12", "1"}}})
            for (const QString& m : membros)
                a.Membro(sv, m);

        // Forecast Monday to Wednesday (three days: no look-ahead).
        PreparaEscala(a, D(13, 3, 2024));
        PrevisaoPreta(s, D(13, 3, 2024));
        const QString dia = QString(15, ' ');
        QCOMPARE(s.ListBox2,
                 QStringList({"     ", dia + "11/03/24 (Pt)", "     Of Dia:  3-M3  ",
                              "     Sgt Dia:  6-M6  ", "     Guarda:  ", "     Cb Dia:  12-M12  ",
                              "     ", dia + "12/03/24 (Vm)", "     Of Dia:  1-M1  ",
                              "     Sgt Dia:  ", "     Guarda:  10-M10  9-M9  ",
                              "     Cb Dia:  12-M12  ", "     ", dia + "13/03/24 (Pt)",
                              "     Of Dia:  3-M3  ", "     Sgt Dia:  5-M5  ",
                              "     Guarda:  ", "     Cb Dia:  11-M11  "}));
        QVERIFY(s.ListBox5.isEmpty());
        QVERIFY(s.ListBox6.isEmpty());
        QVERIFY(!s.ErroNaPreta);

        // Commit.
        Escalar(s);
        QCOMPARE(Historico(a),
                 QStringList({"2024-03-11|1|Of Dia|3 |Pt", "2024-03-11|2|Sgt Dia|6 |Pt",
                              "2024-03-11|4|Cb Dia|12 |Pt", "2024-03-12|1|Of Dia|1 |Vm",
                              "2024-03-12|3|Guarda|10 9 |Vm", "2024-03-12|4|Cb Dia|12 |Vm",
                              "2024-03-13|1|Of Dia|3 |Pt", "2024-03-13|2|Sgt Dia|5 |Pt",
                              "2024-03-13|4|Cb Dia|11 |Pt"}));
        QCOMPARE(Rodizio(a, 1), QStringList({"1 0 1 13/05/09 12/03/24", "2 0 0 13/05/09 13/05/09",
                                             "3 2 0 13/03/24 13/05/09"}));
        QCOMPARE(Rodizio(a, 2), QStringList({"4 0 0 13/05/09 13/05/09", "5 1 0 13/03/24 13/05/09",
                                             "6 1 0 11/03/24 13/05/09"}));
        QCOMPARE(Rodizio(a, 3),
                 QStringList({"10 0 1 13/05/09 12/03/24", "7 0 0 13/05/09 13/05/09",
                              "8 0 0 13/05/09 13/05/09", "9 0 1 13/05/09 12/03/24"}));
        QCOMPARE(Rodizio(a, 4), QStringList({"1 0 1 13/05/09 13/05/09", "11 1 0 13/03/24 13/05/09",
                                             "12 1 1 11/03/24 12/03/24"}));
        QCOMPARE(UltimosServicos(a),
                 QStringList({"1: 12/03/24 ", "3: 11/03/24 13/03/24 ", "5: 13/03/24 ",
                              "6: 11/03/24 ", "9: 12/03/24 ", "10: 12/03/24 ", "11: 13/03/24 ",
                              "12: 11/03/24 12/03/24 "}));
        QCOMPARE(s.pasta.LeUltimaEscala(), D(13, 3, 2024));

        // Undo from the holiday on: each removed duty gives back its counter,
        // and its date becomes the removed day minus 300.
        a.dialogos.EsperaAviso("CUIDADO !").EsperaPergunta(QString("12/03/24"), "Desfazer");
        DesfazerEscalacao(s);
        QVERIFY(a.dialogos.ScriptCumprido());
        QCOMPARE(Historico(a),
                 QStringList({"2024-03-11|1|Of Dia|3 |Pt", "2024-03-11|2|Sgt Dia|6 |Pt",
                              "2024-03-11|4|Cb Dia|12 |Pt"}));
        QCOMPARE(Rodizio(a, 1), QStringList({"1 0 0 13/05/09 17/05/23", "2 0 0 13/05/09 13/05/09",
                                             "3 1 0 18/05/23 13/05/09"}));
        QCOMPARE(Rodizio(a, 2), QStringList({"4 0 0 13/05/09 13/05/09", "5 0 0 18/05/23 13/05/09",
                                             "6 1 0 11/03/24 13/05/09"}));
        QCOMPARE(Rodizio(a, 3),
                 QStringList({"10 0 0 13/05/09 17/05/23", "7 0 0 13/05/09 13/05/09",
                              "8 0 0 13/05/09 13/05/09", "9 0 0 13/05/09 17/05/23"}));
        QCOMPARE(Rodizio(a, 4), QStringList({"1 0 0 13/05/09 13/05/09", "11 0 0 18/05/23 13/05/09",
                                             "12 1 0 11/03/24 17/05/23"}));
        QCOMPARE(UltimosServicos(a),
                 QStringList({"3: 11/03/24 ", "6: 11/03/24 ", "12: 11/03/24 "}));
        QCOMPARE(s.pasta.LeUltimaEscala(), D(11, 3, 2024));
    }
};
REGISTRA_TESTE(TesteCenario)
#include "TesteCenario.moc"
