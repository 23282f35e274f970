#include "shell/AtualizaPrincipal.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QTest>

// The main window's refresh: absence review and what it saves.
class TesteAtualizacao : public QObject {
    Q_OBJECT
private slots:
    void ausencias_data() {
        QTest::addColumn<QString>("pr");
        QTest::addColumn<int>("ini"); // days from today
        QTest::addColumn<int>("fim");
        QTest::addColumn<QString>("mensagem"); // empty = none
        QTest::addColumn<QString>("prGravado");
        QTest::newRow("P ainda por vir") << "P" << 1 << 7 << ""
                                         << "P";
        QTest::newRow("P em curso")
            << "P" << 0 << 7
            << " O número 12 estava previsto sair da escala de 10/03/24 até 17/03/24\n\n"
               "                        Verificar se saiu ou não da escala. "
            << "P";
        QTest::newRow("P encerrada") << "P" << -7 << -1 << ""
                                     << "";
        QTest::newRow("R terminou ontem")
            << "R" << -7 << -1
            << " O número 12 estava previsto retornar para a escala dia 09/03/24\n"
               " mas ainda consta como afastado do serviço \n\n"
               "                            Verificar se ele já retornou. \n\n"
               "Para retorná-lo para as escalas, use o item 11 da guia /Manutenção/"
            << "R";
        QTest::newRow("R termina hoje") << "R" << -7 << 0 << ""
                                        << "R";
    }
    void ausencias() {
        QFETCH(QString, pr);
        QFETCH(int, ini);
        QFETCH(int, fim);
        QFETCH(QString, mensagem);
        QFETCH(QString, prGravado);
        AmbienteTeste a(D(10, 3, 2024));
        const Data hoje = a.relogio.Hoje();
        a.Militar("12", "DOZE", 1, "Sd", pr, hoje + ini, hoje + fim);
        if (!mensagem.isEmpty())
            a.dialogos.EsperaAviso(mensagem);
        AtualizaPrincipal(*a.sis, nullptr);
        QVERIFY(a.dialogos.ScriptCumprido());
        if (!mensagem.isEmpty())
            QCOMPARE(a.dialogos.Textos.first(), mensagem);
        QCOMPARE(a.Coluna("Basico", "PR"), QStringList({prGravado}));
        if (prGravado.isEmpty())
            QCOMPARE(a.Coluna("Basico", "Ini"), QStringList({""}));
    }

    void recarrega_e_grava() {
        AmbienteTeste a;
        a.Servico(2, "Sgt Dia");
        a.Membro(2, "7", 3, 4);
        a.Militar("7", "SETE");
        a.sis->pasta.GravaUltimaEscala(D(2, 3, 2024));
        AtualizaPrincipal(*a.sis, nullptr);
        QCOMPARE(a.sis->UltimaEscala, D(2, 3, 2024));
        QCOMPARE(a.sis->VetSv[2].Descr, QStringLiteral("Sgt Dia"));
        QCOMPARE(a.sis->Grades.GradeSv[2].Cel(0, 1), QStringLiteral("7"));
        QCOMPARE(a.sis->VetIrmaos[1].ListaSv, QStringLiteral("2"));
        QCOMPARE(a.Linhas("Sv2"), QList<QStringList>({{"7", "3", "4", "13/05/09", "13/05/09"}}));
    }
};
REGISTRA_TESTE(TesteAtualizacao)
#include "TesteAtualizacao.moc"
