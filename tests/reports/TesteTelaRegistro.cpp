#include "engine/Contadores.h"
#include "engine/Escalacao.h"
#include "shell/Inicio.h"
#include "shell/TFAbaConsultas.h"
#include "shell/TFPrincipal.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioEscala.h"
#include "support/ApoioTelas.h"
#include "support/Registro.h"
#include "support/RoteiroModal.h"

#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

namespace {

QStringList Coluna(QTableWidget* t, int c) {
    QStringList linhas;
    for (int r = 0; r < t->rowCount(); ++r)
        linhas << t->item(r, c)->text();
    return linhas;
}

} // namespace

// "Registro das Alterações" (Consultas item 4): the log of a period, read only.
class TesteTelaRegistro : public QObject {
    Q_OBJECT
private slots:
    void item_4_de_consultas() {
        AmbienteTeste a;
        RegistroPequeno(a, 1);
        a.dialogos.EsperaConfirma(true, "igualar");
        EqualizaContadores(*a.sis);
        a.sis->UltimaEscala = a.sis->pasta.LeUltimaEscala();
        DesfazerAPartirDe(*a.sis, D(1, 3, 2024));
        Inicio inicio(a.Pasta(), a.dir.filePath("Aliases.ini"));
        inicio.Prepara(a.relogio.Hoje());
        a.dialogos.AceitaAvisos = true;
        TFPrincipal p(*a.sis, inicio);
        QStringList operacoes, depoisDoFiltro, quando;
        QString recusa;
        RoteiroModal roteiro;
        roteiro.Quando("FRegistroAlteracoes", [&](QWidget* w) {
            auto* grade = Controle<QTableWidget>(w, "SGRegistro");
            operacoes = Coluna(grade, 1);
            quando = Coluna(grade, 0);
            QVERIFY(grade->editTriggers() == QAbstractItemView::NoEditTriggers);
            // A day with no entry, then a date that is not one.
            QTest::keyClicks(Controle<QLineEdit>(w, "EAte"), "01/01/24");
            Clica(w, "BFiltrar");
            depoisDoFiltro = Coluna(grade, 1);
            Controle<QLineEdit>(w, "EDe")->setText("31/02/24");
            Clica(w, "BFiltrar");
            recusa = a.dialogos.Textos.value(a.dialogos.Textos.size() - 1);
            Clica(w, "BSair");
        });
        p.AbaConsultas()->ExecutaItem(4);
        QVERIFY(roteiro.Cumprido());
        QCOMPARE(operacoes, QStringList({"Igualar contadores", "Desfazer escalação"}));
        QVERIFY(quando.value(0).startsWith(QDate::currentDate().toString("dd/MM/yyyy")));
        QVERIFY(depoisDoFiltro.isEmpty());
        QCOMPARE(recusa, QStringLiteral("31/02/24 >>> Data inválida"));
    }
};
REGISTRA_TESTE(TesteTelaRegistro)
#include "TesteTelaRegistro.moc"
