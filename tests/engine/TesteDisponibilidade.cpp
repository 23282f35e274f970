#include "calendar/Calendario.h"
#include "engine/Disponibilidade.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QTest>

namespace {
// A person in record 1 with an absence window 04/03/24 .. Friday 08/03/24;
// Saturday 09 and Sunday 10 are red days.
void Ausente(AmbienteTeste& a, const QString& pr) {
    a.sis->pasta.GravaLinhas("SemExped.Txt", {"10/03/24", "09/03/24"});
    a.Militar("12", "DOZE", 1, "Sd", pr, D(4, 3, 2024), D(8, 3, 2024));
    CarregaVetBas(*a.sis, Banco::Principal);
}
} // namespace

// The three availability tests and the walk down a rotation.
class TesteDisponibilidade : public QObject {
    Q_OBJECT
private slots:
    void folga_data() {
        QTest::addColumn<int>("folga");
        QTest::addColumn<int>("distancia"); // days between the last duty and the day
        QTest::addColumn<bool>("descansado");
        QTest::newRow("folga 0, no mesmo dia") << 0 << 0 << false;
        QTest::newRow("folga 0, na véspera") << 0 << 1 << true;
        QTest::newRow("folga 2, 2 dias antes") << 2 << 2 << false;
        QTest::newRow("folga 2, 3 dias antes") << 2 << 3 << true;
        QTest::newRow("folga 2, 2 dias depois") << 2 << -2 << false;
    }
    void folga() {
        QFETCH(int, folga);
        QFETCH(int, distancia);
        QFETCH(bool, descansado);
        AmbienteTeste a;
        Sistema& s = *a.sis;
        s.VetBas[1] = RegistroVazio();
        s.VetBas[1].Num = "12";
        s.VetBas[1].USv[10] = D(10, 3, 2024);
        s.IntervaloFolga = folga + 1;
        QCOMPARE(TesteFolga(s, 1, D(10, 3, 2024) + distancia), descansado);
    }

    void afastamento_data() {
        QTest::addColumn<QString>("pr");
        QTest::addColumn<Data>("dia");
        QTest::addColumn<bool>("disponivel");
        QTest::addColumn<QString>("alerta");
        QTest::newRow("R antes do início") << "R" << D(3, 3, 2024) << true << "";
        QTest::newRow("R no início") << "R" << D(4, 3, 2024) << false << "";
        QTest::newRow("R no sábado") << "R" << D(9, 3, 2024) << false << "";
        QTest::newRow("R na apresentação") << "R" << D(11, 3, 2024) << false << "";
        QTest::newRow("R depois")
            << "R" << D(12, 3, 2024) << true
            << "dia: 12/03/24- Nº:  12  deve se apresentar pronto em  11/03/24";
        QTest::newRow("P dentro")
            << "P" << D(6, 3, 2024) << true
            << "dia: 06/03/24- Nº:  12  PREVISTO sair da escala de: 04/03/24 a 08/03/24";
        QTest::newRow("P depois") << "P" << D(12, 3, 2024) << true << "";
        QTest::newRow("sem afastamento") << "" << D(6, 3, 2024) << true << "";
    }
    void afastamento() {
        QFETCH(QString, pr);
        QFETCH(Data, dia);
        QFETCH(bool, disponivel);
        QFETCH(QString, alerta);
        AmbienteTeste a;
        Ausente(a, pr);
        QCOMPARE(TesteAfastamento(*a.sis, 1, dia), disponivel);
        QCOMPARE(a.sis->ListBox6, alerta.isEmpty() ? QStringList() : QStringList{alerta});
    }

    void apresentacao_apos_onze_dias_vermelhos() {
        AmbienteTeste a;
        QStringList vermelhos;
        for (int i = 1; i <= 11; ++i)
            vermelhos << (D(8, 3, 2024) + i).Texto();
        a.sis->pasta.GravaLinhas("SemExped.Txt", vermelhos);
        QCOMPARE(ProxDiaPreto(*a.sis, D(8, 3, 2024)), D(18, 3, 2024));
        a.Militar("12", "DOZE", 1, "Sd", "R", D(4, 3, 2024), D(8, 3, 2024));
        CarregaVetBas(*a.sis, Banco::Principal);
        QVERIFY(!TesteAfastamento(*a.sis, 1, D(18, 3, 2024)));
        QVERIFY(TesteAfastamento(*a.sis, 1, D(19, 3, 2024)));
    }

