#include "base/Falha.h"
#include "maintenance/FolgasIniciais.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QTest>

namespace {

QStringList Rotacao(AmbienteTeste& a, int sv) {
    QStringList r;
    for (const QStringList& l : a.Linhas(QStringLiteral("Sv%1").arg(sv)))
        r << l.join(' ');
    return r;
}

QStringList USv(AmbienteTeste& a) {
    return a.Coluna(QStringLiteral("Basico"), QStringLiteral("USv"));
}

// Duty 2 with three members (the third not registered), chosen.
void Prepara(AmbienteTeste& a, FolgasIniciais& f) {
    a.Servico(1, "Of Dia");
    a.Servico(2, "Sgt Dia");
    a.Militar("1", "Ana");
    a.Militar("2", "Bia", 9999, "Sd", QString(), Data(), Data(), "01/03/10 05/03/10 ");
    a.Membro(2, "1", 3, 4);
    a.Membro(2, "2", 5, 3);
    a.Membro(2, "77", 4, 6);
    f.Abre();
    a.sis->VetSv[2].Sel = QStringLiteral("S");
    f.Escolhe();
}

} // namespace

// The initial rest balances: normalised counters, the dates recorded in the
// rotation and merged into the last-duty lists.
class TesteFolgasIniciais : public QObject {
    Q_OBJECT
private slots:
    // Opening shifts each duty so that its lowest present member stands at 3;
    // a duty already there is unchanged, and nothing else is touched.
    void abre_normaliza() {
        AmbienteTeste a;
        a.Servico(1, "Of Dia");
        a.Servico(2, "Sgt Dia");
        a.Militar("1", "Ana");
        a.Militar("2", "Bia");
        a.Membro(1, "1", 5, 7, "01/03/24", "02/03/24");
        a.Membro(1, "2", 8, 9);
        a.Membro(2, "1", 3, 4);
        a.Membro(2, "2", 5, 3);
        FolgasIniciais f(*a.sis);
        f.Abre();
        QCOMPARE(Rotacao(a, 1),
                 QStringList({"1 3 3 01/03/24 02/03/24", "2 6 5 13/05/09 13/05/09"}));
        QCOMPARE(Rotacao(a, 2),
                 QStringList({"1 3 4 13/05/09 13/05/09", "2 5 3 13/05/09 13/05/09"}));
        QCOMPARE(f.Servico(), 0);
        QVERIFY(f.Linhas().isEmpty());
    }

    // The members in rotation order; an unregistered number shows no name.
    void escolhe() {
        AmbienteTeste a;
        FolgasIniciais f(*a.sis);
        Prepara(a, f);
        QCOMPARE(f.Servico(), 2);
        QCOMPARE(f.Descricao(), QStringLiteral("Sgt Dia"));
        QStringList linhas;
        for (const LinhaFolga& l : f.Linhas())
            linhas << QStringList{l.NumNome, l.Pt, l.Vm, l.USvPt, l.USvVm}.join('|');
        QCOMPARE(linhas, QStringList({"1  Ana|3|4|13/05/09|13/05/09",
                                      "2  Bia|5|3|13/05/09|13/05/09", "|4|6|13/05/09|13/05/09"}));
    }

    // The two dates replace the two oldest of the ten last duties (empty ones
    // and those before 13/05/09 count as 13/05/09); the rotation keeps its
    // counters and its unregistered member.
    void grava() {
        AmbienteTeste a;
        FolgasIniciais f(*a.sis);
        Prepara(a, f);
        const QString nunca = QStringLiteral("13/05/09 ");
        f.DefineData(0, true, "10/02/10");
        f.DefineData(0, false, "14/2/2010");
        f.DefineData(1, true, "10/02/10");
        f.DefineData(1, false, "14/02/10");
        f.DefineData(2, true, "20/02/10");
        f.Grava();
        QCOMPARE(USv(a), QStringList({nunca.repeated(8) + "10/02/10 14/02/10 ",
                                      nunca.repeated(6) + "10/02/10 14/02/10 01/03/10 05/03/10 "}));
        QCOMPARE(Rotacao(a, 2), QStringList({"1 3 4 10/02/10 14/02/10", "2 5 3 10/02/10 14/02/10",
                                             "77 4 6 20/02/10 13/05/09"}));
        QVERIFY(f.Linhas().isEmpty());
    }

    void recusa_data() {
        QTest::addColumn<int>("linha");
        QTest::addColumn<bool>("preta");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("linha 3 inválida") << 2 << true << "31/02/10"
                                          << "31/02/10 >>> Data inválida";
        QTest::newRow("linha 3 vermelha") << 2 << false << "ontem"
                                          << "ontem >>> Data inválida";
        QTest::newRow("linha 3 vazia") << 2 << false << ""
                                       << "Militar 77 (linha 3): data em branco >>> Data inválida";
        QTest::newRow("linha 1 vazia") << 0 << true << " "
                                       << "Militar 1 (linha 1): data em branco >>> Data inválida";
    }
    // An empty or invalid date anywhere is refused and nothing is written.
    void recusa() {
        QFETCH(int, linha);
        QFETCH(bool, preta);
        QFETCH(QString, texto);
        QFETCH(QString, mensagem);
        AmbienteTeste a;
        FolgasIniciais f(*a.sis);
        Prepara(a, f);
        const QList<QStringList> basico = a.Linhas("Basico");
        const QStringList rotacao = Rotacao(a, 2);
        f.DefineData(0, true, "10/02/10");
        f.DefineData(1, false, "14/02/10");
        f.DefineData(linha, preta, texto);
        try {
            f.Grava();
            QFAIL("gravou");
        } catch (const Recusa& r) {
            QCOMPARE(r.Mensagem(), mensagem);
        }
        QCOMPARE(a.Linhas("Basico"), basico);
        QCOMPARE(Rotacao(a, 2), rotacao);
        QCOMPARE(f.Linhas().size(), 3);
    }

    // No duty marked in the chooser: no duty, no rows, nothing recorded.
    void nenhum_escolhido() {
        AmbienteTeste a;
        FolgasIniciais f(*a.sis);
        Prepara(a, f);
        a.sis->VetSv[2].Sel.clear();
        f.Escolhe();
        QCOMPARE(f.Servico(), 0);
        QVERIFY(f.Linhas().isEmpty());
        const QList<QStringList> basico = a.Linhas("Basico");
        f.Grava();
        QCOMPARE(a.Linhas("Basico"), basico);
    }
};

REGISTRA_TESTE(TesteFolgasIniciais)
#include "TesteFolgasIniciais.moc"