    void exclusao_data() {
        QTest::addColumn<int>("servico");
        QTest::addColumn<Data>("dia");
        QTest::addColumn<bool>("usavel");
        QTest::newRow("serviço e dia listados") << 3 << D(5, 3, 2024) << false;
        QTest::newRow("só o serviço") << 3 << D(6, 3, 2024) << true;
        QTest::newRow("só o dia") << 4 << D(5, 3, 2024) << true;
    }
    void exclusao() {
        QFETCH(int, servico);
        QFETCH(Data, dia);
        QFETCH(bool, usavel);
        AmbienteTeste a;
        Sistema& s = *a.sis;
        s.VetSgte[1].Num = "99"; // someone else
        s.VetSgte[3].Num = "12"; // after an empty entry: still read
        s.VetSgte[3].Sv[7] = 3;
        s.VetSgte[3].Datas[30] = D(5, 3, 2024);
        QCOMPARE(TesteExclusao(s, "12", servico, dia), usavel);
    }

    // Chosen for one duty, the person is refused for every other duty that
    // day; his ten dates stay ascending, the oldest dropped.
    void escolha_registra_o_dia() {
        AmbienteTeste a;
        a.Militar("12", "DOZE", 1, "Sd", "", Data(), Data(),
                  "01/02/24 02/02/24 03/02/24 04/02/24 05/02/24 06/02/24 07/02/24 08/02/24 "
                  "09/02/24 10/02/24 ");
        a.Militar("7", "SETE");
        Sistema& s = *a.sis;
        CarregaVetBas(s, Banco::Principal);
        GradeTexto& g = s.Grades.GradeSv[1];
        LimpaGrade(g);
        g.DefineCel(0, 1, "12");
        g.DefineCel(0, 2, "7");
        s.IntervaloFolga = 1; // rest 0
        s.CursorGrade = 1;
        QCOMPARE(ProximoDaVez(s, 1, g, D(5, 3, 2024)), QStringLiteral("12"));
        QCOMPARE(s.CursorGrade, 2);
        QCOMPARE(s.VetBas[1].USv[1], D(2, 2, 2024));
        QCOMPARE(s.VetBas[1].USv[10], D(5, 3, 2024));
        for (int k = 1; k < 10; ++k)
            QVERIFY(s.VetBas[1].USv[k] < s.VetBas[1].USv[k + 1]);
        s.CursorGrade = 1;
        QCOMPARE(ProximoDaVez(s, 2, g, D(5, 3, 2024)), QStringLiteral("7"));
        QCOMPARE(s.CursorGrade, 3);
    }

    void rodizio_vazio_ou_esgotado() {
        AmbienteTeste a;
        Sistema& s = *a.sis;
        GradeTexto& g = s.Grades.GradeSv[1];
        LimpaGrade(g);
        s.CursorGrade = 1;
        QCOMPARE(ProximoDaVez(s, 1, g, D(5, 3, 2024)), QString());
        QCOMPARE(s.CursorGrade, 2);
        // A number without a personnel record passes and records nothing.
        g.DefineCel(0, 1, "77");
        s.CursorGrade = 1;
        QCOMPARE(ProximoDaVez(s, 1, g, D(5, 3, 2024)), QStringLiteral("77"));
    }

    void candidatos() {
        AmbienteTeste a;
        a.Servico(2, "Sgt Dia", 1, 0);
        for (int i = 1; i <= 12; ++i) {
            a.Militar(QString::number(i), "M", i);
            a.Membro(2, QString::number(i), i); // counter i: rotation order 1..12
        }
        Sistema& s = *a.sis;
        CarregaSemExped(s);
        ListaCandidatos(s, 2, D(12, 3, 2024));
        QCOMPARE(s.ListBox3.size(), 10);
        QCOMPARE(s.ListBox3.first(), QStringLiteral("1   "));
        QCOMPARE(s.ListBox3.last(), QStringLiteral("10   "));
    }
};
REGISTRA_TESTE(TesteDisponibilidade)
#include "TesteDisponibilidade.moc"
